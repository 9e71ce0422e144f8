#include "ProgramState.h"
#include "TestDatabase.h"

#include "core/state/Global.h"
#include "mainwindow/CoverPicture.h"
#include "mainwindow/MenuForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The scene as the main window runs it: its own timers drive the steps, and
// deactivation and resizing start it again from the daylight picture.
class TestNightSceneMenuForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        AppPath = MakeTestDatabase(dir->path());
        SetMsgBoxHandler([](const MsgBoxCall &) { return MsgBoxAnswer::Ok; });
        form = std::make_unique<MenuForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // The tests tick the scene themselves.
        form->Deactivate();
    }
    void cleanup()
    {
        form.reset();
        ResetProgramState();
    }

    // Activation starts the step timer, whose ticks run the steps.
    void activationRunsTheSteps()
    {
        form->Activate();
        QVERIFY(form->Mtimer.isActive());
        QTRY_VERIFY(form->Scene.SceneStep >= 2);
        form->Deactivate();
        QVERIFY(!form->Mtimer.isActive());
        QCOMPARE(form->Scene.SceneStep, 0);
    }

    // Deactivated during the crossing: the next tick after activation runs
    // step 0, which shows the cover picture over the whole scene and hides
    // the vessel picture; the light timer waits for step 100.
    void deactivationRewinds()
    {
        for (int i = 0; i <= 400; ++i)
            form->Scene.Mtimer_Timer();
        QVERIFY(form->Ltimer.isActive());
        QVERIFY(form->Mpicture[2]->isVisible());
        form->Deactivate();
        QVERIFY(!form->Ltimer.isActive());
        form->Activate();
        form->Mtimer.stop();
        form->Scene.Mtimer_Timer();
        QVERIFY(form->Mpicture[1]->isVisible());
        QCOMPARE(ControlHeight(*form->Mpicture[1]), ControlHeight(*form->Mpicture[0]));
        QVERIFY(!form->Mpicture[2]->isVisible());
        QVERIFY(!form->Mlabel0->isVisible());
        QVERIFY(!form->Ltimer.isActive());
    }

    // Resized during the crossing: step 0 runs next and scales the daylight
    // picture to the new size.
    void resizeRewinds()
    {
        for (int i = 0; i <= 400; ++i)
            form->Scene.Mtimer_Timer();
        const int width = form->Mpicture[0]->width();
        form->resize(form->width() + 150, form->height() + 90);
        QTRY_COMPARE(form->Mpicture[0]->width(), width + 150);
        form->Mtimer.stop();
        // Step 0 runs at the next tick (unless an activation's tick ran it).
        QVERIFY(form->Scene.SceneStep <= 1);
        if (form->Scene.SceneStep == 0)
            form->Scene.Mtimer_Timer();
        const PictureBox &cover = *form->Mpicture[1];
        QVERIFY(cover.isVisible());
        QCOMPARE(form->Scene.SceneScale, CoverSceneScale(cover));
        QVERIFY(!form->Mpicture[2]->isVisible());
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MenuForm> form;
};

QTEST_MAIN(TestNightSceneMenuForm)
#include "tst_nightscene_menuform.moc"
