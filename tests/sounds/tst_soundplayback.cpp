// The sound files the build puts in the program's folder, the sound output
// beside the program, and the two sound devices that play them.

#include "ProgramState.h"
#include "SoundAnalysis.h"

#include "platform/sound/Sound.h"
#include "platform/sound/SpeakerModule.h"
#include "platform/sound/WaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
QString appDir()
{
    return qEnvironmentVariable("NORVANTA_APP_DIR") + '/';
}

// A WAVE file of the given format around the sample bytes.
QByteArray waveBytes(int tag, int channels, int rate, int bits, const QByteArray &data)
{
    QByteArray out("RIFF");
    const auto put = [&](quint32 v, int size) {
        for (int i = 0; i < size; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    put(36 + data.size(), 4);
    out.append("WAVEfmt ");
    put(16, 4);
    put(tag, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    out.append("data");
    put(data.size(), 4);
    return out + data;
}

QByteArray shorts(std::initializer_list<qint16> values)
{
    QByteArray out;
    for (qint16 v : values)
        out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    return out;
}
} // namespace

class TestSoundPlayback : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

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
        QVERIFY2(ReadWave(appDir() + name, wave), qPrintable(name));
        QCOMPARE(wave.format, 1);
        QCOMPARE(wave.channels, 1);
        QCOMPARE(wave.bits, 16);
        const double peak = SoundMeasure::Peak(wave);
        QVERIFY(peak > 16000);
        QVERIFY(peak < 32767);
        const double sounding = SoundMeasure::SoundingSeconds(wave);
        QVERIFY2(sounding >= shortest && sounding <= longest, qPrintable(QString::number(sounding)));
        // Small enough to lie beside the program.
        QVERIFY(QFile(appDir() + name).size() < 200 * 1024);
    }

    // A ship's horn and whistle by the regulations: the horn low, the whistle
    // between 250 and 700 Hz as a small vessel's, and brighter than the horn
    // (more of its sound lies higher up), so the two are told apart by ear.
    void fundamentals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QTest::addRow("prolonged-horn") << "HORN5.WAV" << 130.0 << 250.0;
        QTest::addRow("short-horn") << "HORN1.WAV" << 130.0 << 250.0;
        QTest::addRow("prolonged-whistle") << "WHISTLE5.WAV" << 250.0 << 700.0;
        QTest::addRow("short-whistle") << "WHISTLE1.WAV" << 250.0 << 700.0;
    }
    void fundamentals()
    {
        QFETCH(QString, name);
        QFETCH(double, lowest);
        QFETCH(double, highest);
        Wave wave;
        QVERIFY(ReadWave(appDir() + name, wave));
        const double fundamental = SoundMeasure::Fundamental(wave.Values(), wave.rate, 0.2);
        QVERIFY2(fundamental >= lowest && fundamental <= highest, qPrintable(QString::number(fundamental)));

        Wave horn;
        QVERIFY(ReadWave(appDir() + "HORN1.WAV", horn));
        const double hornCentre = SoundMeasure::Centre(horn.Values(), horn.rate, 0.2);
        const double centre = SoundMeasure::Centre(wave.Values(), wave.rate, 0.2);
        if (name.startsWith("WHISTLE"))
            QVERIFY2(centre > 2 * hornCentre, qPrintable(QString("%1 Hz against %2 Hz").arg(centre).arg(hornCentre)));
    }

    // Sound files of any plain format are read as mono samples at the rate
    // asked for; anything else is no sound. Values worked by hand: channels
    // averaged, rates met by straight lines between samples.
    void decodeWave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QList<int>>("samples");
        const int none = int(WaveFault::None);
        const int damaged = int(WaveFault::Damaged);
        const QByteArray ramp = shorts({0, 1000, 2000, -3000});
        QTest::addRow("16-bit-mono-same-rate") << waveBytes(1, 1, 8000, 16, ramp) << 8000 << none
                                               << QList<int>{0, 1000, 2000, -3000};
        QTest::addRow("16-bit-mono-twice-the-rate")
            << waveBytes(1, 1, 8000, 16, ramp) << 16000 << none << QList<int>{0, 500, 1000, 1500, 2000, -500, -3000};
        QTest::addRow("16-bit-stereo-averaged") << waveBytes(1, 2, 8000, 16, shorts({1000, 3000, -2000, 0})) << 8000
                                                << none << QList<int>{2000, -1000};
        QTest::addRow("8-bit-unsigned") << waveBytes(1, 1, 8000, 8, QByteArray("\x80\xC0\x40", 3)) << 8000 << none
                                        << QList<int>{0, 16384, -16384};
        QTest::addRow("24-bit") << waveBytes(1, 1, 8000, 24, QByteArray("\x00\x00\x40\x00\x00\xC0", 6)) << 8000
                                << none << QList<int>{16384, -16384};
        QTest::addRow("32-bit-float") << waveBytes(3, 1, 8000, 32, QByteArray("\x00\x00\x00\x3F", 4)) << 8000
                                      << none << QList<int>{16384};
        QTest::addRow("compressed-format") << waveBytes(2, 1, 8000, 4, ramp) << 8000 << damaged << QList<int>{};
        QTest::addRow("no-samples") << waveBytes(1, 1, 8000, 16, QByteArray()) << 8000 << int(WaveFault::Empty)
                                    << QList<int>{};
        QTest::addRow("not-a-wave") << QByteArray("this is not a sound") << 8000 << damaged << QList<int>{};
        QTest::addRow("no-data-chunk") << waveBytes(1, 1, 8000, 16, ramp).left(36) << 8000 << damaged
                                       << QList<int>{};
        QTest::addRow("empty-file") << QByteArray("") << 8000 << int(WaveFault::Empty) << QList<int>{};
        QTest::addRow("missing-file") << QByteArray() << 8000 << int(WaveFault::Missing) << QList<int>{};
        // A folder where the file should be cannot be opened as one.
        QTest::addRow("folder-in-its-place") << QByteArray("folder") << 8000 << int(WaveFault::Unreadable)
                                             << QList<int>{};
    }
    void decodeWave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rate);
        QFETCH(int, fault);
        QFETCH(QList<int>, samples);
        QTemporaryDir dir;
        const QString path = dir.path() + "/SOUND.WAV";
        if (bytes == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (!bytes.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        SoundSamples decoded;
        QCOMPARE(int(DecodeWave(path, rate, decoded)), fault);
        QList<int> got;
        for (qint16 v : decoded)
            got << v;
        // Within one step of 16-bit rounding.
        QCOMPARE(got.size(), samples.size());
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(std::abs(got[i] - samples[i]) <= 1, qPrintable(QString("%1: %2").arg(i).arg(got[i])));
    }

    // The sound output is looked for in the one folder given, beside the
    // program; the reason there is none ends "No sound can be heard: ".
    void findSpeakerModule_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("problem");
        QTest::addRow("beside-the-program") << "output" << true << QString();
        QTest::addRow("missing") << "" << false << "the sound output %1 is missing.";
        QTest::addRow("empty-file") << "empty" << false << "the sound output %1 cannot be loaded (";
        QTest::addRow("damaged") << "damaged" << false << "the sound output %1 cannot be loaded (";
        QTest::addRow("another-module") << "other" << false << "%1 is not the program's sound output.";
    }
    void findSpeakerModule()
    {
        QFETCH(QString, module);
        QFETCH(bool, found);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString file = dir.filePath("norvanta_speakers.so");
        if (module == "output")
            QVERIFY(QFile::copy(appDir() + "norvanta_speakers.so", file));
        else if (module == "other")
            QVERIFY(QFile::copy(NOT_SPEAKERS_PATH, file));
        QFile f(file);
        if (module == "empty" || module == "damaged")
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(module == "damaged" ? "\x7f" "ELF broken" : "") >= 0);
        f.close();
        const SpeakerModule output = FindSpeakerModule(dir.path());
        QCOMPARE(output.make != nullptr, found);
        if (found)
            QCOMPARE(output.problem, QString());
        else
            QVERIFY2(output.problem.startsWith(problem.arg(file)), qPrintable(output.problem));
    }

    // The program looks for its sound output beside itself and nowhere
    // else: beside this test there is none, though the build made one.
    void outputOnlyBesideTheProgram()
    {
        const QString besideUs = QCoreApplication::applicationDirPath() + "/norvanta_speakers.so";
        QVERIFY(!QFile::exists(besideUs));
        QVERIFY(QFile::exists(appDir() + "norvanta_speakers.so"));
        QCOMPARE(PrepareSounds({appDir() + "HORN1.WAV"}),
                 QStringList{"No sound can be heard: the sound output " + besideUs + " is missing."});
        QCOMPARE(PrepareSounds({appDir() + "HORN1.WAV"}), QStringList{});
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
        QVERIFY(ReadWave(appDir() + name, wave));
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
        SetSpeakerFolder(appDir());
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
