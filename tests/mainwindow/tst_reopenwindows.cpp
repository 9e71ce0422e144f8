#include "PictureFixture.h"

#include "buoys/BuoyForm.h"
#include "collisions/ColForm.h"
#include "core/UserForm.h"
#include "lights/LightForm.h"
#include "platform/graphics/Twips.h"
#include "reference/BeaufortForm.h"
#include "shapes/ShapeForm.h"
#include "sounds/SoundForm.h"

#include <QAction>
#include <QMenuBar>
#include <QSizeGrip>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {
// The window of the program by its class name, as the main window opens it.
Form &Window(const QString &name)
{
    if (name == "LightForm")
        return FormInstance<LightForm>();
    if (name == "ShapeForm")
        return FormInstance<ShapeForm>();
    if (name == "BuoyForm")
        return FormInstance<BuoyForm>();
    if (name == "SoundForm")
        return FormInstance<SoundForm>();
    if (name == "ColForm")
        return FormInstance<ColForm>();
    if (name == "UserForm")
        return FormInstance<UserForm>();
    return FormInstance<BeaufortForm>();
}

QAction *QuitItem(Form &form)
{
    for (QAction *action : form.findChildren<QAction *>())
        if (action->text() == "&Quit")
            return action;
    return nullptr;
}
} // namespace

// Every window with a sizable frame, opened, resized and left by File > Quit
// twice in a row, as a user does. Run under AddressSanitizer, any use of a
// part of the window that its first closing destroyed stops the test.
class TestReopenWindows : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PictureFixture> db;

private slots:
    void init()
    {
        db = std::make_unique<PictureFixture>();
        QVERIFY(db->Create());
        Twips::SetTwipsPerPixel(15, 15);
        for (int topic = Topics::First; topic <= Topics::Last; ++topic)
            db->AddPicture(topic, "Picture", 0);
        SetMsgBoxHandler([](const MsgBoxCall &) { return MsgBoxAnswer::Ok; });
    }

    void cleanup() { db.reset(); }

    // Each window with a sizable frame tells the window system its smallest
    // outer size, so a drag of the frame stops there: 7710 x 5175 twips for
    // the quizzes, the size it opens at for the options and meteorology
    // windows. The frame as designed holds the menu bar, which is added at
    // its real height.
    void minimumSize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("outer");
        QTest::addRow("lights") << "LightForm" << QSize(7710, 5175);
        QTest::addRow("shapes") << "ShapeForm" << QSize(7710, 5175);
        QTest::addRow("buoys") << "BuoyForm" << QSize(7710, 5175);
        QTest::addRow("sounds") << "SoundForm" << QSize(7710, 5175);
        QTest::addRow("collisions") << "ColForm" << QSize(7710, 5175);
        QTest::addRow("user-options") << "UserForm" << QSize(4095, 3705);
        QTest::addRow("meteorology") << "BeaufortForm" << QSize(7485, 6630);
    }

    void minimumSize()
    {
        QFETCH(QString, window);
        QFETCH(QSize, outer);
        Form &form = Window(window);
        QVERIFY(form.isSizeGripEnabled());
        Form::SetModalHook([&](Form &f) {
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            const int bar = f.findChild<QMenuBar *>()->height();
            const QSize smallest((outer.width() - Form::FrameWidth) / 15, (outer.height() - Form::FrameHeight) / 15 + bar);
            QCOMPARE(f.minimumSize(), smallest);
            QCOMPARE(f.windowHandle()->minimumSize(), smallest);
            // The grip dragged far up and to the left stops at the smallest size.
            QSizeGrip *grip = f.findChild<QSizeGrip *>();
            QVERIFY(grip);
            const QPoint held = grip->rect().center();
            const QPoint dragged = held - QPoint(f.width(), f.height());
            QTest::mousePress(grip, Qt::LeftButton, {}, held);
            QTest::mouseMove(grip, dragged);
            QTest::mouseRelease(grip, Qt::LeftButton, {}, dragged);
            QTRY_COMPARE(f.size(), smallest);
            QuitItem(f)->trigger();
        });
        form.ShowModal();
    }

    void reopenAndResize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addRow("lights") << "LightForm";
        QTest::addRow("shapes") << "ShapeForm";
        QTest::addRow("buoys") << "BuoyForm";
        QTest::addRow("sounds") << "SoundForm";
        QTest::addRow("collisions") << "ColForm";
        QTest::addRow("user-options") << "UserForm";
        QTest::addRow("meteorology") << "BeaufortForm";
    }

    void reopenAndResize()
    {
        QFETCH(QString, window);
        Form &form = Window(window);
        QVERIFY(form.isSizeGripEnabled());
        int openings = 0;
        QPointer<QSizeGrip> firstGrip;
        Form::SetModalHook([&](Form &f) {
            ++openings;
            if (openings == 1)
                firstGrip = f.findChild<QSizeGrip *>();
            else
                QVERIFY2(firstGrip, "the size grip went with the first closing");
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            const QSize size = f.size() + QSize(120 * openings, 90 * openings);
            f.resize(size);
            QTRY_COMPARE(f.size(), size);
            QSizeGrip *grip = f.findChild<QSizeGrip *>();
            QVERIFY(grip);
            QVERIFY(grip->isVisible());
            // The grip sits in the bottom right-hand corner of the new size.
            QVERIFY(f.rect().contains(grip->geometry()));
            QVERIFY(grip->geometry().bottom() >= f.height() - 20);
            QAction *quit = QuitItem(f);
            QVERIFY(quit);
            quit->trigger();
        });
        form.ShowModal();
        QCOMPARE(openings, 1);
        QVERIFY(!form.IsLoaded());
        form.ShowModal();
        QCOMPARE(openings, 2);
        QVERIFY(!form.IsLoaded());
        // Closed again, it can still be resized.
        form.resize(form.size() + QSize(10, 10));
    }
};

QTEST_MAIN(TestReopenWindows)
#include "tst_reopenwindows.moc"
