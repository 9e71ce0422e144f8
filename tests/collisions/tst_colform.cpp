// The collision quiz window: its layout, the caption under the picture, the
// hint and the rule split from one field, the picture drawn from its rows at
// the picture's scale, and the modes it runs in.

#include "ColPictures.h"
#include "quiz/WindowControls.h"

#include "collisions/ColForm.h"
#include "collisions/ColKinds.h"
#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {
constexpr long Black = 0;
constexpr long Grey = 12632256;
constexpr long White = 16777215;

} // namespace

class TestColForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        // The series keeps the order loaded.
        SetShuffleRandom([](long upper) { return upper; });
        RecordMessageBoxes(boxes, MsgBoxAnswer::No);
    }
    void cleanup() { fixture.reset(); }

    // The window opens 5565 twips high; its inner 7590 x 4875 lays out the
    // picture at 6000 x 3000, the caption at 3240, the text line at 3615,
    // the buttons' row at 4350 and "&IRPCS" level with the text line.
    void layout_data()
    {
        QTest::addColumn<int>("outerWidth");
        QTest::addColumn<int>("outerHeight");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        auto design = [](const char *name, const char *control, QRect r) {
            QTest::addRow("design-%s", name) << 7710 << 5565 << QString(control) << r;
        };
        design("picture", "Lpicture0", {120, 120, 6000, 3000});
        design("caption", "Llabel1", {120, 3240, 6000, 255});
        design("text-line", "Llabel0", {120, 3615, 6000, 615});
        design("first", "Action0", {120, 4350, 1215, 375});
        design("previous", "Action1", {1560, 4350, 1215, 375});
        design("answer", "Action6", {2880, 4350, 495, 375});
        design("next", "Action2", {3480, 4350, 1215, 375});
        design("last", "Action3", {4920, 4350, 1215, 375});
        design("hint", "Action4", {6240, 120, 1215, 375});
        design("reveal", "Action5", {6240, 720, 1215, 375});
        design("cheat", "Lcheck0", {6240, 1320, 1215, 255});
        design("rule", "Action7", {6240, 3615, 1215, 375});
        // 1980 twips wider and 990 higher (whole pixels): everything follows the picture.
        auto grown = [](const char *name, const char *control, QRect r) {
            QTest::addRow("grown-%s", name) << 9690 << 6555 << QString(control) << r;
        };
        grown("picture", "Lpicture0", {120, 120, 7980, 3990});
        grown("caption", "Llabel1", {120, 4230, 7980, 255});
        grown("text-line", "Llabel0", {120, 4605, 7980, 615});
        grown("answer", "Action6", {2880, 5340, 495, 375});
        grown("hint", "Action4", {8220, 120, 1215, 375});
        grown("cheat", "Lcheck0", {8220, 1320, 1215, 255});
        grown("rule", "Action7", {8220, 4605, 1215, 375});
        // Below 7710 x 5175 the window snaps back to it.
        QTest::addRow("smallest-picture") << 5000 << 4000 << QString("Lpicture0") << QRect(120, 120, 6000, 2610);
        QTest::addRow("smallest-rule") << 5000 << 4000 << QString("Action7") << QRect(6240, 3225, 1215, 375);
    }
    void layout()
    {
        QFETCH(int, outerWidth);
        QFETCH(int, outerHeight);
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        AddCollision(*fixture, "h", "t", "c");
        ColForm &form = Open();
        QCOMPARE(form.OuterHeight(), 5565);
        form.SetOuterSize(outerWidth, outerHeight);
        QCOMPARE(form.OuterWidth(), qMax(outerWidth, 7710));
        QCOMPARE(form.OuterHeight(), qMax(outerHeight, 5175));
        const QWidget *w = QuizControl(form, control);
        QVERIFY(w);
        QCOMPARE(ControlPlace(*w), expected);
    }

    void captionsAndMenus()
    {
        ColForm &form = Open();
        QCOMPARE(form.windowTitle(), QString("Collision"));
        const QStringList captions{"<< &First", "< &Previous", "&Next >", "&Last >>",
                                   "&Hint",     "&Reveal",     "?",       "&IRPCS"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(form.Action[i]->text(), captions[i]);
        QVERIFY(form.Action[2]->isDefault());
        QVERIFY(form.Action[5]->isHidden());
        QCOMPARE(form.Lcheck[0]->text(), QString("Cheat"));
        QVERIFY(!form.Lcheck[0]->isChecked());
        QVERIFY(form.Clist->isHidden());
        QCOMPARE(form.FileMenu->title(), QString("&File"));
        const QStringList files{"&Shuffle", "&List", "&Statistics", "&Quit"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(form.Fmenu[i]->text(), files[i]);
        const QStringList links{"&Light", "&Shape", "&Buoy", "&Sound", "&Collision"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(form.Lmenu[i]->text(), links[i]);
        // "Cheat" sits between "?" and "&IRPCS" in the tab order.
        QCOMPARE(form.Action[6]->nextInFocusChain(), static_cast<QWidget *>(form.Lcheck[0]));
        QCOMPARE(form.Lcheck[0]->nextInFocusChain(), static_cast<QWidget *>(form.Action[7]));
    }

    // The stored hint field holds the hint and, after the first "~", the
    // rule; "&IRPCS" shows the rule and is offered only when there is one.
    // The caption stands under the picture.
    void hintRuleAndCaption_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("extra");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("caption");
        QTest::addRow("hint-and-rule") << QVariant("Who gives way?~Rule 15") << QVariant("Crossing")
                                       << "Who gives way?" << "Rule 15" << "Crossing";
        QTest::addRow("no-tilde") << QVariant("Look at the shapes") << QVariant("") << "Look at the shapes" << ""
                                  << "";
        QTest::addRow("leading-tilde") << QVariant("~Rule 12") << QVariant("Sail") << "" << "Rule 12" << "Sail";
        QTest::addRow("second-tilde-in-rule") << QVariant("A~B~C") << QVariant("x") << "A" << "B~C" << "x";
        QTest::addRow("null-hint-and-caption") << QVariant() << QVariant() << "No Hint" << "" << "Unknown";
    }
    void hintRuleAndCaption()
    {
        QFETCH(QVariant, stored);
        QFETCH(QVariant, extra);
        QFETCH(QString, hint);
        QFETCH(QString, rule);
        QFETCH(QString, caption);
        AddCollision(*fixture, stored, "The answer", extra);
        ColForm &form = Open();
        QCOMPARE(form.Llabel[1]->text(), caption);
        QCOMPARE(form.Llabel[0]->text(), QString());
        QCOMPARE(form.Action[7]->isEnabled(), !rule.isEmpty());
        QCOMPARE(form.RuleText(), rule);
        form.Action[4]->click();
        QCOMPARE(form.Llabel[0]->text(), hint);
        if (!rule.isEmpty()) {
            form.Action[7]->click();
            QCOMPARE(form.Llabel[0]->text(), rule);
        }
        form.Action[6]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("The answer"));
        QCOMPARE(boxes, QStringList{});
    }

    // A second press of "&Hint" or "&IRPCS" shows the picture afresh with an
    // empty text line, or with the answer when "Cheat" is ticked.
    void togglesBackToPicture_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("cheat");
        QTest::addColumn<QString>("after");
        QTest::addRow("hint-twice") << 4 << false << "";
        QTest::addRow("rule-twice") << 7 << false << "";
        QTest::addRow("hint-twice-cheating") << 4 << true << "Stand on";
        QTest::addRow("rule-twice-cheating") << 7 << true << "Stand on";
    }
    void togglesBackToPicture()
    {
        QFETCH(int, button);
        QFETCH(bool, cheat);
        QFETCH(QString, after);
        AddCollision(*fixture, "Hint~Rule", "Stand on", "c", {Col(Ball, 3000, 1500, 150)});
        ColForm &form = Open();
        form.Lcheck[0]->setChecked(cheat);
        form.Action[button]->click();
        QCOMPARE(form.Llabel[0]->text(), QString(button == 4 ? "Hint" : "Rule"));
        form.Lpicture[0]->Cls();
        form.Action[button]->click();
        QCOMPARE(form.Llabel[0]->text(), after);
        // The picture was drawn again.
        QCOMPARE(form.Lpicture[0]->PixelColour(200, 100), Black);
    }

    // The rows are drawn in order on the picture at its scale factor; rows
    // of an unknown kind are passed over.
    void drawsRowsAtScale_data()
    {
        QTest::addColumn<int>("outerWidth");
        QTest::addColumn<int>("outerHeight");
        QTest::addColumn<int>("factor");
        QTest::addRow("design-size") << 7710 << 5565 << 1;
        // Picture 12000 x 6000 twips: everything twice as far and as large.
        QTest::addRow("double") << 13710 << 8565 << 2;
        // Picture 14000 x 6000: the height decides.
        QTest::addRow("wide-height-decides") << 15710 << 8565 << 2;
    }
    void drawsRowsAtScale()
    {
        QFETCH(int, outerWidth);
        QFETCH(int, outerHeight);
        QFETCH(int, factor);
        AddCollision(*fixture, "h", "t", "c",
                              {Col(HeadOnVessel, 3000, 1500, 150), Col(19, 4500, 600, 150), Col(-1, 4500, 600, 150),
                               Col(Ball, 4500, 600, 150), Col(ConeUp, 3300, 1650, 80)});
        ColForm &form = Open();
        form.SetOuterSize(outerWidth, outerHeight);
        const PictureBox &picture = *form.Lpicture[0];
        const int f = factor;
        // The hull's starboard half (scaled), grey; the ball, black.
        QCOMPARE(picture.PixelColour(230 * f, 125 * f), Grey);
        QCOMPARE(picture.PixelColour(300 * f, 40 * f), Black);
        // The cone inside the hull is black, not the hull's grey.
        QCOMPARE(picture.PixelColour(220 * f, 110 * f), Black);
        QCOMPARE(picture.PixelColour(50 * f, 150 * f), White);
        QCOMPARE(boxes, QStringList{});
    }

    // A row that cannot be drawn is left out: one with a Null or non-numeric
    // place, size or kind is reported once for the picture, one beyond the
    // twips range at each show. The rows after it are drawn.
    void rowsThatCannotBeDrawn_data()
    {
        const QString null = "Unexpected Error In - ColForm:ShowData, Error Number 94, Invalid use of Null";
        const QString text =
            "Unexpected Error In - ColForm:ShowData, Error Number 3421, Data type conversion error.";
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("reports");
        QTest::addRow("null-place") << "null-x" << QStringList{null};
        QTest::addRow("null-kind") << "null-kind" << QStringList{null};
        QTest::addRow("text-size") << "text-size" << QStringList{text};
        QTest::addRow("text-kind") << "text-kind" << QStringList{text};
        QTest::addRow("null-colour-drawn") << "null-colour" << QStringList{};
        QTest::addRow("overflow") << "overflow"
                                  << QStringList{"Unexpected Error In - ColForm:ShowData, Error Number 6, Overflow"};
    }
    void rowsThatCannotBeDrawn()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, reports);
        StoredCol odd = Col(Ball, 1500, 1500, 150);
        if (fault == "null-x")
            odd.x = QVariant();
        if (fault == "null-kind")
            odd.kind = QVariant();
        // A text goes in through a marker, as the program's writer refuses it.
        if (fault == "text-size")
            odd.size = 7777;
        if (fault == "text-kind")
            odd.kind = 7777;
        if (fault == "null-colour")
            odd.colour = QVariant();
        if (fault == "overflow")
            odd.x = 3e9;
        AddCollision(*fixture, "h", "t", "c", {odd, Col(Ball, 4500, 1500, 150)});
        if (fault == "text-size")
            fixture->OverwriteLines("COLLINE", "SIZE", 7777, "big");
        if (fault == "text-kind")
            fixture->OverwriteLines("COLLINE", "LISTPTR", 7777, "ball");
        ColForm &form = Open();
        const int shows = boxes.size();
        QCOMPARE(form.Lpicture[0]->PixelColour(300, 100), Black);
        QCOMPARE(form.Lpicture[0]->PixelColour(100, 100), fault == "null-colour" ? Black : White);
        QCOMPARE(boxes.mid(0, reports.size()), reports);
        if (fault == "overflow")
            QVERIFY(shows > 0);
        else
            QCOMPARE(boxes, reports);
    }

    // A linked picture that has been deleted shows an empty picture with
    // the default texts, without any box.
    void deletedPicture()
    {
        const long kept = AddCollision(*fixture, "h~r", "kept", "c", {Col(Ball, 3000, 1500, 150)});
        const long gone = AddCollision(*fixture, "h~r", "gone", "c", {Col(Ball, 3000, 1500, 150)});
        fixture->AddLink(1, 7, 5, gone);
        fixture->AddLink(1, 7, 5, kept);
        {
            auto db = fixture->Open();
            db->Execute("Delete From COLHEAD Where RECORD = ?", {static_cast<qlonglong>(gone)});
            db->Close();
        }
        LinkMode = true;
        LinkTypeOne = 1;
        LinkRecordOne = 7;
        LinkTypeTwo = 5;
        ColForm &form = Open();
        QCOMPARE(form.RecordNo(), gone);
        QCOMPARE(form.Lpicture[0]->PixelColour(200, 100), White);
        QCOMPARE(form.Llabel[1]->text(), QString("Unknown"));
        QVERIFY(!form.Action[7]->isEnabled());
        form.Action[4]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("No Hint"));
        form.Action[2]->click();
        QCOMPARE(form.RecordNo(), kept);
        QCOMPARE(form.Lpicture[0]->PixelColour(200, 100), Black);
        QVERIFY(form.Action[7]->isEnabled());
        QCOMPARE(boxes, QStringList{});
    }

    // Without any picture the window shows an empty picture, the default
    // caption, no rule and no way to move, and says nothing.
    void emptySeries()
    {
        ColForm &form = Open();
        QVERIFY(form.Series().IsEmpty());
        QCOMPARE(form.Lpicture[0]->PixelColour(200, 100), White);
        QCOMPARE(form.Llabel[1]->text(), QString("Unknown"));
        QVERIFY(!form.Action[7]->isEnabled());
        QVERIFY(!form.Action[2]->isEnabled());
        form.Action[4]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("No Hint"));
        form.Action[6]->click();
        QCOMPARE(form.Llabel[0]->text(), QString("No Text"));
        QCOMPARE(boxes, QStringList{});
    }

    // "&Statistics" is offered in either mode outside link mode; in link mode
    // the File menu's first three items and the Links menu are shut, and
    // closing the window ends link mode.
    void menusByMode_data()
    {
        QTest::addColumn<bool>("multiChoice");
        QTest::addColumn<bool>("linkMode");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("plain") << false << false << true;
        QTest::addRow("multiple-choice") << true << false << true;
        QTest::addRow("link-mode") << false << true << false;
    }
    void menusByMode()
    {
        QFETCH(bool, multiChoice);
        QFETCH(bool, linkMode);
        QFETCH(bool, enabled);
        const long a = AddCollision(*fixture, "h", "a", "c");
        fixture->AddLink(2, 3, 5, a);
        MultiChoice = multiChoice;
        LinkMode = linkMode;
        LinkTypeOne = 2;
        LinkRecordOne = 3;
        LinkTypeTwo = 5;
        ColForm &form = Open();
        form.Activate();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(form.Fmenu[i]->isEnabled(), enabled);
        QCOMPARE(form.LinkMenu->menuAction()->isEnabled(), enabled);
        QVERIFY(form.Fmenu[3]->isEnabled());
        form.Fmenu[3]->trigger();
        QVERIFY(!LinkMode);
        QVERIFY(!form.IsLoaded());
    }

    // Outside multiple-choice mode "&Statistics" shows the statistics, and
    // "&Start Again" there shuffles and shows the first picture.
    void statisticsOutsideMultipleChoice()
    {
        AddCollision(*fixture, "h", "a", "c");
        AddCollision(*fixture, "h", "b", "c");
        int statistics = 0;
        Form::SetModalHook([&](Form &shown) {
            ++statistics;
            QCOMPARE(shown.windowTitle(), QString("Statistics For This Session"));
            shown.Unload();
            Response = 6;
        });
        ColForm &form = Open();
        form.Activate();
        form.Action[3]->click();
        QCOMPARE(form.Series().Position(), 1L);
        form.Fmenu[2]->trigger();
        QCOMPARE(statistics, 1);
        QCOMPARE(form.Series().Position(), 0L);
    }

    // The last picture shown again asks whether to shuffle and restart.
    void lastPictureAgainAsks()
    {
        AddCollision(*fixture, "h", "a", "c");
        AddCollision(*fixture, "h", "b", "c");
        AddCollision(*fixture, "h", "c", "c");
        ColForm &form = Open();
        form.Action[2]->click();
        form.Action[2]->click();
        QCOMPARE(boxes, QStringList{});
        form.Action[2]->click();
        QCOMPARE(boxes, QStringList{"This Is The Last Picture In This Series, Do You Want To Shuffle And Restart"});
        QCOMPARE(form.Series().Position(), 2L);
    }

    // In multiple-choice mode the list lies over the text line; a picture
    // without alternatives offers its own answer alone, as right.
    void multipleChoiceList()
    {
        MultiChoice = true;
        AddCollision(*fixture, "h~r", "Give way", "c");
        ColForm &form = Open();
        QVERIFY(form.Lcheck[0]->isChecked());
        QVERIFY(form.Clist->isVisible());
        QCOMPARE(ControlPlace(*form.Clist), QRect(120, 3615, 6000, 795));
        QCOMPARE(form.Clist->count(), 1);
        QCOMPARE(form.Clist->item(0)->text(), QString("Give way"));
        QCOMPARE(form.Clist->ItemValue(0), -1);
        form.Action[7]->click();
        QVERIFY(form.Clist->isHidden());
        QCOMPARE(form.Llabel[0]->text(), QString("r"));
    }

private:
    ColForm &Open()
    {
        ColForm &form = FormInstance<ColForm>();
        form.Load();
        form.show();
        return form;
    }

    std::unique_ptr<PictureFixture> fixture;
    QStringList boxes;
};

QTEST_MAIN(TestColForm)
#include "tst_colform.moc"
