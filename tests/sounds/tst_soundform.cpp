// The sound-signals quiz window: its layout, what each sound mode draws,
// plays and waits, the guard against a second presentation, the cycle
// replay, a new signal silencing the one before, what cannot be heard told
// once, and closing the window in the middle of a signal.

#include "SoundPictures.h"
#include "quiz/WindowControls.h"
#include "quiz/tst_listform_driver.h"

#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/sound/Sound.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/ChoiceList.h"
#include "quiz/ListBox.h"
#include "quiz/ListForm.h"
#include "quiz/StatForm.h"
#include "sounds/SignalWait.h"
#include "sounds/SoundForm.h"
#include "sounds/plan/SignalPlan.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr long Blue = 0x800000;
constexpr long Magenta = 0x800080;
constexpr long White = 0xFFFFFF;
constexpr long Grey = 0xC0C0C0;

const QString Answer = "Vessel under way";
// Horn five seconds twice, then one short whistle.
const std::vector<StoredSoundLine> HornsAndWhistle{Sound(1, 5, 2), Sound(5, 1, 1)};
const QString HornsAndWhistleText = " Horn Horn,  Whistle";
// Every presentation begins by ending the sounds of the one before.
const QStringList Silenced{"card Stop", "multimedia Stop"};
} // namespace

class TestSoundForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        SetShuffleRandom([](long upper) { return upper; });
        timeline.clear();
        duringWait = {};
        RecordMessageBoxes(boxes, MsgBoxAnswer::No);
        SetSoundRecorder([this](const SoundCall &call) {
            QString file = call.file;
            file.remove(AppPath);
            timeline << (call.device + ' ' + call.command + (file.isEmpty() ? QString() : ' ' + file));
        });
        SetSignalWaitHook([this](double seconds) {
            timeline << QString("wait %1").arg(seconds);
            if (duringWait) {
                auto once = std::move(duringWait);
                duringWait = {};
                once();
            }
        });
    }
    void cleanup() { fixture.reset(); }

    // At the designed client area the picture takes the whole design space;
    // the right-hand column and the bottom row keep their designed places.
    void layoutAtDesignSize_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::addRow("picture") << "Lpicture0" << QRect(120, 120, 6000, 3000);
        QTest::addRow("text-line") << "Llabel0" << QRect(120, 3240, 6000, 615);
        QTest::addRow("first") << "Action0" << QRect(120, 3975, 1215, 375);
        QTest::addRow("previous") << "Action1" << QRect(1560, 3975, 1215, 375);
        QTest::addRow("answer") << "Action8" << QRect(2880, 3975, 495, 375);
        QTest::addRow("next") << "Action2" << QRect(3480, 3975, 1215, 375);
        QTest::addRow("last") << "Action3" << QRect(4920, 3975, 1215, 375);
        QTest::addRow("hint") << "Action4" << QRect(6240, 120, 1215, 375);
        QTest::addRow("play") << "Action7" << QRect(6240, 720, 1215, 375);
        QTest::addRow("reveal") << "Action5" << QRect(6240, 1320, 1215, 375);
        QTest::addRow("info") << "Action6" << QRect(6240, 1920, 1215, 375);
        QTest::addRow("cheat") << "Lcheck0" << QRect(6240, 2520, 1215, 255);
    }
    void layoutAtDesignSize()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        SoundForm &form = Open();
        QCOMPARE(form.OuterWidth(), 7710);
        QCOMPARE(form.OuterHeight(), 5175);
        const QWidget *w = QuizControl(form, control);
        QVERIFY(w);
        QCOMPARE(ControlPlace(*w), place);
    }

    void captionsAndControls()
    {
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        SoundForm &form = Open();
        QCOMPARE(form.windowTitle(), QString("Sounds"));
        const QStringList captions{"<< &First", "< &Previous", "&Next >", "&Last >>", "&Hint",
                                   "&Reveal",   "&Info",       "&Play",   "?"};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(form.Action[i]->text(), captions[i]);
        QVERIFY(form.Action[2]->isDefault());
        QVERIFY(form.Action[5]->isHidden());
        QVERIFY(form.Action[6]->isHidden());
        QVERIFY(form.Clist->isHidden());
        // The first signal, shown as the window opened, emptied it.
        QCOMPARE(form.SoundMenu->text(), QString());
        QVERIFY(!form.Stimer->isActive());
        QCOMPARE(form.Stimer->interval(), 60000);
        QCOMPARE(form.Lmenu[3]->text(), QString("&Sound"));
    }

    // The navigation is off while a signal plays, which passes the focus on;
    // once it has played, the focus is back, and Enter with it: on opening,
    // Enter moves on.
    void enterMovesOnAfterASignal()
    {
        for (const char *answer : {"a", "b", "c"})
            AddSignal(*fixture, "h", answer, "e", {Sound(4, 5, 1)});
        SoundForm &form = Open();
        // A key goes where the focus is.
        QVERIFY(form.focusWidget());
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
        QCOMPARE(form.Series().Position(), 1L);
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
        QCOMPARE(form.Series().Position(), 2L);
        QVERIFY(form.Action[2]->isDefault());
    }

    // Opening the window shows and plays the first signal at once, as every
    // quiz shows its first picture.
    void openingShowsTheFirstSignal()
    {
        AddSignal(*fixture, "h", Answer, "e", {Vessel(3000, 1500, 150, 1), Sound(1, 5, 1)});
        SoundForm &form = FormInstance<SoundForm>();
        form.Load();
        QVERIFY(form.isVisible());
        QCOMPARE(timeline, Silenced + QStringList({"card Play HORN5.WAV", "wait 5", "wait 2"}));
        QVERIFY(!form.Busy);
        QCOMPARE(form.Llabel[0]->text(), QString());
        QCOMPARE(form.Lpicture[0]->PixelColour(240, 120), Grey);
        QVERIFY(form.Action[2]->isEnabled());
    }

    // What each sound mode draws, plays and waits for one signal, and what
    // the text line and the menu bar say afterwards.
    void soundModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<bool>("bars");
        QTest::addColumn<QString>("label");
        const QStringList card = Silenced + QStringList{"card Play HORN5.WAV",
                                                        "wait 5",
                                                        "card Play HORN5.WAV",
                                                        "wait 5",
                                                        "card Play WHISTLE1.WAV",
                                                        "wait 1",
                                                        "wait 2"};
        const QStringList mm = Silenced + QStringList{"multimedia Close",
                                                      "multimedia Open HORN5.WAV",
                                                      "multimedia Play",
                                                      "wait 5",
                                                      "multimedia Close",
                                                      "multimedia Open HORN5.WAV",
                                                      "multimedia Play",
                                                      "wait 5",
                                                      "multimedia Close",
                                                      "multimedia Open WHISTLE1.WAV",
                                                      "multimedia Play",
                                                      "wait 1",
                                                      "wait 2"};
        QTest::addRow("0-sound-card") << 0 << card << false << "";
        QTest::addRow("1-graphics") << 1 << Silenced << true << HornsAndWhistleText;
        QTest::addRow("2-multimedia") << 2 << mm << false << "";
        QTest::addRow("3-card-and-graphics") << 3 << card << true << "";
        QTest::addRow("4-multimedia-and-graphics") << 4 << mm << true << "";
    }
    void soundModes()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, heard);
        QFETCH(bool, bars);
        QFETCH(QString, label);
        SoundMode = mode;
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(timeline, heard);
        // Bars along the top: blue 1-600 twips (pixels 0-40), a gap, then at
        // 1441-1560 twips (pixels 96-104) the whistle's magenta.
        const PictureBox &picture = *form.Lpicture[0];
        QCOMPARE(picture.PixelColour(20, 3), bars ? Blue : Grey);
        QCOMPARE(picture.PixelColour(44, 3), Grey);
        QCOMPARE(picture.PixelColour(100, 3), bars ? Magenta : Grey);
        QCOMPARE(picture.PixelColour(20, 20), Grey);
        QCOMPARE(form.Llabel[0]->text(), label);
        QCOMPARE(form.SoundMenu->text(), QString());
        QCOMPARE(form.SignalText(), bars ? HornsAndWhistleText : QString());
        QCOMPARE(boxes, QStringList{});
    }

    // In modes 3 and 4 a row's bars stand before it is heard and the next
    // row's bars only after its repetitions.
    void barsGrowAsTheSignalSounds()
    {
        SoundMode = 3;
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        SoundForm &form = Open();
        long horn = -1;
        long whistle = -1;
        duringWait = [&] {
            horn = form.Lpicture[0]->PixelColour(60, 3);
            whistle = form.Lpicture[0]->PixelColour(100, 3);
        };
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(horn, Blue);
        QCOMPARE(whistle, Grey);
    }

    // Vessels stand on white, every one of them, and the gaps take the white.
    void vesselsOnWhite()
    {
        SoundMode = 1;
        // Head-on vessel: hull boxes below the centre, 8 units to each side.
        AddSignal(*fixture, "h", Answer, "e", {Sound(2, 1, 1), Vessel(1500, 1500, 80, 1), Vessel(4500, 1500, 150, 1)});
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        const PictureBox &picture = *form.Lpicture[0];
        QCOMPARE(picture.PixelColour(100 + 4, 100 + 2), Grey);
        QCOMPARE(picture.PixelColour(300 + 4, 100 + 2), Grey);
        QCOMPARE(picture.PixelColour(200, 150), White);
        QCOMPARE(picture.PixelColour(4, 3), 0x008000L);
        QCOMPARE(picture.PixelColour(12, 3), White);
    }

    // With "Cheat" the answer stands under the picture before the first row
    // is heard, and stays in every mode.
    void cheatShowsAnswerFirst_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = 0; mode <= 4; ++mode)
            QTest::addRow("mode-%d", mode) << mode;
    }
    void cheatShowsAnswerFirst()
    {
        QFETCH(int, mode);
        SoundMode = mode;
        AddSignal(*fixture, "h", Answer, "e", {Sound(6, 3, 1), Sound(1, 1, 1)});
        SoundForm &form = Open();
        QString duringFirstWait = "none";
        duringWait = [&] { duringFirstWait = form.Llabel[0]->text(); };
        QTest::mouseClick(form.Lcheck[0], Qt::LeftButton);
        if (mode != 1)
            QCOMPARE(duringFirstWait, Answer);
        QCOMPARE(form.Llabel[0]->text(), Answer);
    }

    // In multiple-choice mode the menu bar shows the signal as text, which
    // only the graphics modes write.
    void multipleChoiceMenuText_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addRow("card") << 0 << "";
        QTest::addRow("graphics") << 1 << HornsAndWhistleText;
        QTest::addRow("multimedia") << 2 << "";
        QTest::addRow("card-and-graphics") << 3 << HornsAndWhistleText;
        QTest::addRow("multimedia-and-graphics") << 4 << HornsAndWhistleText;
    }
    void multipleChoiceMenuText()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        SoundMode = mode;
        MultiChoice = true;
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        SoundForm &form = Open();
        // Ticking "Cheat" at the end of the load step shows the first signal.
        QVERIFY(form.Lcheck[0]->isChecked());
        QCOMPARE(form.SoundMenu->text(), text);
        QVERIFY(form.Clist->isVisible());
        QCOMPARE(form.Clist->count(), 1);
        QCOMPARE(form.Clist->item(0)->text(), Answer);
    }

    // Opened again in multiple-choice mode, at the size it had, the window
    // is laid out anew: the choice list covers the text line.
    void reopenedInMultipleChoice()
    {
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        SoundForm &form = Open();
        form.Fmenu[3]->trigger();
        MultiChoice = true;
        form.Load();
        QVERIFY(form.Clist->isVisible());
        QCOMPARE(QRect(ControlLeft(*form.Clist), ControlTop(*form.Clist), ControlWidth(*form.Clist), 0),
                 QRect(120, 3240, 6000, 0));
    }

    // "&Hint" hides the choice list; a second "&Hint" shows the signal again
    // with the list.
    void hintOverChoiceList()
    {
        MultiChoice = true;
        AddSignal(*fixture, "A hint", Answer, "e", HornsAndWhistle);
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[4], Qt::LeftButton);
        QVERIFY(form.Clist->isHidden());
        QCOMPARE(form.Llabel[0]->text(), QString("A hint"));
        QTest::mouseClick(form.Action[4], Qt::LeftButton);
        QVERIFY(form.Clist->isVisible());
        QCOMPARE(form.Llabel[0]->text(), Answer);
    }

    // While a signal plays, navigation and the File menu are off and every
    // further request to present is ignored; afterwards all is back.
    void busyIgnoresRequests()
    {
        AddSignal(*fixture, "h", Answer, "e", HornsAndWhistle);
        AddSignal(*fixture, "h", "second", "e", {Sound(4, 5, 1)});
        SoundForm &form = Open();
        bool navigationOff = false;
        bool fileOff = false;
        bool othersOn = false;
        duringWait = [&] {
            navigationOff = !form.Action[0]->isEnabled() && !form.Action[1]->isEnabled() &&
                            !form.Action[2]->isEnabled() && !form.Action[3]->isEnabled();
            fileOff = !form.FileMenu->isEnabled();
            othersOn = form.Action[4]->isEnabled() && form.Action[7]->isEnabled() && form.Action[8]->isEnabled() &&
                       form.Lcheck[0]->isEnabled();
            QTest::mouseClick(form.Action[7], Qt::LeftButton);
            QTest::mouseClick(form.Action[2], Qt::LeftButton);
            QTest::mouseClick(form.Lcheck[0], Qt::LeftButton);
        };
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QVERIFY(navigationOff);
        QVERIFY(fileOff);
        QVERIFY(othersOn);
        QCOMPARE(timeline.count("card Play HORN5.WAV"), 2);
        QCOMPARE(timeline.count("wait 2"), 1);
        QCOMPARE(form.Series().Position(), 0L);
        QVERIFY(!form.Busy);
        QVERIFY(form.Action[0]->isEnabled());
        QVERIFY(form.FileMenu->isEnabled());
    }

    // "&Next >" comes back only once the last sound has had its seconds and
    // the pause after it: a gong that rings on is never under the next signal.
    void nextWaitsForTheLastSound()
    {
        AddSignal(*fixture, "h", Answer, "e", {Sound(3, 5, 1), Sound(4, 5, 1)});
        AddSignal(*fixture, "h", "second", "e", {Sound(1, 5, 1)});
        SoundForm &form = Open();
        SetSignalWaitHook([&](double seconds) {
            timeline << QString("wait %1 next %2").arg(seconds).arg(form.Action[2]->isEnabled() ? "on" : "off");
        });
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(timeline, Silenced + QStringList({"card Play BELLRAP.WAV", "wait 5 next off", "card Play GONG.WAV",
                                                   "wait 5 next off", "wait 2 next off"}));
        QVERIFY(form.Action[2]->isEnabled());
    }

    // Every way to another signal, or to the same again, first ends every
    // sound of the one before, on both devices. From the second of three
    // signals, each way leads to the position given.
    void newSignalSilencesTheOld_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<long>("position");
        QTest::addRow("first") << 0 << 0L;
        QTest::addRow("previous") << 1 << 0L;
        QTest::addRow("next") << 2 << 2L;
        QTest::addRow("last") << 3 << 2L;
        QTest::addRow("play") << 7 << 1L;
        // File > List, the third signal chosen.
        QTest::addRow("list") << -1 << 2L;
    }
    void newSignalSilencesTheOld()
    {
        QFETCH(int, button);
        QFETCH(long, position);
        AddSignal(*fixture, "h", "a", "e", {Sound(4, 5, 1)});
        AddSignal(*fixture, "h", "b", "e", {Sound(4, 5, 1)});
        const long third = AddSignal(*fixture, "h", "c", "e", {Sound(4, 5, 1)});
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[2], Qt::LeftButton);
        timeline.clear();
        if (button < 0) {
            Form::SetModalHook([third](Form &shown) {
                auto &list = static_cast<ListForm &>(shown);
                for (int row = 0; row < list.Llist[0]->count(); ++row)
                    if (list.Llist[0]->ItemData(row) == third)
                        ClickEntry(*list.Llist[0], row);
                QTest::mouseClick(list.Action[0], Qt::LeftButton);
            });
            form.Fmenu[1]->trigger();
        } else {
            QTest::mouseClick(form.Action[button], Qt::LeftButton);
        }
        QCOMPARE(timeline, Silenced + QStringList({"card Play GONG.WAV", "wait 5", "wait 2"}));
        QCOMPARE(form.Series().Position(), position);
    }

    // With the sound output missing, or a sound file missing, empty or
    // damaged, the window says so once in a message as it opens, naming the
    // output or the file; the signal still plays all it can, and opening the
    // window again says nothing more.
    void unheardToldOnce_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::addRow("no-sound-output")
            << "output"
            << "No sound can be heard: the sound output %1norvanta_speakers.so is missing.";
        QTest::addRow("missing-file") << "missing"
                                      << "The sound file %1HORN1.WAV is missing, so it cannot be heard.";
        QTest::addRow("empty-file") << "empty"
                                    << "The sound file %1HORN1.WAV is empty, so it cannot be heard.";
        QTest::addRow("damaged-file") << "damaged"
                                      << "The sound file %1HORN1.WAV is damaged, so it cannot be heard.";
    }
    void unheardToldOnce()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QTemporaryDir noOutput;
        const QString appDir = qEnvironmentVariable("NORVANTA_APP_DIR") + '/';
        SetSpeakerFolder(fault == "output" ? noOutput.path() : appDir);
        for (const QString &name : SoundFileNames())
            QVERIFY(QFile::copy(appDir + name, AppPath + name));
        QFile horn(AppPath + "HORN1.WAV");
        if (fault == "missing")
            QVERIFY(horn.remove());
        else if (fault == "empty")
            QVERIFY(horn.resize(0));
        else if (fault == "damaged")
            QVERIFY(horn.open(QIODevice::WriteOnly) && horn.write("this is not a sound") > 0);
        horn.close();
        SetSoundRecorder({});
        SetSignalWaitHook([](double) {});
        SetSoundWatcher([this](const SoundCall &call) {
            if (call.command == "Play")
                timeline << QString(call.file).remove(AppPath);
        });
        AddSignal(*fixture, "h", Answer, "e", {Sound(1, 5, 1), Sound(1, 2, 2)});

        SoundForm &form = FormInstance<SoundForm>();
        form.Load();
        form.Fmenu[3]->trigger();
        form.Load();
        const QString folder = QDir::toNativeSeparators(fault == "output" ? noOutput.path() + '/' : AppPath);
        QCOMPARE(boxes, QStringList{message.arg(folder)});
        QCOMPARE(timeline, QStringList({"HORN5.WAV", "HORN1.WAV", "HORN1.WAV", "HORN5.WAV", "HORN1.WAV", "HORN1.WAV"}));
    }

    // A window resized while its signal plays shows the signal again once it
    // has sounded, at the picture's new size: the drawing is never left at a
    // size the picture no longer has.
    void resizedWhilePlayingIsShownAgain()
    {
        SoundMode = 3;
        AddSignal(*fixture, "h", Answer, "e", {Vessel(3000, 1500, 150, 1), Sound(1, 2, 2)});
        SoundForm &form = Open();
        const QSize opening = form.size();
        duringWait = [&] { form.resize(opening * 3 / 2); };
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QVERIFY(!form.Busy);
        QCOMPARE(timeline.count("card Play HORN1.WAV"), 4);
        const QImage afterResize = form.Lpicture[0]->Image().copy();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(form.Lpicture[0]->Image(), afterResize);
    }

    // A cycle of 120 seconds ticks every 12 s from the signal's start, its
    // first sound; the tenth tick presents the signal again, which restarts
    // the count and the timer.
    void cycleReplays()
    {
        AddSignal(*fixture, "h", Answer, "e", {Sound(1, 1, 1), Sound(7, 120, 1)});
        SoundForm &form = Open();
        bool countingAtFirstSound = false;
        SetSoundWatcher([&](const SoundCall &call) {
            if (call.command == "Play")
                countingAtFirstSound = form.Stimer->isActive() && form.Stimer->interval() == 12000;
        });
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QVERIFY(countingAtFirstSound);
        QVERIFY(form.Stimer->isActive());
        QCOMPARE(form.Stimer->interval(), 12000);
        QCOMPARE(form.Stimer->timerType(), Qt::PreciseTimer);
        timeline.clear();
        for (int i = 0; i < 9; ++i)
            form.Stimer_Timer();
        QCOMPARE(timeline, QStringList{});
        QCOMPARE(form.TickCount, 9L);
        form.Stimer_Timer();
        QCOMPARE(timeline, Silenced + QStringList({"card Play HORN1.WAV", "wait 1", "wait 2"}));
        QCOMPARE(form.TickCount, 0L);
        QVERIFY(form.Stimer->isActive());
    }

    // A tick during a presentation only counts; a cycle that came round
    // meanwhile brings the signal again as soon as it has ended.
    void tickDuringPresentationOnlyCounts()
    {
        AddSignal(*fixture, "h", Answer, "e", {Sound(1, 5, 2), Sound(7, 10, 1)});
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        timeline.clear();
        duringWait = [&] {
            for (int i = 0; i < 12; ++i)
                form.Stimer_Timer();
        };
        for (int i = 0; i < 10; ++i)
            form.Stimer_Timer();
        // The replay's first wait saw twelve more ticks, none of which replayed.
        QCOMPARE(timeline.count("card Play HORN5.WAV"), 2);
        QCOMPARE(form.TickCount, 12L);
        QVERIFY(form.Stimer->isActive());
        QCOMPARE(form.Stimer->interval(), 0);
        form.Stimer_Timer();
        QCOMPARE(timeline.count("card Play HORN5.WAV"), 4);
        QCOMPARE(form.TickCount, 0L);
        QCOMPARE(form.Stimer->interval(), 1000);
    }

    // A right answer chosen while a signal plays moves the series on; the
    // next signal is shown once the first has ended, not skipped.
    void answerDuringPresentation()
    {
        MultiChoice = true;
        AddSignal(*fixture, "first hint", "first", "e", {Sound(1, 5, 2)});
        AddSignal(*fixture, "second hint", "second", "e", {Sound(4, 5, 1)});
        Form::SetModalHook([](Form &shown) {
            Response = -1;
            shown.Unload();
        });
        SoundForm &form = Open();
        QCOMPARE(form.HintText(), QString("first hint"));
        timeline.clear();
        duringWait = [&] { ClickEntry(*form.Clist, 0); };
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(timeline,
                 Silenced + QStringList({"card Play HORN5.WAV", "wait 5", "card Play HORN5.WAV", "wait 5", "wait 2"}) +
                     Silenced + QStringList({"card Play GONG.WAV", "wait 5", "wait 2"}));
        QCOMPARE(form.Series().Position(), 1L);
        QCOMPARE(form.HintText(), QString("second hint"));
        QCOMPARE(form.Llabel[0]->text(), QString("second"));
    }

    // "&Play" stops the cycle and presents from the start; a signal without
    // a cycle leaves the timer stopped.
    void playStopsCycle()
    {
        AddSignal(*fixture, "h", Answer, "e", {Sound(7, 60, 1)});
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QVERIFY(form.Stimer->isActive());
        form.Stimer_Timer();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(form.TickCount, 0L);
        QVERIFY(form.Stimer->isActive());
        QCOMPARE(form.Stimer->interval(), 6000);
    }

    // Closing the window during a wait ends the presentation there: nothing
    // more is drawn or heard, the sounds stop and no replay follows.
    void closingDuringWait_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("quit") << "quit";
        QTest::addRow("close-box") << "close";
    }
    void closingDuringWait()
    {
        QFETCH(QString, how);
        AddSignal(*fixture, "h", Answer, "e", {Sound(1, 5, 3), Sound(7, 30, 1)});
        SoundForm &form = Open();
        duringWait = [&] {
            if (how == "quit")
                form.Fmenu[3]->trigger();
            else
                form.close();
        };
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(timeline, Silenced + QStringList({"card Play HORN5.WAV", "wait 5", "card Stop", "multimedia Stop",
                                                   "multimedia Close"}));
        QVERIFY(!form.Busy);
        QVERIFY(!form.IsLoaded());
    }

    // A modal window closed by its close box during a wait: the wait ends
    // at once, though the unload step runs only after the modal loop.
    void closingModalWindowDuringWait()
    {
        AddSignal(*fixture, "h", Answer, "e", {Sound(1, 5, 3)});
        Form::SetModalHook([&](Form &shown) {
            auto &form = static_cast<SoundForm &>(shown);
            timeline.clear();
            duringWait = [&] { form.close(); };
            QTest::mouseClick(form.Action[7], Qt::LeftButton);
            timeline << "returned";
        });
        FormInstance<SoundForm>().ShowModal();
        QCOMPARE(timeline, Silenced + QStringList({"card Play HORN5.WAV", "wait 5", "card Stop", "multimedia Stop",
                                                   "multimedia Close", "returned", "card Stop", "multimedia Stop",
                                                   "multimedia Close"}));
        QVERIFY(!FormInstance<SoundForm>().IsLoaded());
    }

    // The real wait: a ten-minute silence, the first signal's as the window
    // opens, ends as soon as the window closes.
    void realWaitEndsOnClose()
    {
        SetSignalWaitHook({});
        AddSignal(*fixture, "h", Answer, "e", {Sound(6, 600, 1)});
        SoundForm &form = FormInstance<SoundForm>();
        QTimer::singleShot(200, &form, [&] { form.close(); });
        QElapsedTimer clock;
        clock.start();
        form.Load();
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!form.Busy);
        QVERIFY(!form.isVisible());
    }

    // The real wait lasts as long as asked, on the monotonic clock.
    void realWaitLasts()
    {
        SetSignalWaitHook({});
        QElapsedTimer clock;
        clock.start();
        QVERIFY(SignalWait(0.3, [] { return false; }));
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY(clock.elapsed() < 2000);
        clock.restart();
        QVERIFY(SignalWait(0, [] { return false; }));
        QVERIFY(clock.elapsed() < 100);
    }

    void closingStopsCycle()
    {
        AddSignal(*fixture, "h", Answer, "e", {Sound(7, 10, 1)});
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QPointer<QTimer> timer = form.Stimer;
        QVERIFY(timer->isActive());
        form.Fmenu[3]->trigger();
        QVERIFY(!timer || !timer->isActive());
        QVERIFY(!LinkMode);
        QVERIFY(!form.Loading);
    }

    // The end-of-series question comes from navigation alone: replaying the
    // last signal by "&Play", a tick or a resize does not ask.
    void endOfSeriesOnlyFromNavigation()
    {
        AddSignal(*fixture, "h", "a", "e", {Sound(7, 10, 1)});
        AddSignal(*fixture, "h", "b", "e", {Sound(7, 10, 1)});
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QTest::mouseClick(form.Action[2], Qt::LeftButton);
        QCOMPARE(boxes, QStringList{});
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        for (int i = 0; i < 10; ++i)
            form.Stimer_Timer();
        form.SetOuterSize(9000, 6000);
        QCOMPARE(boxes, QStringList{});
        QTest::mouseClick(form.Action[2], Qt::LeftButton);
        QCOMPARE(boxes, QStringList{"This Is The Last Picture In This Series, Do You Want To Shuffle And Restart"});
    }

    // "&Start Again" in the statistics window shuffles and shows the first
    // signal; the statistics are offered at every activation outside link mode.
    void statisticsMenu()
    {
        AddSignal(*fixture, "h", "a", "e", {Sound(2, 1, 1)});
        AddSignal(*fixture, "h", "b", "e", {Sound(3, 1, 1)});
        SoundForm &form = Open();
        QVERIFY(!form.Fmenu[2]->isEnabled());
        form.Activate();
        QVERIFY(form.Fmenu[2]->isEnabled());
        QTest::mouseClick(form.Action[3], Qt::LeftButton);
        Form::SetModalHook([](Form &shown) {
            QVERIFY(qobject_cast<StatForm *>(&shown));
            Response = 6;
            shown.Unload();
        });
        timeline.clear();
        form.Fmenu[2]->trigger();
        QCOMPARE(form.Series().Position(), 0L);
        QCOMPARE(timeline, Silenced + QStringList({"card Play BELL1.WAV", "wait 1", "wait 2"}));
    }

    // In link mode the series is the linked signals and the File items and
    // the Links menu are off; closing ends link mode.
    void linkMode()
    {
        const long a = AddSignal(*fixture, "h", "a", "e", {Sound(2, 1, 1)});
        AddSignal(*fixture, "h", "b", "e", {Sound(3, 1, 1)});
        fixture->AddLink(1, 7, 4, a);
        LinkMode = true;
        LinkTypeOne = 1;
        LinkRecordOne = 7;
        LinkTypeTwo = 4;
        SoundForm &form = Open();
        form.Activate();
        QCOMPARE(form.Series().Items(), std::vector<long>{a});
        for (int i = 0; i < 3; ++i)
            QVERIFY(!form.Fmenu[i]->isEnabled());
        QVERIFY(!form.LinkMenu->isEnabled());
        form.Fmenu[3]->trigger();
        QVERIFY(!LinkMode);
    }

    // Links to other topics are offered; the window's own topic never is.
    void linksMenu()
    {
        const long a = AddSignal(*fixture, "h", "a", "e", {Sound(2, 1, 1)});
        const long b = AddSignal(*fixture, "h", "b", "e");
        fixture->AddLink(4, a, 1, 3);
        fixture->AddLink(4, a, 4, b);
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QVERIFY(form.Lmenu[0]->isEnabled());
        QVERIFY(!form.Lmenu[3]->isEnabled());
        QVERIFY(!form.Lmenu[2]->isEnabled());
    }

    // The texts of the signal on show; a Null further text reads "Unknown",
    // an empty one stays empty.
    void headTexts_data()
    {
        QTest::addColumn<QVariant>("hint");
        QTest::addColumn<QVariant>("extra");
        QTest::addColumn<QString>("hintText");
        QTest::addColumn<QString>("extraText");
        QTest::addRow("all-given") << QVariant("a hint") << QVariant("more") << "a hint"
                                   << "more";
        QTest::addRow("null-texts") << QVariant() << QVariant() << "No Hint"
                                    << "Unknown";
        QTest::addRow("empty-extra") << QVariant("x") << QVariant("") << "x"
                                     << "";
    }
    void headTexts()
    {
        QFETCH(QVariant, hint);
        QFETCH(QVariant, extra);
        AddSignal(*fixture, hint, QVariant(), extra, {Sound(1, 1, 1)});
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QTEST(form.HintText(), "hintText");
        QTEST(form.ExtraText(), "extraText");
        QCOMPARE(form.AnswerText(), QString("No Text"));
    }

    // Without any signal, or on a signal whose head row is gone, the picture
    // is empty grey, nothing is heard and no error is shown.
    void nothingToShow_data()
    {
        QTest::addColumn<bool>("linkToMissing");
        QTest::addRow("empty-series") << false;
        QTest::addRow("missing-head-row") << true;
    }
    void nothingToShow()
    {
        QFETCH(bool, linkToMissing);
        if (linkToMissing) {
            fixture->AddLink(1, 7, 4, 99);
            LinkMode = true;
            LinkTypeOne = 1;
            LinkRecordOne = 7;
            LinkTypeTwo = 4;
        }
        SoundForm &form = Open();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        QCOMPARE(boxes, QStringList{});
        QCOMPARE(timeline, Silenced + QStringList{"wait 2"});
        QCOMPARE(form.Lpicture[0]->PixelColour(200, 100), Grey);
        QCOMPARE(form.Action[2]->isEnabled(), linkToMissing);
        QCOMPARE(form.HintText(), QString("No Hint"));
    }

    // A resize lays the window out, then shows and plays the signal again;
    // below its smallest size it snaps back, width first.
    void resizeShowsAgain()
    {
        AddSignal(*fixture, "h", Answer, "e", {Sound(4, 5, 1)});
        SoundForm &form = Open();
        form.SetOuterSize(10710, 8175);
        QCOMPARE(timeline, Silenced + QStringList({"card Play GONG.WAV", "wait 5", "wait 2"}));
        QCOMPARE(ControlWidth(*form.Lpicture[0]), 9000);
        QCOMPARE(ControlHeight(*form.Lpicture[0]), 6000);
        QCOMPARE(ControlLeft(*form.Action[7]), 9240);
        form.SetOuterSize(5000, 3000);
        QCOMPARE(form.OuterWidth(), 7710);
        QCOMPARE(form.OuterHeight(), 5175);
    }

    // A row with a Null or non-numeric value where a number is needed is left
    // out and reported once while its signal is on show; the other rows
    // still sound, and showing it again for a resize asks nothing.
    void unreadableRowLeftOut_data()
    {
        const QString null = "Unexpected Error In - SoundForm:ShowData, Error Number 94, Invalid use of Null";
        const QString text = "Unexpected Error In - SoundForm:ShowData, Error Number 3421, Data type conversion error.";
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("report");
        QTest::addRow("vessel-place-null") << "XPOS" << QVariant() << null;
        QTest::addRow("vessel-size-text") << "SIZE" << QVariant("large") << text;
        QTest::addRow("sound-duration-text") << "DURATION" << QVariant("long") << text;
        QTest::addRow("sound-number-null") << "NUMBER" << QVariant() << null;
    }
    void unreadableRowLeftOut()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QString, report);
        // A text goes in through a marker, as the program's writer refuses it.
        const bool text = value.typeId() == QMetaType::QString;
        const QVariant stored = text ? QVariant(7777) : value;
        StoredSoundLine odd = field == "XPOS" || field == "SIZE" ? Vessel(1500, 1500, 80, 1) : Sound(1, 1, 1);
        if (field == "XPOS")
            odd.x = stored;
        if (field == "SIZE")
            odd.size = stored;
        if (field == "DURATION")
            odd.duration = stored;
        if (field == "NUMBER")
            odd.number = stored;
        AddSignal(*fixture, "h", Answer, "e", {odd, Sound(4, 5, 1)});
        if (text)
            fixture->OverwriteLines("SOUNDLINE", field, 7777, value);
        SoundForm &form = Open();
        form.SetOuterSize(10710, 8175);
        QCOMPARE(timeline, Silenced + QStringList({"card Play GONG.WAV", "wait 5", "wait 2"}));
        form.SetOuterSize(9000, 7000);
        QCOMPARE(boxes, QStringList{report});
    }

    // A picture twice the design size draws bars twice as high and long.
    void barsFollowPictureSize()
    {
        SoundMode = 1;
        AddSignal(*fixture, "h", Answer, "e", {Sound(1, 1, 1)});
        SoundForm &form = Open();
        form.SetOuterSize(13710, 8175);
        const PictureBox &picture = *form.Lpicture[0];
        QCOMPARE(ControlWidth(picture), 12000);
        // Unit 240 twips (16 px), bar 200 twips high (13 px).
        QCOMPARE(picture.PixelColour(10, 11), Blue);
        QCOMPARE(picture.PixelColour(20, 5), Grey);
        QCOMPARE(picture.PixelColour(10, 16), Grey);
    }

private:
    // Opens the window; what its first signal did is left out of the timeline.
    SoundForm &Open()
    {
        SoundForm &form = FormInstance<SoundForm>();
        form.Load();
        timeline.clear();
        return form;
    }

    std::unique_ptr<PictureFixture> fixture;
    QStringList timeline;
    QStringList boxes;
    std::function<void()> duringWait;
};

QTEST_MAIN(TestSoundForm)
#include "tst_soundform.moc"
