#include "ProgramState.h"

#include "platform/process/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstring>
#include <future>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Two copies of one program folder meet through the lock and the socket; the
// asking copy blocks until the answer, so it runs on a worker thread while the
// running copy answers from this thread's event loop.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

    static bool ask(const QString &programFolder, const QString &title, const QString &ownTitle, int timeoutMs = 5000)
    {
        std::future<bool> asked = std::async(std::launch::async, [=] {
            SingleInstance asking(programFolder);
            return asking.ActivatePrevious(title, ownTitle, timeoutMs);
        });
        while (asked.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return asked.get();
    }

    // The lock file of this test's program folder.
    QString lockFile() const
    {
        return SingleInstance::ServerName(folder.path()).chopped(int(qstrlen(".socket"))) + QStringLiteral(".lock");
    }

    // A copy speaking the protocol by hand from this thread, so that the
    // running copy reads only when this test lets its events run.
    static int connectByHand(const QString &programFolder)
    {
        const QByteArray path = QFile::encodeName(SingleInstance::ServerName(programFolder));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(path.size()) >= sizeof address.sun_path)
            return -1;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    // All the running copy sends until it hangs up; "<open>" when it keeps
    // the connection beyond the wait.
    static QByteArray answerByHand(int fd)
    {
        QByteArray answer;
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            char buffer[64];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n == 0)
                return answer;
            if (n > 0)
                answer.append(buffer, n);
            else
                QTest::qWait(10);
        }
        return answer + "<open>";
    }

    // The connections this process holds, the running copy's among them.
    static int openFiles()
    {
        return int(QDir(QStringLiteral("/proc/self/fd"))
                       .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                       .size());
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Norvanta"));
        QVERIFY(folder.isValid());
    }

    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    // The first copy of a folder finds no other; the second finds the first,
    // whether or not the folder is written with its trailing separator.
    void secondCopyFindsTheFirst()
    {
        SingleInstance first(folder.path());
        QVERIFY(!first.PrevInstance());
        SingleInstance second(folder.path() + QLatin1Char('/'));
        QVERIFY(second.PrevInstance());
    }

    // Copies of different folders use different databases and never meet.
    void otherFolderIsAnotherProgram()
    {
        QTemporaryDir other;
        SingleInstance first(folder.path());
        QVERIFY(!first.PrevInstance());
        SingleInstance elsewhere(other.path());
        QVERIFY(!elsewhere.PrevInstance());
    }

    // When the running copy ends, its place is free for the next one.
    void lockGoesWithTheCopy()
    {
        {
            SingleInstance first(folder.path());
            QVERIFY(!first.PrevInstance());
        }
        SingleInstance next(folder.path());
        QVERIFY(!next.PrevInstance());
    }

    // A copy that died leaves its lock file and socket behind; the next copy
    // takes them over instead of handing over to nobody. Earlier copies wrote
    // their process number into the file.
    void deadCopysLockIsTakenOver()
    {
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile lock(lockFile());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nnorvanta\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();
        QFile socket(SingleInstance::ServerName(folder.path()));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();

        SingleInstance next(folder.path());
        QVERIFY(!next.PrevInstance());
        // And it answers later copies on the socket it made anew.
        int asked = 0;
        next.SetActivateHandler([&](const QString &) { return ++asked, true; });
        QVERIFY(ask(folder.path(), QStringLiteral("Norvanta"), QStringLiteral("Norvanta - Duplicate")));
        QCOMPARE(asked, 1);
    }

    // The lock is the system's: a process that holds it is a running copy,
    // and once that process is killed the lock is free at once.
    void lockHeldByAnotherProcess()
    {
        QProcess holder;
        holder.start(QStringLiteral("flock"),
                     {QStringLiteral("--exclusive"), QStringLiteral("--no-fork"), lockFile(),
                      QStringLiteral("--command"), QStringLiteral("echo held; exec sleep 30")});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readAll().trimmed(), QByteArray("held"));
        QVERIFY(SingleInstance(folder.path()).PrevInstance());
        holder.kill();
        QVERIFY(holder.waitForFinished());
        SingleInstance next(folder.path());
        QVERIFY(!next.PrevInstance());
    }

    // A lock that cannot be opened is told, and the copy runs on alone.
    void lockThatCannotBeOpened()
    {
        QFile::remove(lockFile());
        QVERIFY(QDir().mkpath(lockFile()));
        auto removed = qScopeGuard([this] { QDir().rmdir(lockFile()); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^Cannot tell whether another copy of the program runs: .*\\.lock: ")));
        SingleInstance alone(folder.path());
        QVERIFY(!alone.PrevInstance());
    }

    // The running copy carries out a request for its own title from a copy
    // that has stepped aside, and answers only after its handler has run.
    void handOver_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("ownTitle");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("done");
        QTest::addRow("duplicate-asks-running-copy") << "Norvanta" << "Norvanta - Duplicate" << true << true;
        QTest::addRow("another-program-title") << "Other" << "Other - Duplicate" << false << false;
        QTest::addRow("asker-still-carries-title") << "Norvanta" << "Norvanta" << false << false;
    }

    void handOver()
    {
        QFETCH(QString, title);
        QFETCH(QString, ownTitle);
        QFETCH(bool, handled);
        QFETCH(bool, done);
        SingleInstance running(folder.path());
        QVERIFY(!running.PrevInstance());
        QStringList requests;
        running.SetActivateHandler([&](const QString &wanted) {
            requests << wanted;
            return true;
        });
        QCOMPARE(ask(folder.path(), title, ownTitle), done);
        QCOMPARE(requests, handled ? QStringList{title} : QStringList{});
    }

    // The running copy reads a request however it comes, answers it and
    // hangs up; a copy that hangs up without a whole request, or keeps quiet
    // meanwhile, holds up no one, and no connection is left behind.
    void answersEachConnection_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QByteArray>("answer");
        QTest::addRow("whole-line") << QList<QByteArray>{"ACTIVATE\tNorvanta\tNorvanta - Duplicate\n"}
                                    << QByteArray("DONE\n");
        QTest::addRow("two-pieces") << QList<QByteArray>{"ACTIVATE\tNorv", "anta\tNorvanta - Duplicate\n"}
                                    << QByteArray("DONE\n");
        QTest::addRow("line-end-alone") << QList<QByteArray>{"ACTIVATE\tNorvanta\tNorvanta - Duplicate", "\n"}
                                        << QByteArray("DONE\n");
        QTest::addRow("refused-in-pieces") << QList<QByteArray>{"ACTIVATE\tOther\t", "Other - Duplicate\n"}
                                           << QByteArray("NO\n");
        QTest::addRow("gone-mid-line") << QList<QByteArray>{"ACTIVATE\tNorvanta"} << QByteArray();
        QTest::addRow("gone-silent") << QList<QByteArray>{} << QByteArray();
    }

    void answersEachConnection()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QByteArray, answer);
        SingleInstance running(folder.path());
        QVERIFY(!running.PrevInstance());
        int asked = 0;
        running.SetActivateHandler([&](const QString &) { return ++asked, true; });
        const int filesBefore = openFiles();

        const int fd = connectByHand(folder.path());
        QVERIFY(fd >= 0);
        auto hangUp = qScopeGuard([fd] { ::close(fd); });
        for (const QByteArray &piece : pieces) {
            QCOMPARE(::send(fd, piece.constData(), size_t(piece.size()), MSG_NOSIGNAL), ssize_t(piece.size()));
            QTest::qWait(100);
        }
        if (!answer.isEmpty())
            QCOMPARE(answerByHand(fd), answer);
        // A later copy is answered, with this one still connected.
        QVERIFY(ask(folder.path(), QStringLiteral("Norvanta"), QStringLiteral("Norvanta - Duplicate"), 2000));
        QCOMPARE(asked, answer == "DONE\n" ? 2 : 1);
        hangUp.dismiss();
        ::close(fd);
        QTRY_COMPARE(openFiles(), filesBefore);
    }

    // Only the user can connect to the running copy, whatever the umask.
    void socketIsTheUsersOnly_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addRow("open-umask") << 0;
        QTest::addRow("usual-umask") << 022;
    }

    void socketIsTheUsersOnly()
    {
        QFETCH(int, umask);
        const mode_t before = ::umask(mode_t(umask));
        auto restore = qScopeGuard([before] { ::umask(before); });
        SingleInstance running(folder.path());
        QVERIFY(!running.PrevInstance());
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(SingleInstance::ServerName(folder.path())).constData(), &status), 0);
        QVERIFY(S_ISSOCK(status.st_mode));
        QCOMPARE(status.st_mode & 07777, mode_t(0600));
    }

    // A socket path holds at most 107 bytes. A longer one is not cut short to
    // name another file: the copy warns and runs unreachable, its lock still
    // keeping later copies out.
    void socketPathLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("reachable");
        QTest::addRow("longest-that-fits") << 107 << true;
        QTest::addRow("one-byte-over") << 108 << false;
        QTest::addRow("far-over") << 300 << false;
    }

    void socketPathLength()
    {
        QFETCH(int, length);
        QFETCH(bool, reachable);
        QTemporaryDir root;
        QString runtime = root.path() + QLatin1Char('/');
        runtime +=
            QString(length - int(qstrlen("/norvanta-0123456789abcdef.socket")) - runtime.size(), QLatin1Char('r'));
        QVERIFY(QDir().mkpath(runtime));
        QVERIFY(
            QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        auto restore = qScopeGuard([&] {
            if (wasSet)
                qputenv("XDG_RUNTIME_DIR", runtimeBefore);
            else
                qunsetenv("XDG_RUNTIME_DIR");
        });
        const QString name = SingleInstance::ServerName(folder.path());
        QCOMPARE(QFile::encodeName(name).size(), length);

        if (!reachable)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot answer .* too long$")));
        SingleInstance running(folder.path());
        QVERIFY(!running.PrevInstance());
        running.SetActivateHandler([](const QString &) { return true; });
        QStringList made{QFileInfo(name).completeBaseName() + QStringLiteral(".lock")};
        if (reachable)
            made << QFileInfo(name).fileName();
        QCOMPARE(QDir(runtime).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name), made);
        SingleInstance later(folder.path());
        QVERIFY(later.PrevInstance());
        if (!reachable)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot reach .* too long$")));
        QCOMPARE(ask(folder.path(), QStringLiteral("Norvanta"), QStringLiteral("Norvanta - Duplicate"), 1000),
                 reachable);
    }

    // The running copy that has no window to show yet says so.
    void runningCopyWithoutWindowRefuses()
    {
        SingleInstance running(folder.path());
        QVERIFY(!running.PrevInstance());
        running.SetActivateHandler([](const QString &) { return false; });
        QVERIFY(!ask(folder.path(), QStringLiteral("Norvanta"), QStringLiteral("Norvanta - Duplicate")));
    }

    // With nobody listening the asking copy gives up after its time.
    void nobodyAnswers()
    {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!ask(folder.path(), QStringLiteral("Norvanta"), QStringLiteral("Norvanta - Duplicate"), 300));
        QVERIFY(clock.elapsed() >= 250);
        QVERIFY(clock.elapsed() < 3000);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
