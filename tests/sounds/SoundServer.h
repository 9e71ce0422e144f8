#pragma once

// A sound server of the test's own: a PulseAudio daemon in a private runtime
// folder with one null sink, so that what the program plays can be recorded
// from the sink's monitor and measured. It runs as root too (CI has no
// desktop session), and nothing outside its folder is touched.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

// Seconds on the monotonic clock, the one the program's waits use.
inline double MonotonicSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class SoundServer
{
public:
    static constexpr int Rate = 48000;
    static constexpr const char *Sink = "norvanta_test";

    ~SoundServer() { Stop(); }

    // Starts the daemon and points this process's sound clients at it.
    // Returns why it could not, or an empty text.
    QString Start()
    {
        if (!dir.isValid())
            return QStringLiteral("no temporary folder for the sound server");
        for (const char *tool : {"pulseaudio", "pactl", "parecord"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return QStringLiteral("%1 is not installed (scripts/deps.sh installs it)").arg(tool);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socket = dir.filePath(QStringLiteral("native"));
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", dir.filePath(QStringLiteral("runtime")).toLocal8Bit());
        qputenv("PULSE_STATE_PATH", dir.filePath(QStringLiteral("state")).toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        qputenv("PULSE_SINK", Sink);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        daemon.setProcessEnvironment(env);
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        // -n: no default configuration, only the two modules named; the
        // daemon stays in the foreground, never exits when idle, and the
        // anonymous socket needs no cookie.
        daemon.start(QStringLiteral("pulseaudio"),
                     {"-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1", "--use-pid-file=no",
                      "--disallow-exit", "--log-target=stderr", "--log-level=warning", "-L",
                      QStringLiteral("module-null-sink sink_name=%1 rate=%2 channels=2").arg(Sink).arg(Rate), "-L",
                      QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1").arg(socket)});
        if (!daemon.waitForStarted(5000))
            return QStringLiteral("pulseaudio did not start: %1").arg(daemon.errorString());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            if (daemon.state() != QProcess::Running)
                return QStringLiteral("pulseaudio stopped at once: %1")
                    .arg(QString::fromLocal8Bit(daemon.readAll()).trimmed());
            QProcess info;
            info.start(QStringLiteral("pactl"), {"info"});
            if (info.waitForFinished(3000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0)
                return QString();
            QThread::msleep(100);
        }
        return QStringLiteral("pulseaudio did not answer within 10 s: %1")
            .arg(QString::fromLocal8Bit(daemon.readAll()).trimmed());
    }

    void Stop()
    {
        if (daemon.state() == QProcess::NotRunning)
            return;
        daemon.terminate();
        if (!daemon.waitForFinished(5000)) {
            daemon.kill();
            daemon.waitForFinished(2000);
        }
    }

    static QString Monitor() { return QStringLiteral("%1.monitor").arg(Sink); }

private:
    QTemporaryDir dir;
    QProcess daemon;
};

// Records the sink's monitor with parecord, mono, and notes when each piece
// arrives, which ties every sample to the monotonic clock.
class MonitorRecording : public QThread
{
public:
    ~MonitorRecording() override { Finish(); }

    // Starts recording and returns once samples flow; false if they do not.
    bool Begin()
    {
        start();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (values.size() > SoundServer::Rate / 5)
                    return true;
            }
            if (isFinished())
                return false;
            QThread::msleep(10);
        }
        return false;
    }

    void Finish()
    {
        stopping = true;
        wait();
    }

    const std::vector<double> &Samples() const { return values; }
    // Monotonic seconds of sample i. A piece cannot arrive before its last
    // sample was made, so the earliest arrival, less the samples before it,
    // gives the time of the first sample, a few milliseconds late at most.
    double TimeOf(size_t i) const { return firstSample + double(i) / SoundServer::Rate; }

protected:
    void run() override
    {
        QProcess parecord;
        parecord.start(QStringLiteral("parecord"), {"--raw", "--device=" + SoundServer::Monitor(),
                                                    QStringLiteral("--rate=%1").arg(SoundServer::Rate), "--channels=1",
                                                    "--format=s16le", "--latency-msec=5"});
        if (!parecord.waitForStarted(5000))
            return;
        QByteArray pending;
        while (!stopping && parecord.state() == QProcess::Running) {
            if (!parecord.waitForReadyRead(20))
                continue;
            const double arrived = MonotonicSeconds();
            pending += parecord.readAllStandardOutput();
            std::lock_guard<std::mutex> lock(mutex);
            for (qsizetype at = 0; at + 1 < pending.size(); at += 2)
                values.push_back(qFromLittleEndian<qint16>(pending.constData() + at));
            pending.remove(0, pending.size() & ~qsizetype(1));
            firstSample = std::min(firstSample, arrived - double(values.size()) / SoundServer::Rate);
        }
        parecord.terminate();
        if (!parecord.waitForFinished(3000)) {
            parecord.kill();
            parecord.waitForFinished(1000);
        }
    }

private:
    std::atomic<bool> stopping{false};
    std::mutex mutex;
    std::vector<double> values;
    double firstSample = 1e300;
};
