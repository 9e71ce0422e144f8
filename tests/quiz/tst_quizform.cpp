#include "LightPictures.h"

#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/QuizForm.h"
#include "quiz/StatForm.h"
#include "quiz/session/TopicRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {
const QString Question = "This Is The Last Picture In This Series, Do You Want To Shuffle And Restart";

QuizForm::Design TestDesign()
{
    using Role = QuizForm::ActionRole;
    using Column = QuizForm::Column;
    QuizForm::Design d;
    d.caption = "Test Quiz";
    d.tables.topicCode = 1;
    d.tables.formName = "TestForm";
    d.tables.loaderName = "LoadTests";
    d.tables.headTable = "LIGHTHEAD";
    d.tables.lineTable = "LIGHTLINE";
    d.tables.furtherField = "FOGSIGNAL";
    d.actions = {
        {0, "<< &First", {120, 3960, 1215, 375}, Role::First, Column::BottomRow},
        {1, "< &Previous", {1560, 3960, 1215, 375}, Role::Previous, Column::BottomRow},
        {2, "&Next >", {3480, 3960, 1215, 375}, Role::Next, Column::BottomRow},
        {3, "&Last >>", {4920, 3960, 1215, 375}, Role::Last, Column::BottomRow},
        {4, "&Hint", {6240, 120, 1215, 375}, Role::Hint, Column::RightColumn},
        {6, "&Further", {6240, 600, 1215, 375}, Role::Further, Column::RightColumn},
        {7, "?", {2880, 3960, 495, 375}, Role::Text, Column::BottomRow},
    };
    d.cheat = {6240, 1680, 1215, 255};
    d.list = {6240, 2160, 1215, 1035};
    return d;
}
} // namespace

// A topic with the least of its own: one white picture, and a record of what
// each show drew.
class TestQuiz : public QuizForm, private PictureRenderer
{
    Q_OBJECT

public:
    TestQuiz() : QuizForm(TestDesign()) {}

    QPointer<PictureBox> picture;
    QList<long> shown;        // RecordNo of every completed drawing
    QList<double> lastDrawnX; // XPOS of the rows the last show drew

protected:
    void CreateTopicControls(QWidget &client) override
    {
        picture = new PictureBox(&client);
        picture->SetBackColor(0xFFFFFF);
        PlaceControl(*picture, 120, 120, 6000, 3000);
    }
    QRect LayoutPictures(int w, int h) override
    {
        PlaceControl(*picture, 120, 120, w - 1590, h - 1485);
        return {120, 120, w - 1590, h - 1485};
    }
    PictureRenderer &Renderer() override { return *this; }
    void Clear() override
    {
        picture->Cls();
        lastDrawnX.clear();
    }
    void DrawLine(const Recordset &row) override
    {
        lastDrawnX << row.DoubleValue("XPOS");
        picture->SetFillColor(255);
        picture->Circle(row.DoubleValue("XPOS"), row.DoubleValue("YPOS"), row.DoubleValue("SIZE"), 255);
    }
    void WalkLines(Database &db, const QString &lineTable, long record) override
    {
        PictureRenderer::WalkLines(db, lineTable, record);
        shown << RecordNo();
    }
};

class TestQuizForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        // Draws that leave the series in key order.
        SetShuffleRandom([](long upper) { return upper; });
        boxes.clear();
        answers.clear();
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            boxes << call.prompt;
            if (call.prompt == Question)
                return answers.isEmpty() ? MsgBoxAnswer::No : answers.takeFirst();
            return MsgBoxAnswer::Ok;
        });
    }
    void cleanup() { fixture.reset(); }

    // Steps: F first, P previous, N next, L last, H hint, U further text,
    // C "Cheat", R resize. After each step: the position on show, whether
    // the end-of-series question came. Only navigation asks.
    void navigation_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QList<long>>("positions");
        QTest::addColumn<QString>("asked");
        QTest::addRow("next-onto-last-does-not-ask") << 3 << "NN" << QList<int>{} << QList<long>{1, 2} << "..";
        QTest::addRow("next-at-last-asks-no-stays")
            << 3 << "NNN" << QList<int>{7} << QList<long>{1, 2, 2} << "..?";
        QTest::addRow("after-no-asks-again") << 3 << "NNNN" << QList<int>{7, 7} << QList<long>{1, 2, 2, 2} << "..??";
        QTest::addRow("last-at-last-asks") << 3 << "LL" << QList<int>{7} << QList<long>{2, 2} << ".?";
        QTest::addRow("yes-restarts-at-first") << 3 << "LLN" << QList<int>{6} << QList<long>{2, 0, 1} << ".?.";
        QTest::addRow("previous-at-first-does-not-ask") << 3 << "PF" << QList<int>{} << QList<long>{0, 0} << "..";
        QTest::addRow("away-and-back-does-not-ask") << 3 << "LPN" << QList<int>{} << QList<long>{2, 1, 2} << "...";
        QTest::addRow("resize-at-last-never-asks") << 3 << "LRR" << QList<int>{} << QList<long>{2, 2, 2} << "...";
        QTest::addRow("toggles-at-last-never-ask")
            << 3 << "LHHUU" << QList<int>{} << QList<long>{2, 2, 2, 2, 2} << ".....";
        QTest::addRow("cheat-at-last-never-asks") << 3 << "LCC" << QList<int>{} << QList<long>{2, 2, 2} << "...";
        QTest::addRow("one-picture-yes-restarts-once") << 1 << "N" << QList<int>{6} << QList<long>{0} << "?";
        QTest::addRow("one-picture-no-then-asks-again") << 1 << "NRN" << QList<int>{7, 7} << QList<long>{0, 0, 0} << "?.?";
    }
    void navigation()
    {
        QFETCH(int, pictures);
        QFETCH(QString, steps);
        QFETCH(QList<int>, answers);
        QFETCH(QList<long>, positions);
        QFETCH(QString, asked);
        std::vector<long> records;
        for (int i = 0; i < pictures; ++i)
            records.push_back(AddLightPicture(*fixture, "hint", QString("answer %1").arg(i), "fog", 0,
                                                  {Light(255, false, 100 + i, 100, 40)}));
        this->answers = answers;
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        // Opening never asks, not even on a series of one picture.
        QCOMPARE(boxes.size(), 0);

        QList<long> reached;
        QString questions;
        for (QChar step : steps) {
            const int before = boxes.size();
            const int shownBefore = form.shown.size();
            switch (step.toLatin1()) {
            case 'F': form.Action[0]->click(); break;
            case 'P': form.Action[1]->click(); break;
            case 'N': form.Action[2]->click(); break;
            case 'L': form.Action[3]->click(); break;
            case 'H': form.Action[4]->click(); break;
            case 'U': form.Action[6]->click(); break;
            case 'C': form.Lcheck[0]->click(); break;
            case 'R': form.resize(form.width() + 15, form.height() + 15); break;
            }
            reached << form.Series().Position();
            questions += boxes.size() > before ? '?' : '.';
            // Whatever was drawn last is the picture on show, drawn once per show.
            if (form.shown.size() > shownBefore) {
                QCOMPARE(form.shown.last(), records[size_t(form.Series().Position())]);
                QCOMPARE(form.lastDrawnX, QList<double>{100.0 + form.Series().Position()});
            }
        }
        QCOMPARE(reached, positions);
        QCOMPARE(questions, asked);
        QCOMPARE(boxes.count(Question), boxes.size());
        QVERIFY(this->answers.isEmpty());
    }

    // Yes on a one-picture series shows the picture once more and stops
    // there: no question from inside the restart.
    void restartDoesNotNest()
    {
        AddLightPicture(*fixture, "h", "t", "f", 0, {Light(255, false, 100, 100, 40)});
        answers = {6, 6, 6};
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        const int shows = form.shown.size();
        form.Action[2]->click();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(form.shown.size(), shows + 1);
    }

    // In multiple-choice mode the statistics window takes the question's
    // place; "&Start Again" (6) restarts, anything else shows the last again.
    void statisticsAtEnd_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<long>("position");
        QTest::addRow("start-again") << 6 << 0L;
        QTest::addRow("ok") << 2 << 1L;
    }
    void statisticsAtEnd()
    {
        QFETCH(int, reply);
        AddLightPicture(*fixture, "h", "a", "f", 0);
        AddLightPicture(*fixture, "h", "b", "f", 0);
        MultiChoice = true;
        int statistics = 0;
        Form::SetModalHook([&](Form &shown) {
            if (qobject_cast<StatForm *>(&shown)) {
                ++statistics;
                Response = reply;
            }
            shown.Unload();
        });
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        form.Action[3]->click();
        QCOMPARE(statistics, 0);
        form.Action[2]->click();
        QCOMPARE(statistics, 1);
        QTEST(form.Series().Position(), "position");
        QCOMPARE(boxes.size(), 0);
    }

    // "&Statistics" from the menu: "&Start Again" shuffles and shows the first
    // picture, any other way of closing leaves the picture on show.
    void statisticsMenu_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<long>("position");
        QTest::addRow("start-again") << 6 << 0L;
        QTest::addRow("ok") << 2 << 2L;
    }
    void statisticsMenu()
    {
        QFETCH(int, reply);
        for (int i = 0; i < 3; ++i)
            AddLightPicture(*fixture, "h", "t", "f", 0);
        MultiChoice = true;
        Form::SetModalHook([&](Form &shown) {
            Response = reply;
            shown.Unload();
        });
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        form.Action[3]->click();
        int draws = 0;
        SetShuffleRandom([&](long upper) {
            ++draws;
            return upper;
        });
        form.Fmenu[2]->trigger();
        QTEST(form.Series().Position(), "position");
        QCOMPARE(draws > 0, reply == 6);
    }

    // "&List" opens the item list as a picker for the topic; a picture it
    // chose that is in the series is shown, anything else changes nothing.
    void showList_data()
    {
        QTest::addColumn<int>("chosen"); // index into the pictures, -1 none, 9 not in the series
        QTest::addColumn<long>("position");
        QTest::addRow("picture-in-series") << 1 << 1L;
        QTest::addRow("closed-without-choice") << -1 << 2L;
        QTest::addRow("picture-not-in-series") << 9 << 2L;
    }
    void showList()
    {
        QFETCH(int, chosen);
        std::vector<long> records;
        for (int i = 0; i < 3; ++i)
            records.push_back(AddLightPicture(*fixture, "h", "t", "f", 0));
        const long outside = AddLightPicture(*fixture, "h", "t", "f", 0);
        fixture->AddLink(2, 1, 1, records[0]);
        fixture->AddLink(2, 1, 1, records[1]);
        fixture->AddLink(2, 1, 1, records[2]);
        LinkMode = true;
        LinkTypeOne = 2;
        LinkRecordOne = 1;
        LinkTypeTwo = 1;
        int pickers = 0;
        Form::SetModalHook([&](Form &shown) {
            ++pickers;
            QCOMPARE(ListType, 0);
            QVERIFY(!ListEdit);
            shown.Unload();
            // What the item list leaves behind once closed.
            ListRecord = chosen < 0 ? 0 : (chosen == 9 ? outside : records[size_t(chosen)]);
        });
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        form.Action[3]->click();
        const int shows = form.shown.size();
        form.Fmenu[1]->trigger();
        QCOMPARE(pickers, 1);
        QTEST(form.Series().Position(), "position");
        QCOMPARE(form.shown.size(), shows + (chosen == 1 ? 1 : 0));
        QCOMPARE(boxes.size(), 0);
    }

    // The window opens in the state WindowMode carries and writes its own
    // state back after a change, for the next quiz window.
    void windowMode_data()
    {
        QTest::addColumn<int>("opening");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("written");
        QTest::addRow("normal") << 0 << int(Qt::WindowNoState) << 0;
        QTest::addRow("opens-maximised") << 2 << int(Qt::WindowMaximized) << 2;
        QTest::addRow("minimised-by-user") << 0 << int(Qt::WindowMinimized) << 1;
        QTest::addRow("maximised-by-user") << 0 << int(Qt::WindowMaximized) << 2;
    }
    void windowMode()
    {
        QFETCH(int, opening);
        QFETCH(int, state);
        QFETCH(int, written);
        AddLightPicture(*fixture, "h", "t", "f", 0);
        WindowMode = opening;
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        QCOMPARE(form.windowState() & Qt::WindowMaximized, opening == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
        form.setWindowState(Qt::WindowStates(state));
        QTRY_COMPARE(WindowMode, written);
    }

    // The Links menu offers the topics the picture on show links to, and an
    // item opens that topic's quiz on the pictures linked from it.
    void linksMenu()
    {
        const long a = AddLightPicture(*fixture, "h", "a", "f", 0);
        const long b = AddLightPicture(*fixture, "h", "b", "f", 0);
        fixture->AddLink(1, a, 2, 70);
        fixture->AddLink(1, a, 1, b); // toward its own topic: never offered
        fixture->AddLink(1, b, 5, 80);
        QList<QList<long>> opened;
        TopicRegistry::RegisterQuiz(2, [&] { opened << QList<long>{2, LinkMode, LinkTypeOne, LinkRecordOne, LinkTypeTwo}; });
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        auto enabled = [&] {
            QList<bool> items;
            for (QAction *item : form.Lmenu)
                items << item->isEnabled();
            return items;
        };
        QCOMPARE(enabled(), (QList<bool>{false, true, false, false, false}));
        form.Lmenu[1]->trigger();
        QCOMPARE(opened, (QList<QList<long>>{{2, 1, 1, a, 2}}));
        form.Action[2]->click();
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false, true}));
    }

    // In link mode the series is the linked pictures, the end never asks, the
    // menus stay shut and closing the window ends link mode.
    void linkMode()
    {
        const long a = AddLightPicture(*fixture, "h", "a", "f", 0);
        AddLightPicture(*fixture, "h", "unlinked", "f", 0);
        const long c = AddLightPicture(*fixture, "h", "c", "f", 0);
        fixture->AddLink(3, 9, 1, a);
        fixture->AddLink(3, 9, 1, c);
        LinkMode = true;
        LinkTypeOne = 3;
        LinkRecordOne = 9;
        LinkTypeTwo = 1;
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        form.Activate();
        QCOMPARE(form.Series().Items(), (std::vector<long>{a, c}));
        form.Action[3]->click();
        form.Action[2]->click();
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(form.Series().Position(), 1L);
        QVERIFY(!form.Fmenu[0]->isEnabled());
        QVERIFY(!form.Fmenu[1]->isEnabled());
        QVERIFY(!form.Fmenu[2]->isEnabled());
        QVERIFY(!form.LinkMenu->menuAction()->isEnabled());
        QVERIFY(form.Fmenu[3]->isEnabled());
        form.Fmenu[3]->trigger();
        QVERIFY(!LinkMode);
    }

    // Menus by mode at activation: "&Statistics" only in multiple-choice mode.
    void menusByMode_data()
    {
        QTest::addColumn<bool>("multiChoice");
        QTest::addColumn<bool>("statistics");
        QTest::addRow("plain") << false << false;
        QTest::addRow("multiple-choice") << true << true;
    }
    void menusByMode()
    {
        QFETCH(bool, multiChoice);
        MultiChoice = multiChoice;
        AddLightPicture(*fixture, "h", "a", "f", 0);
        Form::SetModalHook([](Form &shown) { shown.Unload(); });
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.Activate();
        QVERIFY(form.Fmenu[0]->isEnabled());
        QVERIFY(form.Fmenu[1]->isEnabled());
        QTEST(form.Fmenu[2]->isEnabled(), "statistics");
        QVERIFY(form.LinkMenu->menuAction()->isEnabled());
        QCOMPARE(form.Lcheck[0]->isChecked(), multiChoice);
    }

    // An empty series: an empty picture, the default texts, navigation off,
    // and no box at all, however the user pokes at it.
    void emptySeries()
    {
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        for (int i : {0, 1, 2, 3})
            QVERIFY(!form.Action[i]->isEnabled());
        form.Action[7]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("No Text"));
        form.Action[4]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("No Hint"));
        form.Fmenu[0]->trigger();
        QCOMPARE(boxes.size(), 0);
        QVERIFY(form.lastDrawnX.isEmpty());
        QCOMPARE(form.picture->PixelColour(10, 10), 0xFFFFFFL);
    }

    // A linked picture deleted since: its number shows an empty picture with
    // the default texts, not the previous picture, and no error box.
    void missingHeadShowsEmptyPicture()
    {
        const long a = AddLightPicture(*fixture, "hint a", "a", "fog a", 0, {Light(255, false, 300, 300, 200)});
        const long gone = AddLightPicture(*fixture, "hint b", "b", "fog b", 0, {Light(255, false, 300, 300, 200)});
        fixture->DeleteHead("LIGHTHEAD", gone);
        fixture->AddLink(2, 4, 1, a);
        fixture->AddLink(2, 4, 1, gone);
        LinkMode = true;
        LinkTypeOne = 2;
        LinkRecordOne = 4;
        LinkTypeTwo = 1;
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        QCOMPARE(form.RecordNo(), a);
        QCOMPARE(form.picture->PixelColour(20, 20), 255L);
        form.Action[2]->click();
        QCOMPARE(form.RecordNo(), gone);
        QCOMPARE(form.picture->PixelColour(20, 20), 0xFFFFFFL);
        QVERIFY(form.lastDrawnX.isEmpty());
        QCOMPARE(form.HintText(), QString("No Hint"));
        QCOMPARE(form.AnswerText(), QString("No Text"));
        QCOMPARE(form.FurtherText(), QString("Unknown"));
        QVERIFY(form.Action[2]->isEnabled());
        QCOMPARE(boxes.size(), 0);
    }

    // Hint and further text toggle: the second press shows the plain picture.
    void textToggles()
    {
        AddLightPicture(*fixture, "The hint", "The answer", "The fog", 0);
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        form.show();
        QLabel &line = *form.Llabel[0];
        form.Action[4]->click();
        QCOMPARE(line.text(), QString("The hint"));
        form.Action[6]->click();
        QCOMPARE(line.text(), QString("The fog"));
        form.Action[6]->click();
        QCOMPARE(line.text(), QString());
        form.Action[7]->click();
        form.Action[7]->click();
        QCOMPARE(line.text(), QString("The answer"));
        form.Lcheck[0]->click();
        QCOMPARE(line.text(), QString("The answer"));
        form.Action[4]->click();
        form.Action[4]->click();
        QCOMPARE(line.text(), QString("The answer"));
    }

    // Every head row is in the series, beyond the 200 the first design held.
    void largeSeries()
    {
        std::vector<long> records;
        for (int i = 0; i < 230; ++i)
            records.push_back(AddLightPicture(*fixture, "h", "t", "f", 0));
        TestQuiz &form = FormInstance<TestQuiz>();
        form.Load();
        QCOMPARE(form.Series().Items(), records);
        form.Action[3]->click();
        QCOMPARE(form.RecordNo(), records.back());
        QCOMPARE(boxes.size(), 0);
    }

private:
    std::unique_ptr<PictureFixture> fixture;
    QStringList boxes;
    QList<int> answers;
};

QTEST_MAIN(TestQuizForm)
#include "tst_quizform.moc"
