#include "PictureFixture.h"

#include "core/state/Global.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "quiz/session/QuizSession.h"

#include <QTest>

#include <algorithm>

namespace {
QuizSession::Tables LightTables()
{
    return {QStringLiteral("LightForm"), QStringLiteral("LoadLights"), QStringLiteral("LIGHTHEAD"),
            QStringLiteral("LIGHTLINE"), QStringLiteral("FOGSIGNAL"), 1};
}

// Keeps what the session hands over, in order.
class Recorder : public PictureRenderer
{
public:
    explicit Recorder(QuizSession &session) : session(session) {}
    QStringList steps;

    void ReadHeadFields(const Recordset &row) override { steps << "head " + row.Value("HINT").toString(); }
    void HeadRead(bool found) { steps << (found ? "found" : "not found"); }
    void Clear() override { steps << "clear"; }
    void DrawLine(const Recordset &row) override
    {
        double x = 0;
        if (session.ReadLineRow([&] { x = row.DoubleValue("XPOS"); }))
            steps << QStringLiteral("line %1").arg(x);
    }

private:
    QuizSession &session;
};

// Reads the picture on show as a quiz window does, its head read in turn.
void Read(QuizSession &session, Recorder &recorder)
{
    session.ReadPicture(recorder, [&recorder](bool found) { recorder.HeadRead(found); });
}
} // namespace

// The series' rules on the session alone: no window, no widget.
class TestQuizSession : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        RecordMessageBoxes(prompts, MsgBoxAnswer::Ok);
    }
    void cleanup() { fixture.reset(); }

    // Navigation from the first of three pictures; "end" marks the moves
    // that ask the end-of-series question.
    void navigation_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("shown");
        QTest::addRow("next-to-the-end") << "next next next" << "2 3 3end";
        QTest::addRow("never-wraps-back") << "previous first" << "1 1";
        QTest::addRow("last-then-last-again") << "last last" << "3 3end";
        QTest::addRow("last-then-back-and-forth") << "last previous next" << "3 2 3";
    }
    void navigation()
    {
        QFETCH(QString, moves);
        QFETCH(QString, shown);
        for (int i = 0; i < 3; ++i)
            fixture->AddHead("LIGHTHEAD", {{"HINT", QStringLiteral("h%1").arg(i + 1)}});
        // Unshuffled, the series stands in the order read, at the first.
        QuizSession session(LightTables());
        session.LoadSeries();
        session.MarkShown();
        QStringList seen;
        for (const QString &move : moves.split(' ')) {
            if (move == "next")
                session.ShowNext();
            else if (move == "previous")
                session.ShowPrevious();
            else if (move == "first")
                session.ShowFirst();
            else
                session.ShowLast();
            const bool end = session.EndReached(QuizSession::Cause::Navigation);
            QVERIFY(!session.EndReached(QuizSession::Cause::Refresh));
            seen << QString::number(session.RecordNo()) + (end ? "end" : "");
            session.MarkShown();
        }
        QCOMPARE(seen.join(' '), shown);
    }

    void emptySeriesOffersNothing()
    {
        QuizSession session(LightTables());
        session.LoadSeries();
        session.Shuffle();
        QVERIFY(!session.CanNavigate());
        QCOMPARE(session.RecordNo(), 0L);
        session.ShowNext();
        QVERIFY(!session.EndReached(QuizSession::Cause::Navigation));
        Recorder recorder(session);
        Read(session, recorder);
        QCOMPARE(recorder.steps, (QStringList{"not found", "clear"}));
        QCOMPARE(session.HintText(), QString("No Hint"));
        QVERIFY(prompts.isEmpty());
    }

    void jumpsOnlyToItsOwnPictures()
    {
        const long first = fixture->AddHead("LIGHTHEAD", {{"HINT", "a"}});
        const long second = fixture->AddHead("LIGHTHEAD", {{"HINT", "b"}});
        QuizSession session(LightTables());
        session.LoadSeries();
        QVERIFY(session.JumpTo(second));
        QCOMPARE(session.RecordNo(), second);
        QVERIFY(!session.JumpTo(second + 7));
        QCOMPARE(session.RecordNo(), second);
        QVERIFY(session.JumpTo(first));
    }

    // The picture's texts and rows reach the renderer in order; a row that
    // cannot be read is left out and reported once for its picture.
    void readsThePictureOnShow()
    {
        const long record =
            fixture->AddHead("LIGHTHEAD", {{"HINT", "Two lights"}, {"TEXT", "Anchored"}, {"FOGSIGNAL", "Bell"}});
        fixture->AddLines("LIGHTLINE", record, {{{"XPOS", 10.0}}, {{"XPOS", 1.0}}, {{"XPOS", 30.0}}});
        fixture->OverwriteLines("LIGHTLINE", "XPOS", 1.0, QStringLiteral("not a number"));
        QuizSession session(LightTables());
        session.LoadSeries();
        Recorder recorder(session);
        Read(session, recorder);
        QCOMPARE(recorder.steps, (QStringList{"head Two lights", "found", "clear", "line 10", "line 30"}));
        QCOMPARE(session.HintText(), QString("Two lights"));
        QCOMPARE(session.AnswerText(), QString("Anchored"));
        QCOMPARE(session.FurtherText(), QString("Bell"));
        QCOMPARE(prompts.size(), 1);
        Read(session, recorder);
        QCOMPARE(prompts.size(), 1);
    }

    // A picture deleted after the series was read shows empty.
    void deletedPictureShowsEmpty()
    {
        const long record = fixture->AddHead("LIGHTHEAD", {{"HINT", "gone"}});
        fixture->AddLines("LIGHTLINE", record, {{{"XPOS", 10.0}}});
        QuizSession session(LightTables());
        session.LoadSeries();
        auto db = fixture->Open();
        db->Execute("Delete From LIGHTHEAD Where RECORD = ?", {static_cast<qlonglong>(record)});
        db->Close();
        Recorder recorder(session);
        Read(session, recorder);
        QCOMPARE(recorder.steps, (QStringList{"not found", "clear"}));
        QCOMPARE(session.AnswerText(), QString("No Text"));
        QVERIFY(prompts.isEmpty());
    }

    // In link mode the series holds the linked pictures only.
    void linkModeReadsTheLinkedPictures()
    {
        fixture->AddHead("LIGHTHEAD", {{"HINT", "a"}});
        const long linked = fixture->AddHead("LIGHTHEAD", {{"HINT", "b"}});
        fixture->AddLink(2, 5, 1, linked);
        LinkMode = true;
        LinkTypeOne = 2;
        LinkRecordOne = 5;
        LinkTypeTwo = 1;
        QuizSession session(LightTables());
        session.LoadSeries();
        QCOMPARE(session.Series().Items(), std::vector<long>{linked});
    }

    // Multiple choice offers the stored alternatives of the picture on show;
    // a picture without any offers its own answer alone.
    void choicesOfThePictureOnShow()
    {
        const long asked = fixture->AddPicture(1, "Sidelights");
        const long other = fixture->AddPicture(1, "Masthead light");
        fixture->AddAlternative(1, asked, asked, true);
        fixture->AddAlternative(1, asked, other, false);
        QuizSession session(LightTables());
        session.LoadSeries();
        QVERIFY(session.JumpTo(asked));
        session.ReadPicture(*std::make_unique<Recorder>(session));
        QStringList offered;
        for (const Choice &choice : session.Choices())
            offered << QStringLiteral("%1=%2").arg(choice.text).arg(choice.value);
        offered.sort();
        QCOMPARE(offered, (QStringList{"Masthead light=0", "Sidelights=-1"}));
        QVERIFY(session.JumpTo(other));
        session.ReadPicture(*std::make_unique<Recorder>(session));
        QCOMPARE(session.Choices().size(), size_t(1));
        QCOMPARE(session.Choices().front().text, QString("Masthead light"));
    }

    // The Links menu offers the other topics the picture links to, each once.
    void linkedTopicsOfThePictureOnShow()
    {
        const long record = fixture->AddPicture(1, "Sidelights");
        fixture->AddLink(1, record, 2, 7);
        fixture->AddLink(1, record, 2, 8);
        fixture->AddLink(1, record, 4, 3);
        fixture->AddLink(1, record, 1, 9);
        fixture->AddLink(3, record, 5, 1);
        QuizSession session(LightTables());
        session.LoadSeries();
        std::vector<long> topics = session.LinkedTopics();
        std::sort(topics.begin(), topics.end());
        QCOMPARE(topics, (std::vector<long>{2, 4}));
    }

private:
    std::unique_ptr<PictureFixture> fixture;
    QStringList prompts;
};

QTEST_GUILESS_MAIN(TestQuizSession)
#include "tst_quizsession.moc"
