// The day-shapes quiz window: its controls as designed, the pictures it draws
// from the stored rows at the window's scale, its texts, and the topic it
// names to the item list, the choices and the links.

#include "ShapePictures.h"
#include "quiz/WindowControls.h"

#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"
#include "quiz/ListForm.h"
#include "quiz/session/TopicRegistry.h"
#include "shapes/ShapeForm.h"
#include "silhouettes/DrawShape.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
constexpr long White = 16777215;
constexpr long Black = 0;
constexpr long LightGrey = 12632256;
} // namespace

class TestShapeForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(1024 * 15, 768 * 15);
        // The series keeps the order loaded.
        SetShuffleRandom([](long upper) { return upper; });
        RecordMessageBoxes(boxes, MsgBoxAnswer::No);
    }
    void cleanup() { fixture.reset(); }

    // At the designed client area the layout gives the picture the design
    // space, keeps the right-hand column and moves the bottom row to 3975.
    void layoutAtDesignSize_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::addRow("picture") << "Lpicture0" << QRect(120, 120, 6000, 3000);
        QTest::addRow("text-line") << "Llabel0" << QRect(120, 3240, 6000, 615);
        QTest::addRow("first") << "Action0" << QRect(120, 3975, 1215, 375);
        QTest::addRow("previous") << "Action1" << QRect(1560, 3975, 1215, 375);
        QTest::addRow("next") << "Action2" << QRect(3480, 3975, 1215, 375);
        QTest::addRow("last") << "Action3" << QRect(4920, 3975, 1215, 375);
        QTest::addRow("hint") << "Action4" << QRect(6240, 120, 1215, 375);
        QTest::addRow("reveal") << "Action5" << QRect(6240, 1080, 1215, 375);
        QTest::addRow("fog-signal") << "Action6" << QRect(6240, 600, 1215, 375);
        QTest::addRow("answer") << "Action7" << QRect(2880, 3975, 495, 375);
        QTest::addRow("cheat") << "Lcheck0" << QRect(6240, 1680, 1215, 255);
    }
    void layoutAtDesignSize()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        AddShapes(*fixture, "h", "t", "f");
        ShapeForm &form = Open();
        QCOMPARE(form.OuterWidth(), 7710);
        QCOMPARE(form.OuterHeight(), 5175);
        const QWidget *w = QuizControl(form, control);
        QVERIFY(w);
        QCOMPARE(ControlPlace(*w), place);
    }

    void captionsAndDefaults()
    {
        ShapeForm &form = Open();
        QCOMPARE(form.windowTitle(), QString("Shapes"));
        const QStringList captions{"<< &First", "< &Previous", "&Next >", "&Last >>",
                                   "&Hint",     "&Reveal",     "&Fog Signal", "?"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(form.Action[i]->text(), captions[i]);
        QVERIFY(form.Action[2]->isDefault());
        QVERIFY(form.Action[5]->isHidden());
        QCOMPARE(form.Lpicture[0]->BackColor(), White);
        QVERIFY(form.Clist->isHidden());
        QVERIFY(!form.Lcheck[0]->isChecked());
    }

    // The stored elements are drawn at k, the smaller of the picture's width
    // / 6000 and height / 3000: a cone up at (3000, 1500) with s 150 and a
    // sailing vessel at (1500, 1000) with s 80, probed at the cone's centre,
    // just outside its base corner, and in the vessel's hull (y + 4s).
    void drawsAtScale_data()
    {
        QTest::addColumn<int>("outerWidth");
        QTest::addColumn<int>("outerHeight");
        QTest::addColumn<float>("k");
        QTest::addRow("design-size") << 7710 << 5175 << 1.0f;
        QTest::addRow("wide-window-height-limits") << 10710 << 5175 << 1.0f;
        QTest::addRow("double-size") << 13710 << 8175 << 2.0f;
        QTest::addRow("one-and-a-half") << 10710 << 6675 << 1.5f;
    }
    void drawsAtScale()
    {
        QFETCH(int, outerWidth);
        QFETCH(int, outerHeight);
        QFETCH(float, k);
        AddShapes(*fixture, "h", "t", "f", {Shape(3000, 1500, 150, 2), Shape(1500, 1000, 80, 13)});
        ShapeForm &form = Open();
        form.SetOuterSize(outerWidth, outerHeight);
        QCOMPARE(form.Scale(), k);
        const PictureBox &picture = *form.Lpicture[0];
        auto at = [&](double x, double y) { return picture.PixelColour(Twips::ToPixelsX(k * x), Twips::ToPixelsY(k * y)); };
        QCOMPARE(at(3000, 1550), Black);
        QCOMPARE(at(3000 + 170, 1500 + 170), White);
        QCOMPARE(at(1500, 1000 + 320), LightGrey);
        QCOMPARE(at(200, 200), White);
        QCOMPARE(boxes, QStringList());
    }

    // Rows are drawn in the order stored, a later one over an earlier. A row
    // that cannot be read (a Null or non-numeric place, size or kind) is left
    // out and reported once while its picture is on show; one that cannot be
    // drawn is reported at each show. A kind outside 0 to 13 draws nothing
    // without a word; the rows after any of them are drawn.
    void badRowLeftOut_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::addColumn<int>("openingReports");
        QTest::addColumn<int>("reshowReports");
        QTest::addColumn<QString>("report");
        const QString null = "Unexpected Error In - ShapeForm:ShowData, Error Number 94, Invalid use of Null";
        const QString text =
            "Unexpected Error In - ShapeForm:ShowData, Error Number 3421, Data type conversion error.";
        // Opening shows the picture at loading and again at the first layout.
        QTest::addRow("kind-14") << "kind-14" << 0 << 0 << "";
        QTest::addRow("kind-minus-one") << "kind-minus-one" << 0 << 0 << "";
        QTest::addRow("null-xpos") << "null-xpos" << 1 << 0 << null;
        QTest::addRow("null-listptr") << "null-listptr" << 1 << 0 << null;
        QTest::addRow("text-size") << "text-size" << 1 << 0 << text;
        QTest::addRow("size-overflows") << "size-overflows" << 2 << 1
                                        << "Unexpected Error In - ShapeForm:ShowData, Error Number 6, Overflow";
    }
    void badRowLeftOut()
    {
        QFETCH(QString, bad);
        QFETCH(int, openingReports);
        QFETCH(int, reshowReports);
        QFETCH(QString, report);
        StoredShape odd = Shape(4500, 1500, 150, 1);
        if (bad == "kind-14") odd.kind = 14;
        if (bad == "kind-minus-one") odd.kind = -1;
        if (bad == "null-xpos") odd.x = QVariant();
        if (bad == "null-listptr") odd.kind = QVariant();
        if (bad == "text-size") odd.size = 7777; // a marker: the program's writer refuses a text
        if (bad == "size-overflows") odd.size = 1e10;
        // A barge, a ball over its middle, the odd row, a ball at (1500, 600).
        AddShapes(*fixture, "h", "t", "f",
                           {Shape(3000, 1500, 150, 10), Shape(3000, 1500, 150, 1), odd, Shape(1500, 600, 150, 1)});
        if (bad == "text-size")
            fixture->OverwriteLines("SHAPELINE", "SIZE", 7777, "wide");
        ShapeForm &form = Open();
        QCOMPARE(boxes, QStringList(openingReports, report));
        boxes.clear();
        QTest::mouseClick(form.Lcheck[0], Qt::LeftButton);
        const PictureBox &picture = *form.Lpicture[0];
        QCOMPARE(picture.PixelColour(200, 100), Black);
        QCOMPARE(picture.PixelColour(170, 100), LightGrey);
        QCOMPARE(picture.PixelColour(300, 100), White);
        QCOMPARE(picture.PixelColour(100, 40), Black);
        QCOMPARE(boxes, QStringList(reshowReports, report));
    }

    // The hint, the fog signal and the answer with what a Null one shows;
    // nothing is reported for a Null text.
    void texts_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addRow("hint") << 4 << QVariant("Two Balls") << "Two Balls";
        QTest::addRow("null-hint") << 4 << QVariant() << "No Hint";
        QTest::addRow("fog-signal") << 6 << QVariant("One Long Blast") << "One Long Blast";
        QTest::addRow("null-fog-signal") << 6 << QVariant() << "Unknown";
        QTest::addRow("answer") << 7 << QVariant("Vessel Aground") << "Vessel Aground";
        QTest::addRow("null-answer") << 7 << QVariant() << "No Text";
    }
    void texts()
    {
        QFETCH(int, button);
        QFETCH(QVariant, stored);
        QFETCH(QString, shown);
        AddShapes(*fixture, button == 4 ? stored : QVariant("h"), button == 7 ? stored : QVariant("t"),
                           button == 6 ? stored : QVariant("f"));
        AddShapes(*fixture, "h2", "t2", "f2");
        ShapeForm &form = Open();
        QCOMPARE(form.Llabel[0]->text(), QString());
        form.Action[button]->click();
        QCOMPARE(form.Llabel[0]->text(), shown);
        QCOMPARE(boxes, QStringList());
    }

    // "&Hint" then "&Fog Signal" switches the text; "&Fog Signal" again
    // shows the picture without a text.
    void hintThenFogSignal()
    {
        AddShapes(*fixture, "Two Cones", "t", "Three Blasts");
        AddShapes(*fixture, "h2", "t2", "f2");
        ShapeForm &form = Open();
        form.Action[4]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("Two Cones"));
        form.Action[6]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("Three Blasts"));
        form.Action[6]->click();
        QCOMPARE(form.Llabel[0]->text(), QString());
    }

    // "&List" asks the item list for a day-shapes picture and jumps to it.
    void listPicksAShapesPicture()
    {
        AddShapes(*fixture, "h", "a", "f");
        const long b = AddShapes(*fixture, "h", "b", "f");
        int opened = 0;
        Form::SetModalHook([&](Form &shown) {
            ++opened;
            QVERIFY(qobject_cast<ListForm *>(&shown));
            QCOMPARE(ListType, 1);
            QVERIFY(!ListEdit);
            shown.Unload();
            ListRecord = b;
        });
        ShapeForm &form = Open();
        form.Fmenu[1]->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(form.RecordNo(), b);
    }

    // The Links menu offers the other topics the picture links to, never
    // "&Shape", and opens them as links from day-shapes picture RecordNo.
    void linksFromAShapesPicture()
    {
        const long a = AddShapes(*fixture, "h", "a", "f");
        fixture->AddLink(2, a, 3, 40);
        fixture->AddLink(2, a, 2, a);
        fixture->AddLink(1, a, 4, 41); // from a lights picture of that number
        QList<QList<long>> opened;
        TopicRegistry::RegisterQuiz(3, [&] { opened << QList<long>{LinkMode, LinkTypeTwo, LinkTypeOne, LinkRecordOne}; });
        ShapeForm &form = Open();
        QList<bool> enabled;
        for (QAction *item : form.Lmenu)
            enabled << item->isEnabled();
        QCOMPARE(enabled, (QList<bool>{false, false, true, false, false}));
        form.Lmenu[2]->trigger();
        QCOMPARE(opened, (QList<QList<long>>{{1, 3, 2, a}}));
    }

    // Opened through a link, the series is the day-shapes pictures linked
    // from the asking picture.
    void linkedSeries()
    {
        AddShapes(*fixture, "h", "a", "f");
        const long b = AddShapes(*fixture, "h", "b", "f");
        const long c = AddShapes(*fixture, "h", "c", "f");
        fixture->AddLink(1, 9, 2, b);
        fixture->AddLink(1, 9, 2, c);
        fixture->AddLink(1, 8, 2, 1);
        fixture->AddLink(3, 9, 2, 1);
        LinkMode = true;
        LinkTypeOne = 1;
        LinkRecordOne = 9;
        LinkTypeTwo = 2;
        ShapeForm &form = Open();
        std::vector<long> items = form.Series().Items();
        std::sort(items.begin(), items.end());
        QCOMPARE(items, (std::vector<long>{b, c}));
    }

    // In multiple-choice mode the choices are the answers of the day-shapes
    // pictures stored as the picture's alternatives.
    void choicesFromShapesAlternatives()
    {
        MultiChoice = true;
        const long a = AddShapes(*fixture, "h", "Vessel Aground", "f");
        const long b = AddShapes(*fixture, "h", "Vessel At Anchor", "f");
        fixture->AddAlternative(2, a, a, true);
        fixture->AddAlternative(2, a, b, false);
        fixture->AddAlternative(1, a, b, false); // a lights picture's set
        ShapeForm &form = Open();
        QVERIFY(form.Clist->isVisible());
        QStringList offered;
        for (int i = 0; i < form.Clist->count(); ++i)
            offered << form.Clist->item(i)->text();
        offered.sort();
        QCOMPARE(offered, (QStringList{"Vessel Aground", "Vessel At Anchor"}));
    }

    // "&Statistics" after the load: on in multiple-choice mode, off
    // otherwise; once the window is activated, on in either mode unless
    // opened through a link.
    void statisticsAtActivation_data()
    {
        QTest::addColumn<bool>("multiChoice");
        QTest::addColumn<bool>("linkMode");
        QTest::addColumn<bool>("afterLoad");
        QTest::addColumn<bool>("afterActivation");
        QTest::addRow("multiple-choice") << true << false << true << true;
        QTest::addRow("without-choices") << false << false << false << true;
        QTest::addRow("link-mode") << false << true << false << false;
    }
    void statisticsAtActivation()
    {
        QFETCH(bool, multiChoice);
        QFETCH(bool, linkMode);
        QFETCH(bool, afterLoad);
        QFETCH(bool, afterActivation);
        const long a = AddShapes(*fixture, "h", "Vessel Aground", "f");
        fixture->AddAlternative(2, a, a, true);
        fixture->AddLink(1, 9, 2, a);
        MultiChoice = multiChoice;
        LinkMode = linkMode;
        LinkTypeOne = 1;
        LinkRecordOne = 9;
        LinkTypeTwo = 2;
        ShapeForm &form = FormInstance<ShapeForm>();
        form.Load();
        QCOMPARE(form.Fmenu[2]->isEnabled(), afterLoad);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.Fmenu[2]->isEnabled(), afterActivation);
    }

private:
    ShapeForm &Open()
    {
        ShapeForm &form = FormInstance<ShapeForm>();
        form.Load();
        form.show();
        return form;
    }

    std::unique_ptr<PictureFixture> fixture;
    QStringList boxes;
};

QTEST_MAIN(TestShapeForm)
#include "tst_shapeform.moc"
