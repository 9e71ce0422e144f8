// The Sounds quiz as a learner opens it from the main window, after turning
// multiple-choice mode off in the options: the first signal is drawn and
// heard at once, and its hint and answer are there to be asked for.

#include "SoundPictures.h"

#include "core/AboutForm.h"
#include "core/LoadUser.h"
#include "core/UserForm.h"
#include "mainwindow/MenuForm.h"
#include "platform/graphics/Twips.h"
#include "platform/sound/Sound.h"
#include "platform/window/PictureBox.h"
#include "sounds/SignalWait.h"
#include "sounds/SoundForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
constexpr int SoundsIcon = 3;
constexpr int UserOptionsIcon = 8;
// A point inside an icon, in pixels.
const QPoint OnIcon(17, 17);
} // namespace

class TestSoundOpening : public QObject
{
    Q_OBJECT

private slots:
    void firstSignalOutsideMultipleChoice()
    {
        QStringList boxes;
        QStringList heard;
        // Puts the program back in its first state now and at the end, while
        // the lists the hooks fill are still there.
        PictureFixture fixture;
        QVERIFY(fixture.Create());
        Twips::SetTwipsPerPixel(15, 15);
        AddSignal(fixture, "Two Prolonged Blasts", "Power-Driven Vessel Underway But Stopped", "Rule 35(b)",
                  {Vessel(3000, 1500, 150, 2), Sound(1, 5, 1), Sound(6, 2, 1), Sound(1, 5, 1)});
        LoadUser();
        QVERIFY(MultiChoice);
        RecordMessageBoxes(boxes, MsgBoxAnswer::Ok);
        SetSoundRecorder([&](const SoundCall &call) {
            if (call.command == "Play")
                heard << QString(call.file).remove(AppPath);
        });
        SetSignalWaitHook([](double) {});
        FormInstance<AboutForm>().SplashShown = true;
        auto menu = std::make_unique<MenuForm>();

        // Maintain > User Options: "Use Multichoice Test Mode" unticked, "&Ok".
        Form::SetModalHook([](Form &shown) {
            auto *options = qobject_cast<UserForm *>(&shown);
            QVERIFY(options);
            QVERIFY(options->Ucheck[1]->isChecked());
            QTest::mouseClick(options->Ucheck[1], Qt::LeftButton);
            QVERIFY(!options->Ucheck[1]->isChecked());
            QTest::mouseClick(options->Action[0], Qt::LeftButton);
        });
        QTest::mouseClick(menu->Simage[UserOptionsIcon], Qt::LeftButton, Qt::NoModifier, OnIcon);
        QVERIFY(!MultiChoice);

        // Sounds: the picture shows the vessel and the signal is heard; "&Hint"
        // and "?" give the signal's own texts.
        QString hint;
        QString answer;
        bool drawn = false;
        Form::SetModalHook([&](Form &shown) {
            auto *sounds = qobject_cast<SoundForm *>(&shown);
            QVERIFY(sounds);
            const QImage picture = sounds->Lpicture[0]->Image();
            QImage blank(picture.size(), picture.format());
            blank.fill(Qt::white);
            drawn = picture != blank;
            QTest::mouseClick(sounds->Action[4], Qt::LeftButton);
            hint = sounds->Llabel[0]->text();
            QTest::mouseClick(sounds->Action[8], Qt::LeftButton);
            answer = sounds->Llabel[0]->text();
            sounds->close();
        });
        QTest::mouseClick(menu->Simage[SoundsIcon], Qt::LeftButton, Qt::NoModifier, OnIcon);
        QCOMPARE(hint, QString("Two Prolonged Blasts"));
        QCOMPARE(answer, QString("Power-Driven Vessel Underway But Stopped"));
        QCOMPARE(heard, QStringList({"HORN5.WAV", "HORN5.WAV"}));
        QVERIFY2(drawn, "the picture is blank");
        QCOMPARE(boxes, QStringList{});
    }
};

QTEST_MAIN(TestSoundOpening)
#include "tst_soundopening.moc"
