#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>

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

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Norvanta"));
        QVERIFY(folder.isValid());
    }

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

    // A copy that died leaves its lock and socket behind; the next copy takes
    // them over instead of handing over to nobody.
    void deadCopysLockIsTakenOver()
    {
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        // A lock as a copy writes it, naming a process that has ended.
        const QString base = SingleInstance::ServerName(folder.path()).chopped(int(qstrlen(".socket")));
        QByteArray content;
        {
            QLockFile own(base + QStringLiteral(".lock"));
            QVERIFY(own.tryLock(0));
            QFile written(base + QStringLiteral(".lock"));
            QVERIFY(written.open(QIODevice::ReadOnly));
            content = written.readAll();
        }
        content = QByteArray::number(deadPid) + content.mid(content.indexOf('\n'));
        QFile lock(base + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
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
