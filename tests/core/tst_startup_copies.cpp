#include "tst_useroptions_fixture.h"

#include "core/AboutForm.h"
#include "core/Main.h"
#include "platform/process/SingleInstance.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <optional>

// Two copies of the program started from one program folder: the built
// executable is copied into a folder of its own, with a fresh database, and
// started there, since a copy's folder is where its executable lies.
class TestStartupCopies : public QObject
{
    Q_OBJECT

private:
    // A program folder with the executable and its database.
    struct ProgramFolder {
        UserOptionsFixture fx;
        QString executable;

        ProgramFolder()
        {
            executable = fx.folder.filePath(QStringLiteral("norvanta"));
            QFile::copy(qEnvironmentVariable("NORVANTA_APP_DIR") + QStringLiteral("/norvanta"), executable);
            QFile::setPermissions(executable, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            // No introduction over the main window.
            fx.Store("0", "Y", "N");
        }

        QString Path() const { return fx.folder.path(); }

        // The options record taken away and the file dated in the past: a copy
        // that read the options would make the record again and so change both.
        void Arm()
        {
            fx.RemoveRecord();
            QFile file(fx.DatabaseFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }

        QDateTime Modified() const { return QFileInfo(fx.DatabaseFile()).lastModified(); }
    };

    std::vector<std::unique_ptr<QProcess>> started;
    QProcessEnvironment display = QProcessEnvironment::systemEnvironment();

    QProcess *Start(const ProgramFolder &folder)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(display);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(folder.executable, {});
        process->waitForStarted();
        started.push_back(std::move(process));
        return started.back().get();
    }

    // A copy is up once it answers a request: it listens from its first
    // moment, but carries one out only when its main window is shown.
    static bool WaitUntilUp(const ProgramFolder &folder, QProcess *process)
    {
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && process->state() == QProcess::Running) {
            SingleInstance probe(folder.Path());
            if (probe.ActivatePrevious(QStringLiteral("Norvanta"), QStringLiteral("Norvanta - Duplicate"), 1000))
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    // The "Main Menu" windows of an X display, top to bottom (the order in
    // which the server lists them), as the process ids of their programs.
    static QList<qint64> MainMenusTopToBottom(const QString &display)
    {
        QProcess tree;
        tree.start(QStringLiteral("xwininfo"), {"-display", display, "-root", "-children"});
        tree.waitForFinished();
        QList<qint64> pids;
        static const QRegularExpression line(QStringLiteral("^\\s*(0x[0-9a-f]+) \"Main Menu\""));
        for (const QString &text : QString::fromLocal8Bit(tree.readAllStandardOutput()).split('\n')) {
            const QRegularExpressionMatch window = line.match(text);
            if (!window.hasMatch())
                continue;
            QProcess property;
            property.start(QStringLiteral("xprop"), {"-display", display, "-id", window.captured(1), "_NET_WM_PID"});
            property.waitForFinished();
            pids << QString::fromLocal8Bit(property.readAllStandardOutput()).section('=', 1).trimmed().toLongLong();
        }
        return pids;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(qEnvironmentVariable("NORVANTA_APP_DIR") + QStringLiteral("/norvanta")).isExecutable(),
                 "the program is built");
        display.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The copies run as a user starts them, with no leak suppressions
        // given: what the system libraries keep must not fail their exit.
        display.remove(QStringLiteral("LSAN_OPTIONS"));
    }

    void init() { ResetProgramState(); }

    void cleanup()
    {
        display.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        display.remove(QStringLiteral("DISPLAY"));
        for (auto &process : started) {
            process->kill();
            process->waitForFinished();
        }
        started.clear();
        ResetProgramState();
        QCoreApplication::setApplicationName(QStringLiteral("tst_startup_copies"));
    }

    // The second copy ends at once with its request carried out (status 0:
    // the first copy restored and activated its main window), while the
    // first runs on; the second never read the options, so the database is
    // as it was, not even its date changed.
    void secondCopyHandsOver()
    {
        ProgramFolder folder;
        QProcess *first = Start(folder);
        QVERIFY(WaitUntilUp(folder, first));
        folder.Arm();
        const QDateTime modified = folder.Modified();

        QElapsedTimer clock;
        clock.start();
        QProcess *second = Start(folder);
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(clock.elapsed() < 10000);

        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(folder.Modified(), modified);
        QCOMPARE(folder.fx.Records(), QStringList());
    }

    // On a real display: the running copy's main window, covered by another
    // program's, comes to the top when a second copy starts.
    void runningCopysWindowIsRaised()
    {
        QProcess server;
        server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!server.waitForStarted())
            QSKIP("No X server to start");
        QVERIFY(server.waitForReadyRead(10000));
        const QString xdisplay = QLatin1Char(':') + QString::fromLocal8Bit(server.readLine()).trimmed();
        display.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        display.insert(QStringLiteral("DISPLAY"), xdisplay);
        struct StopServer {
            QProcess &server;
            ~StopServer()
            {
                server.kill();
                server.waitForFinished();
            }
        } stop{server};

        ProgramFolder folder;
        ProgramFolder other;
        QProcess *first = Start(folder);
        QVERIFY(WaitUntilUp(folder, first));
        QProcess *cover = Start(other);
        QVERIFY(WaitUntilUp(other, cover));
        QTRY_COMPARE(MainMenusTopToBottom(xdisplay), (QList<qint64>{cover->processId(), first->processId()}));

        QProcess *second = Start(folder);
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE(MainMenusTopToBottom(xdisplay), (QList<qint64>{first->processId(), cover->processId()}));
        for (auto &process : started) {
            process->kill();
            process->waitForFinished();
        }
        started.clear();
    }

    // Copies of different folders are different programs: both run.
    void otherFolderRunsItsOwnCopy()
    {
        ProgramFolder one;
        ProgramFolder other;
        QProcess *first = Start(one);
        QVERIFY(WaitUntilUp(one, first));
        QProcess *second = Start(other);
        QVERIFY(WaitUntilUp(other, second));
        QCOMPARE(first->state(), QProcess::Running);
    }

    // This process as the second copy of a running program: the splash comes
    // up, the title carries " - Duplicate" when the running copy is asked,
    // the program ends with the request carried out, and Main never runs.
    void splashOfSecondCopyHandsOver()
    {
        ProgramFolder folder;
        QProcess *first = Start(folder);
        QVERIFY(WaitUntilUp(folder, first));
        folder.Arm();
        const QDateTime modified = folder.Modified();

        QCoreApplication::setApplicationName(QStringLiteral("Norvanta"));
        SetProgramFolder(folder.Path());
        int mainWindows = 0;
        SetMainWindowShower([&]() -> QWidget * { return ++mainWindows, nullptr; });
        std::optional<int> ended;
        QString titleAtEnd;
        bool splashShown = false;
        SetEndHandler([&](int code) {
            ended = code;
            titleAtEnd = QCoreApplication::applicationName();
            splashShown = FormInstance<AboutForm>().isVisible() && FormInstance<AboutForm>().AboutLabel[3]->isVisible();
        });
        AppPath.clear();

        FormInstance<AboutForm>().Load();
        QVERIFY(ended.has_value());
        QCOMPARE(*ended, 0);
        QCOMPARE(titleAtEnd, QStringLiteral("Norvanta - Duplicate"));
        QVERIFY(splashShown);
        QCOMPARE(mainWindows, 0);
        QVERIFY(AppPath.isEmpty());
        QCOMPARE(folder.Modified(), modified);
        QCOMPARE(folder.fx.Records(), QStringList());
        QCOMPARE(first->state(), QProcess::Running);
    }
};

QTEST_MAIN(TestStartupCopies)
#include "tst_startup_copies.moc"
