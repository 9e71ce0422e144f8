// The tag text an editor's element carries from "&Add" to "&Save": the size,
// a backslash, the kind, and for some topics a slash and one more number.

#include "ProgramState.h"

#include "quiz/session/ElementTag.h"

#include <QTest>

class TestElementTag : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void written_data()
    {
        QTest::addColumn<long>("size");
        QTest::addColumn<long>("kind");
        QTest::addColumn<QString>("tag");
        QTest::addRow("large-first-kind") << 150L << 0L << "150\\0";
        QTest::addRow("small-kind-13") << 80L << 13L << "80\\13";
        QTest::addRow("no-kind-chosen") << 120L << -1L << "120\\-1";
    }
    void written()
    {
        QFETCH(long, size);
        QFETCH(long, kind);
        QTEST(FormatElementTag(size, kind), "tag");
    }

    // Size before the first backslash, kind after it; each the number its
    // text begins with; no backslash, no numbers.
    void read_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("kind");
        QTest::addRow("size-and-kind") << "150\\17" << 150.0 << 17.0;
        QTest::addRow("second-backslash-ends-kind") << "80\\5\\9" << 80.0 << 5.0;
        QTest::addRow("slash-ends-kind") << "150\\4/-1" << 150.0 << 4.0;
        QTest::addRow("negative-kind") << "120\\-1" << 120.0 << -1.0;
        QTest::addRow("blanks-passed-over") << " 120\\ 7" << 120.0 << 7.0;
        QTest::addRow("empty-parts") << "\\" << 0.0 << 0.0;
        QTest::addRow("no-backslash") << "150" << 0.0 << 0.0;
        QTest::addRow("empty") << "" << 0.0 << 0.0;
    }
    void read()
    {
        QFETCH(QString, tag);
        const ElementTag parsed = ParseElementTag(tag);
        QTEST(parsed.size, "size");
        QTEST(parsed.kind, "kind");
    }

    // The numbers on either side of the first slash, where a topic keeps a third value.
    void numbersAroundSlash_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("after");
        QTest::addRow("topmark") << "150\\0/-1" << 150.0 << -1.0;
        QTest::addRow("first-slash-counts") << "150\\4/-1/7" << 150.0 << -1.0;
        QTest::addRow("no-slash") << "150\\4" << 0.0 << 0.0;
        QTest::addRow("slash-first") << "/2" << 0.0 << 2.0;
    }
    void numbersAroundSlash()
    {
        QFETCH(QString, tag);
        QTEST(TagNumberBefore(tag, QLatin1Char('/')), "before");
        QTEST(TagNumberAfter(tag, QLatin1Char('/')), "after");
    }
};

QTEST_GUILESS_MAIN(TestElementTag)
#include "tst_elementtag.moc"
