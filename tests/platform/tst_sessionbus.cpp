#include "platform/process/SessionBus.h"

#include <QDBusConnection>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <pthread.h>

namespace {
int forks = 0;
} // namespace

// Without a session bus the program neither starts one nor forks: D-Bus
// would fork it to run dbus-launch, and a child forked while another thread
// holds the allocator's lock never gets to run it.
class TestSessionBus : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir runtime;

    // The environment of a start: the session's bus address, if any, and
    // whether the runtime folder holds the session's bus.
    void StartWith(const QByteArray &address, bool runtimeBus)
    {
        if (address.isEmpty())
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        else
            qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QFile::remove(runtime.filePath("bus"));
        if (runtimeBus) {
            QFile bus(runtime.filePath("bus"));
            QVERIFY(bus.open(QIODevice::WriteOnly));
        }
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        // D-Bus starts a bus only for a display.
        qputenv("DISPLAY", ":31999");
    }

private slots:
    void initTestCase() { pthread_atfork(nullptr, [] { ++forks; }, nullptr); }

    // A session's bus is used where the session has one: its address, or the
    // bus in the runtime folder, which D-Bus finds itself. Else no address
    // D-Bus could start a bus for.
    void addressLeftOrDisabled_data()
    {
        QTest::addColumn<QByteArray>("given");
        QTest::addColumn<bool>("runtimeBus");
        QTest::addColumn<QByteArray>("address");
        QTest::addRow("session-address") << QByteArray("unix:path=/run/user/1000/bus") << false
                                         << QByteArray("unix:path=/run/user/1000/bus");
        QTest::addRow("runtime-folder-bus") << QByteArray() << true << QByteArray();
        QTest::addRow("no-bus-at-all") << QByteArray() << false << QByteArray("disabled:");
    }

    void addressLeftOrDisabled()
    {
        QFETCH(QByteArray, given);
        QFETCH(bool, runtimeBus);
        StartWith(given, runtimeBus);
        NeverStartSessionBus();
        QTEST(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "address");
    }

    // Asked for the session bus where there is none, as the accessibility
    // bridge asks while the splash is built: no bus, and no fork.
    void noBusIsStarted()
    {
        StartWith(QByteArray(), false);
        NeverStartSessionBus();
        QVERIFY(!QDBusConnection::sessionBus().isConnected());
        QCOMPARE(forks, 0);
    }
};

QTEST_GUILESS_MAIN(TestSessionBus)
#include "tst_sessionbus.moc"
