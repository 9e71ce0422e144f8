#include "LightPictures.h"
#include "quiz/WindowControls.h"

#include "lights/LightForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
constexpr long Grey = 12632256;
constexpr long Yellow = 65535;
constexpr long Red = 255;
constexpr long Black = 0;
} // namespace

class TestLightForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        SetShuffleRandom([](long upper) { return upper; });
        boxes = 0;
        SetMsgBoxHandler([this](const MsgBoxCall &) {
            ++boxes;
            return MsgBoxAnswer::No;
        });
    }
    void cleanup() { fixture.reset(); }

    // At the designed client area (7590 x 4485 below the menu bar) the layout
    // gives the picture the whole design space, keeps the text line and the
    // right-hand column where designed and moves the bottom row to 3975.
    void layoutAtDesignSize_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::addRow("frame") << "Lpicture1" << QRect(120, 120, 6000, 3000);
        QTest::addRow("display") << "Lpicture0" << QRect(0, 0, 6000, 3000);
        QTest::addRow("text-line") << "Llabel0" << QRect(120, 3240, 6000, 615);
        QTest::addRow("first") << "Action0" << QRect(120, 3975, 1215, 375);
        QTest::addRow("previous") << "Action1" << QRect(1560, 3975, 1215, 375);
        QTest::addRow("answer") << "Action7" << QRect(2880, 3975, 495, 375);
        QTest::addRow("next") << "Action2" << QRect(3480, 3975, 1215, 375);
        QTest::addRow("last") << "Action3" << QRect(4920, 3975, 1215, 375);
        QTest::addRow("hint") << "Action4" << QRect(6240, 120, 1215, 375);
        QTest::addRow("movement") << "Action5" << QRect(6240, 720, 1215, 375);
        QTest::addRow("fog-signal") << "Action6" << QRect(6240, 1320, 1215, 375);
        QTest::addRow("cheat") << "Lcheck0" << QRect(6240, 1920, 1215, 255);
    }
    void layoutAtDesignSize()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        AddLightPicture(*fixture, "h", "t", "f", 0);
        LightForm &form = Open();
        QCOMPARE(form.OuterWidth(), 7710);
        QCOMPARE(form.OuterHeight(), 5175);
        QCOMPARE(form.ScaleWidth(), 7590);
        QCOMPARE(form.ScaleHeight(), 4485);
        const QWidget *w = QuizControl(form, control);
        QVERIFY(w);
        QCOMPARE(ControlPlace(*w), place);
    }

    void captionsAndDefaults()
    {
        LightForm &form = Open();
        QCOMPARE(form.windowTitle(), QString("Lights"));
        const QStringList captions{"<<  &First", "<  &Previous", "&Next >", "&Last  >>",
                                   "&Hint",      "&Movement",    "&Fog Signal", "?"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(form.Action[i]->text(), captions[i]);
        QVERIFY(form.Action[2]->isDefault());
        QVERIFY(form.Clist->isHidden());
        QVERIFY(!form.Lcheck[0]->isChecked());
    }

    // Made smaller than 7710 x 5175 twips the window snaps back, width first.
    void minimumSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addRow("too-narrow") << 6000 << 6000;
        QTest::addRow("too-low") << 9000 << 4000;
        QTest::addRow("both") << 3000 << 2000;
    }
    void minimumSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        LightForm &form = Open();
        form.SetOuterSize(width, height);
        QCOMPARE(form.OuterWidth(), qMax(width, 7710));
        QCOMPARE(form.OuterHeight(), qMax(height, 5175));
        // Laid out at the size it snapped to.
        QCOMPARE(ControlWidth(*form.Lpicture[1]), form.ScaleWidth() - 1590);
        QCOMPARE(ControlHeight(*form.Lpicture[1]), form.ScaleHeight() - 1485);
    }

    // In multiple-choice mode the choice list covers the text line.
    void choiceListOverTextLine()
    {
        MultiChoice = true;
        AddLightPicture(*fixture, "h", "t", "f", 0);
        LightForm &form = Open();
        QVERIFY(form.Clist->isVisible());
        QCOMPARE(QRect(ControlLeft(*form.Clist), ControlTop(*form.Clist), ControlWidth(*form.Clist),
                       ControlHeight(*form.Clist)),
                 QRect(120, 3240, 6000, Twips::FromPixelsY(Twips::ToPixelsY(800))));
        QVERIFY(form.Lcheck[0]->isChecked());
        QCOMPARE(form.Clist->count(), 1);
        form.Action[4]->click();
        QVERIFY(form.Clist->isHidden());
    }

    // A light is a disc of its colour at its scaled place; at half the design
    // size, (3000, 1500) radius 200 lands at (1500, 750) radius 100.
    void drawsScaledDisc_data()
    {
        QTest::addColumn<int>("outerWidth");
        QTest::addColumn<int>("outerHeight");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        // Pixels at 15 twips: centre (200, 100) at factor 1, radius 13 px.
        QTest::addRow("design-size") << 7710 << 5175 << QPoint(200, 100) << QPoint(200, 80);
        // 9000 twips of picture, 3000 high: factor 1, band on the right.
        QTest::addRow("wide-window-factor-one") << 10710 << 5175 << QPoint(200, 100) << QPoint(400, 100);
        // Picture 12000 x 6000: factor 2, centre (400, 200), radius 27 px.
        QTest::addRow("double-size") << 13710 << 8175 << QPoint(420, 200) << QPoint(200, 100);
    }
    void drawsScaledDisc()
    {
        QFETCH(int, outerWidth);
        QFETCH(int, outerHeight);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        AddLightPicture(*fixture, "h", "t", "f", 0, {Light(Red, false, 3000, 1500, 200)});
        LightForm &form = Open();
        form.SetOuterSize(outerWidth, outerHeight);
        const PictureBox &display = *form.Lpicture[0];
        QCOMPARE(display.PixelColour(inside.x(), inside.y()), Red);
        QCOMPARE(display.PixelColour(outside.x(), outside.y()), Black);
    }

    // Over stepped ticks a flashing light goes grey, black, yellow, black ...
    // while a steady red light never changes. A steady light stored in the
    // marker colour flashes too.
    void flashAlternates_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<long>("flashing");
        QTest::addRow("shown") << 0 << Grey;
        QTest::addRow("first-tick") << 1 << Black;
        QTest::addRow("second-tick") << 2 << Yellow;
        QTest::addRow("third-tick") << 3 << Black;
        QTest::addRow("fourth-tick") << 4 << Yellow;
    }
    void flashAlternates()
    {
        QFETCH(int, ticks);
        QFETCH(long, flashing);
        AddLightPicture(*fixture, "h", "t", "f", 0,
                            {Light(Yellow, true, 1500, 1500, 100), Light(Red, false, 3000, 1500, 100),
                             Light(Grey, false, 4500, 1500, 100)});
        LightForm &form = Open();
        for (int i = 0; i < ticks; ++i)
            form.Ltimer_Timer(0);
        const PictureBox &display = *form.Lpicture[0];
        QCOMPARE(display.PixelColour(100, 100), flashing);
        QCOMPARE(display.PixelColour(200, 100), Red);
        QCOMPARE(display.PixelColour(300, 100), flashing);
        QCOMPARE(display.PixelColour(250, 100), Black);
    }

    // Every flashing light of a large picture blinks: no table limit.
    void fortyFlashingLights()
    {
        std::vector<StoredLight> lights;
        for (int i = 0; i < 40; ++i)
            lights.push_back(Light(Yellow, true, 150 + 150 * (i % 20), 600 + 1200 * (i / 20), 40));
        AddLightPicture(*fixture, "h", "t", "f", 0, lights);
        LightForm &form = Open();
        QCOMPARE(form.FlashLights().size(), size_t(40));
        form.Ltimer_Timer(0);
        form.Ltimer_Timer(0);
        const PictureBox &display = *form.Lpicture[0];
        for (int i = 0; i < 40; ++i)
            QCOMPARE(display.PixelColour((150 + 150 * (i % 20)) / 15, (600 + 1200 * (i / 20)) / 15), Yellow);
        QCOMPARE(boxes, 0);
    }

    // The phase runs on from picture to picture.
    void flashPhaseKeptAcrossPictures()
    {
        AddLightPicture(*fixture, "h", "a", "f", 0, {Light(Yellow, true, 1500, 1500, 100)});
        AddLightPicture(*fixture, "h", "b", "f", 0, {Light(Yellow, true, 1500, 1500, 100)});
        LightForm &form = Open();
        form.Ltimer_Timer(0);
        QVERIFY(form.FlashOn());
        form.Action[2]->click();
        QCOMPARE(form.Lpicture[0]->PixelColour(100, 100), Grey);
        form.Ltimer_Timer(0);
        QCOMPARE(form.Lpicture[0]->PixelColour(100, 100), Yellow);
    }

    // A row with a Null or non-numeric colour, place or size is left out,
    // not drawn with the previous light's values, and reported once with the
    // typed read's error; a Null FLASH is a steady light.
    void unreadableFieldsOfLine_data()
    {
        const QString null = "Unexpected Error In - LightForm:ShowData, Error Number 94, Invalid use of Null";
        const QString text =
            "Unexpected Error In - LightForm:ShowData, Error Number 3421, Data type conversion error.";
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QStringList>("reports");
        QTest::addRow("colour-null") << "COLOUR" << QVariant() << 2 << QStringList{null};
        QTest::addRow("xpos-null") << "XPOS" << QVariant() << 2 << QStringList{null};
        QTest::addRow("ypos-null") << "YPOS" << QVariant() << 2 << QStringList{null};
        QTest::addRow("size-null") << "SIZE" << QVariant() << 2 << QStringList{null};
        QTest::addRow("colour-text") << "COLOUR" << QVariant("red") << 2 << QStringList{text};
        QTest::addRow("xpos-text") << "XPOS" << QVariant("left") << 2 << QStringList{text};
        QTest::addRow("size-text") << "SIZE" << QVariant("1O0") << 2 << QStringList{text};
        QTest::addRow("flash-null-is-steady") << "FLASH" << QVariant() << 3 << QStringList{};
    }
    void unreadableFieldsOfLine()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(int, drawn);
        QStringList prompts;
        RecordMessageBoxes(prompts, MsgBoxAnswer::Ok);
        // A text goes in through a marker, as the program's writer refuses it.
        const bool text = value.typeId() == QMetaType::QString;
        const QVariant stored = text ? QVariant(7777) : value;
        StoredLight odd = Light(Red, false, 4500, 2400, 100);
        if (field == "COLOUR") odd.colour = stored;
        if (field == "XPOS") odd.x = stored;
        if (field == "YPOS") odd.y = stored;
        if (field == "SIZE") odd.size = stored;
        if (field == "FLASH") odd.flash = stored;
        AddLightPicture(*fixture, "h", "t", "f", 0,
                            {Light(65280, false, 1500, 600, 100), odd, Light(65280, false, 4500, 600, 100)});
        if (text)
            fixture->OverwriteLines("LIGHTLINE", field, 7777, value);
        LightForm &form = Open();
        QCOMPARE(int(form.FlashLights().size()), drawn);
        const PictureBox &display = *form.Lpicture[0];
        // With the previous light's x and its own y and colour it would be here.
        QCOMPARE(display.PixelColour(100, 160), Black);
        QCOMPARE(display.PixelColour(300, 160), drawn == 3 ? Red : Black);
        QCOMPARE(display.PixelColour(100, 40), 65280L);
        QTEST(prompts, "reports");
    }

    // Unreadable rows are reported once for the picture on show, however many
    // it has: showing it again for a resize or a toggled text asks nothing,
    // showing another picture and coming back reports again.
    void unreadableRowsReportedOncePerPictureShown()
    {
        QStringList prompts;
        RecordMessageBoxes(prompts, MsgBoxAnswer::Ok);
        for (int picture = 0; picture < 2; ++picture) {
            StoredLight noPlace = Light(Red, false, 4500, 2400, 100);
            noPlace.x = QVariant();
            AddLightPicture(*fixture, "h", "t", "f", 0,
                                {noPlace, Light(65280, false, 1500, 600, 100), Light(Red, false, 1500, 2400, 7777)});
        }
        fixture->OverwriteLines("LIGHTLINE", "SIZE", 7777, "large");
        LightForm &form = Open();
        QCOMPARE(prompts.size(), 1);
        const long first = form.RecordNo();

        form.SetOuterSize(9000, 6000);
        QTest::mouseClick(form.Action[4], Qt::LeftButton); // the hint under the picture
        QTest::mouseClick(form.Action[4], Qt::LeftButton); // and away again
        QCOMPARE(prompts.size(), 1);

        QTest::mouseClick(form.Action[2], Qt::LeftButton);
        QVERIFY(form.RecordNo() != first);
        QCOMPARE(prompts.size(), 2);
        QTest::mouseClick(form.Action[1], Qt::LeftButton);
        QCOMPARE(form.RecordNo(), first);
        QCOMPARE(prompts.size(), 3);
        for (const QString &prompt : prompts)
            QVERIFY2(prompt.startsWith("Unexpected Error In - LightForm:ShowData, Error Number 94"),
                     qPrintable(prompt));
    }

    // "&Movement" is offered only for a picture that moves.
    void movementOffered_data()
    {
        QTest::addColumn<QVariant>("direction");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("still") << QVariant(0) << false;
        QTest::addRow("up") << QVariant(1) << true;
        QTest::addRow("left") << QVariant(4) << true;
        QTest::addRow("null-is-still") << QVariant() << false;
    }
    void movementOffered()
    {
        QFETCH(QVariant, direction);
        AddLightPicture(*fixture, "h", "t", "f", direction);
        LightForm &form = Open();
        QTEST(form.Action[5]->isEnabled(), "enabled");
    }

    // The picture moves 10 twips a tick, leaves the frame, jumps to just
    // outside the opposite side and slides back home: 601 ticks up or down,
    // 1201 right or left, for a 6000 x 3000 picture.
    void movementSteps_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("place");
        QTest::addRow("up-one") << 1 << 1 << QPoint(0, -10);
        QTest::addRow("up-out") << 1 << 300 << QPoint(0, -3000);
        QTest::addRow("up-jump") << 1 << 301 << QPoint(0, 3000);
        QTest::addRow("up-home") << 1 << 601 << QPoint(0, 0);
        QTest::addRow("right-one") << 2 << 1 << QPoint(10, 0);
        QTest::addRow("right-out") << 2 << 600 << QPoint(6000, 0);
        QTest::addRow("right-jump") << 2 << 601 << QPoint(-6000, 0);
        QTest::addRow("right-home") << 2 << 1201 << QPoint(0, 0);
        QTest::addRow("down-one") << 3 << 1 << QPoint(0, 10);
        QTest::addRow("down-jump") << 3 << 301 << QPoint(0, -3000);
        QTest::addRow("down-home") << 3 << 601 << QPoint(0, 0);
        QTest::addRow("left-one") << 4 << 1 << QPoint(-10, 0);
        QTest::addRow("left-jump") << 4 << 601 << QPoint(6000, 0);
        QTest::addRow("left-home") << 4 << 1201 << QPoint(0, 0);
        QTest::addRow("unknown-direction-stays") << 7 << 5 << QPoint(0, 0);
    }
    void movementSteps()
    {
        QFETCH(int, direction);
        QFETCH(int, ticks);
        QFETCH(QPoint, place);
        AddLightPicture(*fixture, "h", "t", "f", direction);
        LightForm &form = Open();
        for (int i = 0; i < ticks; ++i)
            form.Ltimer_Timer(1);
        QCOMPARE(QPoint(form.PicturePosition().left, form.PicturePosition().top), place);
        // The display picture sits there inside its frame, to the pixel.
        QCOMPARE(form.Lpicture[0]->pos(), QPoint(Twips::ToPixelsX(place.x()), Twips::ToPixelsY(place.y())));
    }

    // The flash timer runs while the window is active; "&Movement" starts and
    // stops the movement timer; deactivation stops both, and activation
    // brings back only the flash.
    void timersFollowActivation()
    {
        AddLightPicture(*fixture, "h", "t", "f", 2);
        LightForm &form = Open();
        QVERIFY(!form.Ltimer[0]->isActive());
        QVERIFY(!form.Ltimer[1]->isActive());
        form.Activate();
        QVERIFY(form.Ltimer[0]->isActive());
        QCOMPARE(form.Ltimer[0]->interval(), 500);
        QVERIFY(!form.Ltimer[1]->isActive());
        form.Action[5]->click();
        QVERIFY(form.Ltimer[1]->isActive());
        QCOMPARE(form.Ltimer[1]->interval(), 100);
        form.Deactivate();
        QVERIFY(!form.Ltimer[0]->isActive());
        QVERIFY(!form.Ltimer[1]->isActive());
        form.Activate();
        QVERIFY(form.Ltimer[0]->isActive());
        QVERIFY(!form.Ltimer[1]->isActive());
        form.Action[5]->click();
        form.Action[5]->click();
        QVERIFY(!form.Ltimer[1]->isActive());
    }

    // The real movement timer moves the picture; a show (here a resize) stops
    // it and puts the picture home.
    void movementStopsAtNextShow()
    {
        AddLightPicture(*fixture, "h", "t", "f", 2);
        LightForm &form = Open();
        form.Activate();
        form.Action[5]->click();
        QTRY_VERIFY_WITH_TIMEOUT(form.PicturePosition().left >= 20, 2000);
        form.SetOuterSize(form.OuterWidth() + 300, form.OuterHeight());
        QVERIFY(!form.Ltimer[1]->isActive());
        QCOMPARE(form.PicturePosition().left, 0);
        QCOMPARE(form.Lpicture[0]->pos(), QPoint(0, 0));
    }

    // The window reads what belongs to the lights: their choices and links,
    // not another topic's rows under the same picture number; it opens the
    // lights help and names itself in its error messages.
    void lightsOwnTopic()
    {
        MultiChoice = true;
        AddLightPicture(*fixture, "h", "Masthead light", "f", 0);
        AddLightPicture(*fixture, "h", "Sternlight", "f", 0);
        {
            auto db = fixture->Open();
            const QString insert =
                "Insert Into ALTERNATIVES (TYPE, RECORDONE, RECORDTWO, ANSWER) Values (?, ?, ?, ?)";
            for (const long record : {1L, 2L}) {
                db->Execute(insert, {1, static_cast<qlonglong>(record), static_cast<qlonglong>(record), -1});
                db->Execute(insert, {1, static_cast<qlonglong>(record), static_cast<qlonglong>(3 - record), 0});
                db->Execute(insert, {2, static_cast<qlonglong>(record), 9, 0});
            }
            db->Close();
        }
        // Picture 1 and 2 of the lights link to the shapes; the shapes' own
        // rows under the same numbers link to the sound signals.
        for (const long record : {1L, 2L}) {
            fixture->AddLink(1, record, 2, 1);
            fixture->AddLink(2, record, 4, 1);
        }
        LightForm &form = Open();
        QCOMPARE(form.HelpContext(), 1300);
        QStringList shown;
        for (int row = 0; row < form.Clist->count(); ++row)
            shown << form.Clist->item(row)->text();
        shown.sort();
        QCOMPARE(shown, QStringList({"Masthead light", "Sternlight"}));
        QVERIFY(form.Lmenu[1]->isEnabled());
        QVERIFY(!form.Lmenu[3]->isEnabled());
        QCOMPARE(boxes, 0);
        form.Unload();

        QStringList prompts;
        SetMsgBoxHandler([&](const MsgBoxCall &call) {
            prompts << call.prompt;
            return MsgBoxAnswer::Ok;
        });
        AppPath += "missing/";
        Open();
        QVERIFY(!prompts.isEmpty());
        QVERIFY2(prompts[0].startsWith("Unexpected Error In - LightForm:LoadLights, Error Number 3024"),
                 qPrintable(prompts[0]));
    }

    // Closing the window stops its timers.
    void closingStopsTimers()
    {
        AddLightPicture(*fixture, "h", "t", "f", 2);
        LightForm &form = Open();
        form.Activate();
        form.Action[5]->click();
        QPointer<QTimer> flash = form.Ltimer[0].data();
        form.Fmenu[3]->trigger();
        QVERIFY(!flash || !flash->isActive());
        QVERIFY(!form.IsLoaded());
    }

private:
    LightForm &Open()
    {
        LightForm &form = FormInstance<LightForm>();
        form.Load();
        form.show();
        return form;
    }

    std::unique_ptr<PictureFixture> fixture;
    int boxes = 0;
};

QTEST_MAIN(TestLightForm)
#include "tst_lightform.moc"
