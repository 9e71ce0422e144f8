#include "tst_useroptions_fixture.h"

#include "LateExpose.h"

#include "core/AboutForm.h"
#include "core/IntroForm.h"
#include "core/Main.h"
#include "core/UserForm.h"
#include "platform/graphics/Twips.h"
#include "platform/help/HelpViewer.h"
#include "platform/window/Controls.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

// Start-up in this process: Main, the splash and the About box, and F1 as
// Main wires it. The hand-over between two running copies is in
// tst_startup_copies.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    std::optional<UserOptionsFixture> fx;
    std::unique_ptr<QWidget> mainWindow;
    int shown = 0;

    // Main shows this stand-in for the main window and counts its showings.
    void UseMainWindow(const std::function<void()> &whileShowing = {})
    {
        SetMainWindowShower([this, whileShowing] {
            ++shown;
            if (whileShowing)
                whileShowing();
            mainWindow = std::make_unique<QWidget>();
            mainWindow->show();
            return mainWindow.get();
        });
    }

private slots:
    void init()
    {
        fx.emplace();
        Twips::SetTwipsPerPixel(15, 15);
        AppPath.clear();
        shown = 0;
        SetProgramFolder(fx->folder.path());
        UseMainWindow();
    }

    void cleanup()
    {
        QApplication::setWindowIcon(QIcon());
        fx.reset();
        mainWindow.reset();
    }

    // The program's folder ends in exactly one separator, however it is given.
    void appPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("appPath");
        QTest::addRow("without-separator") << "/opt/norvanta" << "/opt/norvanta/";
        QTest::addRow("with-separator") << "/opt/norvanta/" << "/opt/norvanta/";
        QTest::addRow("root") << "/" << "/";
    }

    void appPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, appPath);
        QCOMPARE(AppPathFrom(folder), appPath);
    }

    // Main in its order: AppPath, the help file, the options and WindowMode
    // are all set when the main window comes up, and the splash is unloaded
    // after it. A screen narrower than 10000 twips maximises the windows.
    void mainPreparesTheRun_data()
    {
        QTest::addColumn<bool>("trailingSeparator");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("windowMode");
        QTest::addRow("folder-without-separator") << false << 19200 << 0;
        QTest::addRow("folder-with-separator") << true << 19200 << 0;
        QTest::addRow("screen-10000-normal") << false << 10000 << 0;
        QTest::addRow("screen-9999-maximised") << false << 9999 << 2;
    }

    void mainPreparesTheRun()
    {
        QFETCH(bool, trailingSeparator);
        QFETCH(int, screenWidth);
        QFETCH(int, windowMode);
        const QString folder = fx->folder.path();
        SetProgramFolder(trailingSeparator ? folder + QLatin1Char('/') : folder);
        Twips::SetScreenSize(screenWidth, 7680);
        fx->Store("3", "N", "N");
        SoundMode = 0;
        MultiChoice = true;
        ShowIntro = true;
        bool splashLoaded = false;
        UseMainWindow([&] {
            QCOMPARE(AppPath, folder + QLatin1Char('/'));
            QCOMPARE(AppHelpFile(), folder + QStringLiteral("/NORVANTA.CHM"));
            QCOMPARE(SoundMode, 3);
            QVERIFY(!MultiChoice);
            QVERIFY(!ShowIntro);
            QCOMPARE(WindowMode, windowMode);
            splashLoaded = FormInstance<AboutForm>().IsLoaded();
        });
        // The window loaded as the About box stands for the splash here.
        FormInstance<AboutForm>().SplashShown = true;
        FormInstance<AboutForm>().Load();

        Main();
        QCOMPARE(shown, 1);
        QVERIFY(splashLoaded);
        QVERIFY(!FormInstance<AboutForm>().IsLoaded());
        QCOMPARE(MainWindow(), mainWindow.get());
        QCOMPARE(AppPath, folder + QLatin1Char('/'));
        QCOMPARE(WindowMode, windowMode);
        QCOMPARE(fx->messages, QStringList());
    }

    // Without its database the program cannot run: one message names the
    // file, says why and how to get a fresh database; the splash goes and no
    // main window comes, so the program ends. No step reads the options.
    void withoutItsDatabaseTheProgramEnds_data()
    {
        QTest::addColumn<QString>("inItsPlace");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("advice");
        const QString build = "build Norvanta again: a build makes the database when the program's folder has none.";
        QTest::addRow("missing-file") << "" << "The file is not there." << "To get a fresh database, " + build;
        QTest::addRow("folder-in-its-place")
            << "folder" << "A folder of that name stands where the file should be."
            << "To get a fresh database, move that folder away and " + build;
        QTest::addRow("not-a-database")
            << "text" << "It could not be opened: Unrecognized database format '%1'."
            << "To get a fresh database, move that file away and " + build;
    }

    void withoutItsDatabaseTheProgramEnds()
    {
        QFETCH(QString, inItsPlace);
        QFETCH(QString, reason);
        QFETCH(QString, advice);
        const QString file = fx->DatabaseFile();
        QVERIFY(QFile::remove(file));
        if (inItsPlace == "folder") {
            QVERIFY(QDir().mkdir(file));
        } else if (inItsPlace == "text") {
            QFile text(file);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("Not a database, but a note left in its place.\n");
        }
        SoundMode = 3;
        QList<int> styles;
        SetMsgBoxHandler([&](const MsgBoxCall &call) {
            fx->messages << call.prompt;
            styles << call.style;
            return MsgBoxAnswer::Ok;
        });
        AboutForm &about = FormInstance<AboutForm>();
        about.Load();
        QCOMPARE(shown, 0);
        QVERIFY(!MainWindow());
        QVERIFY(!about.IsLoaded());
        QVERIFY(!about.isVisible());
        QCOMPARE(fx->messages.size(), 1);
        const QString message = fx->messages.first();
        QVERIFY2(message.startsWith("Norvanta cannot run without its database, " + file + ". " + reason.arg(file) +
                                    "\r\n\r\n" + advice),
                 qPrintable(message));
        QCOMPARE(styles, QList<int>{MsgBoxStyle::Exclamation});
        // The options were never read, and nothing was made in the file's place.
        QCOMPARE(SoundMode, 3);
        QCOMPARE(QFileInfo(file).isDir(), inItsPlace == "folder");
        QCOMPARE(QFileInfo(file).isFile(), inItsPlace == "text");
    }

    // The first load of the window is the splash: shown with "Loading
    // Program ..." and no button while Main runs, unloaded by Main.
    void firstLoadIsTheSplash()
    {
        AboutForm &about = FormInstance<AboutForm>();
        QVERIFY(!about.SplashShown);
        UseMainWindow([&] {
            QVERIFY(about.isVisible());
            QVERIFY(about.AboutLabel[3]->isVisible());
            QCOMPARE(about.AboutLabel[3]->text(), QStringLiteral("Loading Program ..."));
            QVERIFY(!about.Ok->isVisible());
            QVERIFY(about.SplashShown);
            SaveShot(about, QStringLiteral("splash.png"));
        });
        about.Load();
        QCOMPARE(shown, 1);
        QVERIFY(about.SplashShown);
        QVERIFY(!about.IsLoaded());
        QVERIFY(!about.isVisible());
        QCOMPARE(AppPath, fx->folder.path() + QLatin1Char('/'));
    }

    // Under a window manager the splash is shown some moments after it is
    // mapped: it is still painted before Main begins.
    void splashPaintedBeforeMainWhenShownLate()
    {
        AboutForm &about = FormInstance<AboutForm>();
        LateExpose late([&about] { return &about; });
        late.ReleaseAfter(50);
        int paintsAtMain = -1;
        UseMainWindow([&] { paintsAtMain = late.Paints(); });
        about.Load();
        QCOMPARE(shown, 1);
        QVERIFY(paintsAtMain > 0);
    }

    // Every later load is the About box: never "Loading Program ...", always
    // "&Ok", which Esc presses; opening it twice shows it twice, never Main.
    void aboutBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::addRow("esc") << int(Qt::Key_Escape);
        QTest::addRow("ok") << 0;
    }

    void aboutBox()
    {
        QFETCH(int, key);
        // The program's icon, as the program sets it, shows in both images.
        QPixmap icon(32, 32);
        icon.fill(Qt::red);
        QApplication::setWindowIcon(QIcon(icon));
        FormInstance<AboutForm>().SplashShown = true;
        for (int opening = 0; opening < 2; ++opening) {
            bool closed = false;
            Form::SetModalHook([&](Form &form) {
                auto &about = static_cast<AboutForm &>(form);
                about.show();
                QCOMPARE(about.windowTitle(), QStringLiteral("Norvanta"));
                QCOMPARE(about.AboutLabel[0]->text(), QStringLiteral("Norvanta Version 6"));
                QVERIFY(!about.AboutLabel[1]->text().isEmpty());
                QVERIFY(!about.AboutLabel[2]->text().isEmpty());
                QVERIFY(!about.AboutLabel[3]->isVisible());
                QVERIFY(about.Ok->isVisible());
                QCOMPARE(about.Ok->text(), QStringLiteral("&Ok"));
                QCOMPARE(QRect(ControlLeft(*about.Ok), ControlTop(*about.Ok), ControlWidth(*about.Ok),
                               ControlHeight(*about.Ok)),
                         QRect(1680, 1440, 1215, 375));
                QCOMPARE(about.HeightTwips(), 2040);
                for (QLabel *image : about.AboutImage)
                    QCOMPARE(image->pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
                QCOMPARE(ControlLeft(*about.AboutImage[0]), 360);
                QCOMPARE(ControlLeft(*about.AboutImage[1]), 3720);
                QCOMPARE(ControlTop(*about.AboutImage[1]), 1320);
                if (opening == 0 && key)
                    SaveShot(about, QStringLiteral("about.png"));
                if (key)
                    QTest::keyClick(&about, Qt::Key(key));
                else
                    about.Ok->click();
                closed = !about.isVisible();
            });
            FormInstance<AboutForm>().ShowModal();
            QVERIFY(closed);
            QVERIFY(!FormInstance<AboutForm>().IsLoaded());
        }
        QCOMPARE(shown, 0);
    }

    // What a running copy does when a second copy hands over: a minimised
    // main window comes back in the state it had, shown and active; with no
    // main window yet there is nothing to do, which the second copy is told.
    void restoreAndActivate_data()
    {
        QTest::addColumn<int>("state");
        QTest::addRow("minimised") << int(Qt::WindowMinimized);
        QTest::addRow("minimised-from-maximised") << int(Qt::WindowMinimized | Qt::WindowMaximized);
        QTest::addRow("normal") << int(Qt::WindowNoState);
        QTest::addRow("hidden") << -1;
    }

    void restoreAndActivate()
    {
        QFETCH(int, state);
        QVERIFY(!RestoreAndActivate(nullptr));
        QWidget window;
        if (state >= 0) {
            window.setWindowState(Qt::WindowStates(state));
            window.show();
        }
        QVERIFY(RestoreAndActivate(&window));
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        QCOMPARE(window.isMaximized(), state > 0 && (state & Qt::WindowMaximized) != 0);
        QTRY_VERIFY(window.isActiveWindow());
    }

    // After Main, F1 in a window opens the help file at its window's topic.
    void f1OpensTheWindowsTopic_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("page");
        QTest::addRow("options-window-1000") << "UserForm" << "useroptions.html";
        QTest::addRow("about-box-10000") << "AboutForm" << "mainmenu.html";
        QTest::addRow("introduction-10000") << "IntroForm" << "mainmenu.html";
    }

    void f1OpensTheWindowsTopic()
    {
        QFETCH(QString, window);
        QFETCH(QString, page);
        QVERIFY(QFile::copy(qEnvironmentVariable("NORVANTA_APP_DIR") + QStringLiteral("/NORVANTA.CHM"),
                            fx->folder.filePath(QStringLiteral("NORVANTA.CHM"))));
        FormInstance<AboutForm>().SplashShown = true;
        Main();
        QUrl opened;
        Form::SetModalHook([&](Form &form) {
            form.show();
            QTest::keyClick(&form, Qt::Key_F1);
            if (HelpWindow *help = CurrentHelpWindow()) {
                help->WaitUntilReady();
                opened = help->CurrentPage();
                QCOMPARE(help->HelpFile(), AppPath + QStringLiteral("NORVANTA.CHM"));
            }
            form.close();
        });
        if (window == "UserForm")
            FormInstance<UserForm>().ShowModal();
        else if (window == "AboutForm")
            FormInstance<AboutForm>().ShowModal();
        else
            FormInstance<IntroForm>().ShowModal();
        QCOMPARE(opened.fileName(), page);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
