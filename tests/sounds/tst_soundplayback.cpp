// The sound files the build puts in the program's folder, and the two sound
// devices that play them.

#include "platform/Sound.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {
QString appDir() { return qEnvironmentVariable("NORVANTA_APP_DIR") + '/'; }

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples;
};

// Reads a plain RIFF WAVE file: the "fmt " and "data" chunks.
bool readWave(const QString &path, Wave &wave)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (at + 8 + size > bytes.size())
            return false;
        if (id == "fmt ") {
            wave.format = u16(at + 8);
            wave.channels = u16(at + 10);
            wave.rate = static_cast<int>(u32(at + 12));
            wave.bits = u16(at + 22);
        } else if (id == "data") {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<qint16>(u16(at + 8 + i)));
        }
        at += 8 + size + (size & 1);
    }
    return wave.rate > 0 && !wave.samples.empty();
}

// Seconds from the start to the last tenth of a second in which the sound
// is still clearly heard.
double soundingSeconds(const Wave &wave, double peak)
{
    const size_t window = static_cast<size_t>(wave.rate / 10);
    double last = 0;
    for (size_t start = 0; start + window <= wave.samples.size(); start += window) {
        double sum = 0;
        for (size_t i = start; i < start + window; ++i)
            sum += double(wave.samples[i]) * wave.samples[i];
        if (std::sqrt(sum / window) > 0.05 * peak)
            last = double(start + window) / wave.rate;
    }
    return last;
}
} // namespace

class TestSoundPlayback : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetSoundRecorder({}); }

    // Each file is mono 16-bit PCM and sounds for about as long as its
    // signal: about 5 s for the prolonged blasts and the rapid ringing, about
    // a second for a short blast and a bell stroke.
    void soundFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::addRow("prolonged-horn") << "HORN5.WAV" << 4.0 << 5.0;
        QTest::addRow("short-horn") << "HORN1.WAV" << 0.6 << 1.0;
        QTest::addRow("bell-stroke") << "BELL1.WAV" << 0.5 << 1.3;
        QTest::addRow("rapid-bell") << "BELLRAP.WAV" << 4.0 << 5.0;
        QTest::addRow("gong") << "GONG.WAV" << 4.0 << 5.0;
        QTest::addRow("prolonged-whistle") << "WHISTLE5.WAV" << 4.0 << 5.0;
        QTest::addRow("short-whistle") << "WHISTLE1.WAV" << 0.6 << 1.0;
    }
    void soundFiles()
    {
        QFETCH(QString, name);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        Wave wave;
        QVERIFY2(readWave(appDir() + name, wave), qPrintable(name));
        QCOMPARE(wave.format, 1);
        QCOMPARE(wave.channels, 1);
        QCOMPARE(wave.bits, 16);
        double peak = 0;
        for (qint16 s : wave.samples)
            peak = std::max(peak, std::fabs(double(s)));
        QVERIFY(peak > 16000);
        QVERIFY(peak < 32767);
        const double sounding = soundingSeconds(wave, peak);
        QVERIFY2(sounding >= shortest && sounding <= longest, qPrintable(QString::number(sounding)));
        // Small enough to lie beside the program.
        QVERIFY(QFile(appDir() + name).size() < 200 * 1024);
    }

    // A short blast ends in silence, so blasts given one a second stay apart.
    void shortBlastsEndInSilence_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("horn") << "HORN1.WAV";
        QTest::addRow("whistle") << "WHISTLE1.WAV";
    }
    void shortBlastsEndInSilence()
    {
        QFETCH(QString, name);
        Wave wave;
        QVERIFY(readWave(appDir() + name, wave));
        const size_t from = wave.samples.size() - size_t(wave.rate / 20);
        for (size_t i = from; i < wave.samples.size(); ++i)
            QVERIFY(std::abs(wave.samples[i]) < 50);
    }

    // What the program asks of the devices, as a test sees it.
    void recorderSeesRequests()
    {
        QList<SoundCall> calls;
        SetSoundRecorder([&](const SoundCall &call) { calls << call; });
        SoundCard::Play("/p/HORN5.WAV");
        SoundCard::Stop();
        MMControl smm;
        smm.SetFileName("/p/GONG.WAV");
        smm.Command("Close");
        smm.Command("Open");
        smm.Command("Play");
        QStringList seen;
        for (const SoundCall &c : calls)
            seen << c.device + ' ' + c.command + ' ' + c.file;
        QCOMPARE(seen, QStringList({"card Play /p/HORN5.WAV", "card Stop ", "multimedia Close ",
                                    "multimedia Open /p/GONG.WAV", "multimedia Play "}));
    }

    // The real devices start and stop the program's files and stay silent,
    // without failing, for a file that is missing or is no sound.
    void realDevices_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addRow("sound-file") << appDir() + "HORN1.WAV";
        QTest::addRow("missing-file") << appDir() + "NOSUCH.WAV";
        QTest::addRow("not-a-sound") << QString("broken");
    }
    void realDevices()
    {
        QFETCH(QString, file);
        QTemporaryDir dir;
        if (file == "broken") {
            file = dir.path() + "/BROKEN.WAV";
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not a sound");
        }
        SoundCard::Play(file);
        QTest::qWait(100);
        SoundCard::Stop();
        MMControl smm;
        smm.SetFileName(file);
        smm.Command("Close");
        smm.Command("Open");
        smm.Command("Play");
        QTest::qWait(100);
        QCOMPARE(smm.FileName(), file);
        smm.Command("Close");
    }
};

QTEST_MAIN(TestSoundPlayback)
#include "tst_soundplayback.moc"
