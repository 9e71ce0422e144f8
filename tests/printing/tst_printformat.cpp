#include "ProgramState.h"

#include "core/state/Global.h"
#include "platform/ask/MsgBox.h"
#include "platform/print/Printer.h"
#include "printing/FormatDate.h"
#include "printing/PrintFormat.h"

#include <QTest>

namespace {
// Every character one unit wide, but "i" half a unit and "W" two.
double Units(const QString &text)
{
    double width = 0;
    for (const QChar ch : text)
        width += ch == QLatin1Char('i') ? 0.5 : ch == QLatin1Char('W') ? 2.0 : 1.0;
    return width;
}

const QString CrLf = QStringLiteral("\r\n");
} // namespace

class TestPrintFormat : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        boxes.clear();
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            boxes << call;
            return MsgBoxAnswer::Ok;
        });
    }
    void cleanup() { ResetProgramState(); }

    // Lines worked out by hand from the breaking rules: a carriage return
    // first, then the whole rest, then the last blank at or before the
    // character after the limit, else the limit itself.
    void wrapByCount_data()
    {
        QTest::addColumn<int>("maxChars");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("four-words-two-lines") << 10 << "abc def ghi jkl" << QStringList{"abc def", "ghi jkl"};
        QTest::addRow("fifteen-letters") << 10 << "abcdefghijklmno" << QStringList{"abcdefghij", "klmno"};
        QTest::addRow("blank-right-after-limit") << 10 << "abcdefghij klm" << QStringList{"abcdefghij", "klm"};
        QTest::addRow("exactly-the-limit") << 10 << "abcdefghij" << QStringList{"abcdefghij"};
        QTest::addRow("one-word") << 10 << "abc" << QStringList{"abc"};
        QTest::addRow("line-break") << 10 << "abc" + CrLf + "def" << QStringList{"abc", "def"};
        QTest::addRow("line-break-at-end") << 10 << "abc" + CrLf << QStringList{"abc", ""};
        QTest::addRow("empty-line-between") << 10 << "abc" + CrLf + CrLf + "def" << QStringList{"abc", "", "def"};
        // A break drops one blank: the second of a pair begins the next line.
        QTest::addRow("second-blank-kept") << 10 << "abcdefghij  klm" << QStringList{"abcdefghij", " klm"};
        // A blank just at the line's start gives an empty line.
        QTest::addRow("blank-at-line-start") << 3 << "abc  def" << QStringList{"abc", "", "def"};
        QTest::addRow("word-longer-than-line") << 4 << "abcdefgh ij" << QStringList{"abcd", "efgh", "ij"};
        QTest::addRow("break-before-long-word") << 5 << "ab cdefghijk" << QStringList{"ab", "cdefg", "hijk"};
        QTest::addRow("line-break-beyond-limit") << 4 << "abcdef" + CrLf + "g" << QStringList{"abcd", "ef", "g"};
        // A carriage return alone ends the line; the character after it is
        // the next line's first, not dropped with it.
        QTest::addRow("carriage-return-alone") << 10 << "abc\rdef" << QStringList{"abc", "def"};
        QTest::addRow("carriage-return-alone-at-end") << 10 << "abc\r" << QStringList{"abc"};
        // A column too narrow for one character still moves on a character
        // a line, and ends.
        QTest::addRow("no-character-fits") << 0 << "abc" << QStringList{"a", "b", "c"};
        QTest::addRow("negative-count") << -5 << "ab c" << QStringList{"a", "b", "c"};
    }
    void wrapByCount()
    {
        QFETCH(int, maxChars);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const short n = PrintFormat(static_cast<short>(maxChars), text, 0, Units);
        QCOMPARE(static_cast<int>(n), static_cast<int>(lines.size()));
        QCOMPARE(PrintLines.mid(0, n), lines);
        QVERIFY(PrintLines.size() >= 21);
        for (qsizetype i = n; i < PrintLines.size(); ++i)
            QVERIFY(PrintLines[i].isEmpty());
        QVERIFY(boxes.isEmpty());
    }

    void emptyTextGivesNoLines()
    {
        PrintLines = QStringList{"left", "over"};
        QCOMPARE(PrintFormat(10, QString(), 0, Units), short(0));
        QCOMPARE(PrintLines, QStringList(21, QString()));
    }

    // The array starts with 21 elements and grows by 20 when a pass begins
    // at line 19, 39, ...: 21 lines fit the first array, 26 need 40 places,
    // 45 need 60.
    void manyLines_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("size");
        QTest::addRow("19-lines") << 19 << 21;
        QTest::addRow("20-lines") << 20 << 40;
        QTest::addRow("26-lines") << 26 << 40;
        QTest::addRow("45-lines") << 45 << 60;
    }
    void manyLines()
    {
        QFETCH(int, count);
        QFETCH(int, size);
        QStringList words;
        for (int i = 0; i < count; ++i)
            words << QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0'));
        const short n = PrintFormat(3, words.join(QLatin1Char(' ')), 0, Units);
        QCOMPARE(static_cast<int>(n), count);
        QCOMPARE(static_cast<int>(PrintLines.size()), size);
        QCOMPARE(PrintLines.mid(0, count), words);
    }

    // Measured lines ("i" half, "W" double width): a line takes at least
    // MaxChars characters and as many more as stay narrower than MaxWidth;
    // a count once reached stays for the rest of the call.
    void wrapByWidth_data()
    {
        QTest::addColumn<int>("maxChars");
        QTest::addColumn<float>("maxWidth");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        // Seven "i" are 3.5 wide, eight would reach 4.
        QTest::addRow("narrow-letters-hold-more") << 4 << 4.0f << "iiiiiiiiii" << QStringList{"iiiiiii", "iii"};
        // One "W" fits 4, yet the line takes MaxChars.
        QTest::addRow("never-fewer-than-count") << 4 << 4.0f << "WWWWWW" << QStringList{"WWWW", "WW"};
        // The six "i" set the count to 6; the wide letters take 6 as well.
        QTest::addRow("count-kept-for-wide-letters") << 2 << 4.0f << "iiiiiiWWWWWW"
                                                     << QStringList{"iiiiii", "WWWWWW"};
        QTest::addRow("new-call-starts-again") << 2 << 4.0f << "WWWWWW" << QStringList{"WW", "WW", "WW"};
        QTest::addRow("measured-blank-break") << 2 << 6.0f << "abc def ghi" << QStringList{"abc", "def", "ghi"};
        QTest::addRow("width-zero-counts-only") << 4 << 0.0f << "iiiiiiiiii" << QStringList{"iiii", "iiii", "ii"};
    }
    void wrapByWidth()
    {
        QFETCH(int, maxChars);
        QFETCH(float, maxWidth);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const short n = PrintFormat(static_cast<short>(maxChars), text, maxWidth, Units);
        QCOMPARE(PrintLines.mid(0, n), lines);
    }

    // Lines within a width, none wider: where PrintFormat keeps a count that
    // overruns on wide letters, that line is wrapped again on its own.
    void fittedLines_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("fits-whole") << 5.0f << "abc" << QStringList{"abc"};
        QTest::addRow("breaks-at-blanks") << 6.0f << "abc def ghi" << QStringList{"abc", "def", "ghi"};
        // PrintFormat gives "iiii iiii" and "WW WW", 9 wide.
        QTest::addRow("wide-words-after-narrow") << 5.5f << "iiii iiii WW WW"
                                                 << QStringList{"iiii iiii", "WW", "WW"};
        // PrintFormat gives "iiiiii" and "WWWWWW", 12 wide.
        QTest::addRow("wide-letters-after-narrow") << 4.0f << "iiiiiiWWWWWW"
                                                   << QStringList{"iiiiii", "W", "W", "W", "W", "W", "W"};
        QTest::addRow("word-longer-than-a-line") << 4.5f << "abcdefgh" << QStringList{"abcd", "efgh"};
        QTest::addRow("letter-wider-than-the-width") << 1.0f << "W" << QStringList{"W"};
        QTest::addRow("empty") << 5.0f << "" << QStringList{};
    }
    void fittedLines()
    {
        QFETCH(float, width);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(FittedLines(text, width, Units), lines);
    }

    // A failing measure is reported once a pass and the line takes the
    // count it has.
    void measureFailureReported()
    {
        const auto failing = [](const QString &) -> double { throw PrinterError(482, "Printer error"); };
        const short n = PrintFormat(5, QStringLiteral("abcdefgh"), 10, failing);
        QCOMPARE(PrintLines.mid(0, n), (QStringList{"abcde", "fgh"}));
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].title, QString("Help"));
        QCOMPARE(boxes[0].prompt,
                 QString("Unexpected Error In - Mainmod:PrintFormat, Error Number 482, Printer error"));
    }

    void formatDate_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<int>("sortKey");
        QTest::addColumn<QString>("expected");
        QTest::addRow("mid-june") << QDate(2003, 6, 15) << "T" << 0 << "15/06/2003";
        QTest::addRow("leading-zeros") << QDate(2004, 3, 5) << "T" << 0 << "05/03/2004";
        QTest::addRow("year-end") << QDate(1999, 12, 31) << "T" << 0 << "31/12/1999";
        QTest::addRow("leap-day") << QDate(2024, 2, 29) << "T" << 0 << "29/02/2024";
        QTest::addRow("other-text") << QDate(2003, 6, 15) << "D" << 0 << "";
        QTest::addRow("other-key") << QDate(2003, 6, 15) << "T" << 1 << "";
        QTest::addRow("no-date") << QDate() << "T" << 0 << "";
    }
    void formatDate()
    {
        QFETCH(QDate, today);
        QFETCH(QString, dateText);
        QFETCH(int, sortKey);
        QFETCH(QString, expected);
        SetDateSource([today] { return today; });
        QCOMPARE(FormatDate(dateText, sortKey), expected);
    }

    void formatDateReadsTheClock()
    {
        QCOMPARE(FormatDate(QStringLiteral("T"), 0), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    }

private:
    QList<MsgBoxCall> boxes;
};

QTEST_GUILESS_MAIN(TestPrintFormat)
#include "tst_printformat.moc"
