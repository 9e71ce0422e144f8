#include "PictureFixture.h"

#include "core/state/ReportError.h"
#include "lights/LightForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "quiz/QuizForm.h"
#include "quiz/session/LinkServices.h"
#include "quiz/session/TopicRegistry.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {
// "t1:r1:t2:r2" rows separated by blanks.
void StoreLinks(PictureFixture &db, const QString &rows)
{
    for (const QString &row : rows.split(' ', Qt::SkipEmptyParts)) {
        const QStringList f = row.split(':');
        db.AddLink(f[0].toInt(), f[1].toLong(), f[2].toInt(), f[3].toLong());
    }
}

// The enabled state of five menu items as "10100".
QString Enabled(const QList<QAction *> &items)
{
    QString mask;
    for (const QAction *item : items)
        mask += item->isEnabled() ? '1' : '0';
    return mask;
}

QuizForm::Design ShapesDesign()
{
    QuizForm::Design d;
    d.caption = "Shapes";
    d.tables.topicCode = 2;
    d.tables.formName = "ShapeForm";
    d.tables.loaderName = "LoadShapes";
    d.tables.headTable = "SHAPEHEAD";
    d.tables.lineTable = "SHAPELINE";
    d.tables.furtherField = "HINT";
    d.actions = {{2, "&Next >", {3480, 3960, 1215, 375}, QuizForm::ActionRole::Next, QuizForm::Column::BottomRow}};
    d.cheat = {6240, 1920, 1215, 255};
    d.list = {6240, 2400, 1215, 1035};
    return d;
}
} // namespace

// A day-shapes quiz window reduced to what following a link needs: its own
// series and its Links menu.
class ShapesQuiz : public QuizForm, private PictureRenderer
{
    Q_OBJECT

public:
    ShapesQuiz() : QuizForm(ShapesDesign()) {}

protected:
    void CreateTopicControls(QWidget &) override {}
    QRect LayoutPictures(int w, int h) override { return {120, 120, w - 1590, h - 1485}; }
    PictureRenderer &Renderer() override { return *this; }
    void Clear() override {}
    void DrawLine(const Recordset &) override {}
};

class TestLinks : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PictureFixture> db;
    QStringList boxes;

private slots:
    void init()
    {
        db = std::make_unique<PictureFixture>();
        QVERIFY(db->Create());
        RecordMessageBoxes(boxes, MsgBoxAnswer::Ok);
        SetShuffleRandom([](long upper) { return upper; });
    }

    void cleanup() { db.reset(); }

    // The answer text of a picture of any topic, looked up in that topic's
    // head table; a picture that is not there gives "Answer Not Found"
    // without a word, one without text is reported.
    void readPossible_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reports");
        QTest::addRow("lights") << 1 << QVariant("Masthead light") << false << "Masthead light" << 0;
        QTest::addRow("shapes") << 2 << QVariant("Ball") << false << "Ball" << 0;
        QTest::addRow("buoys") << 3 << QVariant("North cardinal") << false << "North cardinal" << 0;
        QTest::addRow("sounds") << 4 << QVariant("One prolonged blast") << false << "One prolonged blast" << 0;
        QTest::addRow("collisions") << 5 << QVariant("Head-on") << false << "Head-on" << 0;
        QTest::addRow("deleted") << 3 << QVariant("Spar") << true << "Answer Not Found" << 0;
        QTest::addRow("null-text") << 2 << QVariant() << false << "Answer Not Found" << 1;
    }

    void readPossible()
    {
        QFETCH(int, kind);
        QFETCH(QVariant, stored);
        QFETCH(bool, deleted);
        // Another topic's picture under the same number must not answer.
        db->AddPicture(kind == 1 ? 2 : 1, "Other topic");
        const long record = db->AddPicture(kind, stored);
        QCOMPARE(record, 1L);
        if (deleted) {
            auto conn = db->Open();
            conn->Execute(QString("Delete From %1").arg(Topics::HeadTable(kind)));
            conn->Close();
        }
        QTEST(ReadPossible(kind, record), "text");
        QTEST(int(boxes.size()), "reports");
        if (!boxes.isEmpty())
            QVERIFY2(boxes[0].startsWith("Unexpected Error In - Mainmod:ReadPossible"), qPrintable(boxes[0]));
    }

    // The Links menu items enabled for a picture: exactly the topics it has
    // rows toward, once each, never its own topic; links are one-way.
    // Picture asked about: lights 5 (code 1). Mask: Light Shape Buoy Sound
    // Collision.
    void whatLink_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("typeOne");
        QTest::addColumn<QString>("enabled");
        QTest::addRow("no-links") << "" << 1 << "00000";
        QTest::addRow("shapes-and-sounds") << "1:5:2:1 1:5:4:7" << 1 << "01010";
        QTest::addRow("several-toward-one-topic") << "1:5:3:1 1:5:3:2 1:5:3:3" << 1 << "00100";
        QTest::addRow("own-topic-never") << "1:5:1:8 1:5:5:2" << 1 << "00001";
        QTest::addRow("other-picture-or-topic") << "1:6:2:1 2:5:3:1 5:5:4:1" << 1 << "00000";
        // From shapes picture 5, the reverse of a link from lights 5 to it.
        QTest::addRow("one-way") << "1:5:2:5" << 2 << "00000";
        QTest::addRow("linked-pictures-deleted") << "1:5:4:99" << 1 << "00010";
    }

    void whatLink()
    {
        QFETCH(QString, rows);
        QFETCH(int, typeOne);
        StoreLinks(*db, rows);
        QList<QAction *> items;
        for (int i = 0; i < 5; ++i)
            items << new QAction(this);
        WhatLink(items, LinkedTopics(typeOne, 5));
        QTEST(Enabled(items), "enabled");
        QCOMPARE(boxes, QStringList());
        qDeleteAll(items);
    }

    // Without the database every item ends disabled and the failure is
    // reported under the service's name.
    void whatLinkFailureDisablesAll()
    {
        AppPath += "missing/";
        QList<QAction *> items;
        for (int i = 0; i < 5; ++i)
            items << new QAction(this);
        WhatLink(items, LinkedTopics(1, 5));
        QCOMPARE(Enabled(items), QString("00000"));
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith("Unexpected Error In - Mainmod:WhatLink"), qPrintable(boxes[0]));
        qDeleteAll(items);
    }

    // Following a link sets link mode and the three link values, opens the
    // topic's registered quiz window and waits for it; a topic without a
    // window opens nothing and leaves link mode off.
    void showLink_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<int>("opened");
        QTest::addColumn<bool>("linkModeAfter");
        QTest::addRow("registered") << true << 1 << true;
        QTest::addRow("nothing-registered") << false << 0 << false;
    }

    void showLink()
    {
        QFETCH(bool, registered);
        int opened = 0;
        if (registered)
            TopicRegistry::RegisterQuiz(3, [&] {
                ++opened;
                QVERIFY(LinkMode);
                QCOMPARE(LinkTypeTwo, 3);
                QCOMPARE(LinkTypeOne, 1);
                QCOMPARE(LinkRecordOne, 42L);
            });
        TopicRegistry::RegisterQuiz(2, [&] { QFAIL("wrong topic opened"); });
        ShowLink(3, 1, 42);
        QTEST(opened, "opened");
        QTEST(LinkMode, "linkModeAfter");
        QCOMPARE(LinkTypeTwo, 3);
        QCOMPARE(LinkTypeOne, 1);
        QCOMPARE(LinkRecordOne, 42L);
    }

    // From a day-shapes picture's Links menu the lights quiz opens on the
    // linked lights pictures only, with its own Links menu shut; when it has
    // closed, link mode is off and the shapes window offers its links again.
    void linkedSeriesFromLinksMenu()
    {
        // No line rows: rows of Null would be reported as unreadable.
        const long masthead = db->AddPicture(1, "Masthead light", 0);
        db->AddPicture(1, "Sidelights", 0);
        const long stern = db->AddPicture(1, "Sternlight", 0);
        const long ball = db->AddPicture(2, "Ball");
        db->AddLink(2, ball, 1, masthead);
        db->AddLink(2, ball, 1, stern);
        db->AddLink(2, ball, 2, ball); // toward its own topic: never offered
        TopicRegistry::RegisterQuiz(1, [] { FormInstance<LightForm>().ShowModal(); });

        std::vector<long> series;
        bool linkMenuOpen = true;
        bool linkModeInside = false;
        QString caption;
        Form::SetModalHook([&](Form &f) {
            auto &lights = dynamic_cast<LightForm &>(f);
            lights.Activate();
            series = lights.Series().Items();
            linkMenuOpen = lights.LinkMenu->menuAction()->isEnabled();
            linkModeInside = LinkMode;
            caption = lights.windowTitle();
            lights.Fmenu[3]->trigger();
        });

        ShapesQuiz &shapes = FormInstance<ShapesQuiz>();
        shapes.Load();
        shapes.Activate();
        QCOMPARE(shapes.RecordNo(), ball);
        QCOMPARE(Enabled(QList<QAction *>(shapes.Lmenu.begin(), shapes.Lmenu.end())), QString("10000"));
        shapes.Lmenu[0]->trigger();

        QCOMPARE(caption, QString("Lights"));
        QCOMPARE(series, (std::vector<long>{masthead, stern}));
        QVERIFY(!linkMenuOpen);
        QVERIFY(linkModeInside);
        QVERIFY(!LinkMode);
        shapes.Activate();
        QVERIFY(shapes.LinkMenu->menuAction()->isEnabled());
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
