// What a learner hears: the program plays into a sound server of the test's
// own, the sink's monitor is recorded, and every sound is found in the
// recording by the level of its strongest frequency: it must start on time,
// last as long as its file, never be cut by the next nor break up, and a
// new signal is never heard over the one before.

#include "MachineStalls.h"
#include "SoundAnalysis.h"
#include "SoundPictures.h"
#include "SoundServer.h"

#include "platform/sound/Sound.h"
#include "platform/values/Shuffle.h"
#include "sounds/SignalWait.h"
#include "sounds/SoundForm.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <map>

namespace {
QString appDir()
{
    return qEnvironmentVariable("NORVANTA_APP_DIR") + '/';
}

const QStringList SoundFiles{"HORN5.WAV", "HORN1.WAV",    "BELL1.WAV",   "BELLRAP.WAV",
                             "GONG.WAV",  "WHISTLE5.WAV", "WHISTLE1.WAV"};
// A sound may start this late or early, in seconds.
constexpr double OnTime = 0.05;
constexpr int Starts = 20;
// A measure the machine stood still in is taken again, this many times in all.
constexpr int Attempts = 4;

// A sound file as the measures see it: the frequency that tells it from the
// others, its level over time at that frequency, and where it sounds.
struct FileSound {
    double frequency = 0;
    double threshold = 0;
    SoundMeasure::Span span;
};

double seconds(size_t steps)
{
    return double(steps) * SoundMeasure::Hop;
}

// The step of the recording's level that begins at monotonic time t.
size_t stepAt(const MonitorRecording &recording, double t)
{
    const double s = (t - recording.TimeOf(0)) / SoundMeasure::Hop;
    return s <= 0 ? 0 : static_cast<size_t>(s);
}
} // namespace

Q_DECLARE_METATYPE(std::vector<StoredSoundLine>)

class TestSoundHeard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString problem = server.Start();
        QVERIFY2(problem.isEmpty(), qPrintable("No sound server for the test: " + problem));
        for (const QString &name : SoundFiles) {
            Wave wave;
            QVERIFY2(ReadWave(appDir() + name, wave), qPrintable(name));
            const std::vector<double> samples = wave.Values();
            FileSound sound;
            sound.frequency = SoundMeasure::Strongest(samples, wave.rate, 0.15);
            const std::vector<double> level = SoundMeasure::Level(samples, wave.rate, sound.frequency);
            sound.threshold = *std::max_element(level.begin(), level.end()) / 4;
            sound.span = SoundMeasure::Sounding(level, sound.threshold, 0, level.size());
            QVERIFY(sound.span.found);
            files[name] = sound;
        }
    }
    void cleanupTestCase() { server.Stop(); }
    void init()
    {
        ResetProgramState();
        // The sound output lies beside the program, not beside the test.
        SetSpeakerFolder(appDir());
    }
    void cleanup() { ResetProgramState(); }

    // Twenty sounds asked for one after another, 1.5 s apart: each starts
    // within 50 ms of the request. The figures are printed.
    void startLatency_data()
    {
        QTest::addColumn<bool>("multimedia");
        QTest::addRow("sound-card") << false;
        QTest::addRow("multimedia") << true;
    }
    void startLatency()
    {
        QFETCH(bool, multimedia);
        const QString file = appDir() + "HORN1.WAV";
        const FileSound &sound = files["HORN1.WAV"];
        // As the quiz window does when it opens.
        PrepareSounds({file});
        QTest::qWait(500);
        MMControl smm;
        MonitorRecording recording;
        QVERIFY2(recording.Begin(), "parecord gave no samples");
        std::vector<double> asked;
        for (int i = 0; i < Starts; ++i) {
            asked.push_back(MonotonicSeconds());
            if (multimedia) {
                smm.Command("Close");
                smm.SetFileName(file);
                smm.Command("Open");
                smm.Command("Play");
            } else {
                SoundCard::Play(file);
            }
            QTest::qWait(1500);
        }
        recording.Finish();
        smm.Command("Stop");
        SoundCard::Stop();

        const std::vector<double> level = SoundMeasure::Level(recording.Samples(), SoundServer::Rate, sound.frequency);
        // A start is measured only where the machine ran from the request
        // before it to this one's sound.
        std::vector<double> late;
        QStringList excused;
        for (size_t i = 0; i < asked.size(); ++i) {
            const size_t from = stepAt(recording, asked[i] - 0.02);
            const size_t to = stepAt(recording, asked[i] + 1.45);
            const SoundMeasure::Span heard = SoundMeasure::Sounding(level, sound.threshold, from, to);
            const double start =
                heard.found ? recording.TimeOf(0) + seconds(heard.start) - seconds(sound.span.start) - asked[i] : 1.5;
            const QString stalled = stalls.During(asked[i] - 1.5, asked[i] + std::max(start, 0.0) + 0.05);
            if (stalled.isEmpty())
                late.push_back(start);
            else
                excused << QString("start %1 (%2 ms): %3").arg(i).arg(start * 1000, 0, 'f', 0).arg(stalled);
        }
        if (!excused.isEmpty())
            qInfo("not measured: %s", qPrintable(excused.join("; ")));
        if (late.size() < Starts / 2)
            QSKIP("the machine stood still in too many starts to measure them");
        std::vector<double> sorted = late;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        const double median = (sorted[(n - 1) / 2] + sorted[n / 2]) / 2;
        const double worst = sorted.back();
        qInfo("%s: start latency over %zu starts: median %.0f ms, worst %.0f ms", QTest::currentDataTag(), n,
              median * 1000, worst * 1000);
        QStringList each;
        for (double t : late)
            each << QString::number(t * 1000, 'f', 0);
        QVERIFY2(worst <= OnTime, qPrintable("starts late by (ms): " + each.join(' ')));
    }

    // Signals played by the quiz window's "&Play", in the sound-card and the
    // multimedia modes; each sound's start is given in seconds after the
    // click, from the signal's durations.
    void signalsHeard_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<std::vector<StoredSoundLine>>("lines");
        QTest::addColumn<QStringList>("schedule");
        QTest::addColumn<QString>("damaged");
        for (int mode : {0, 2}) {
            QTest::addRow("prolonged-then-two-short-horns-mode-%d", mode)
                << mode << std::vector<StoredSoundLine>{Sound(1, 5, 1), Sound(1, 2, 2)}
                << QStringList{"HORN5.WAV 0", "HORN1.WAV 5", "HORN1.WAV 7"} << QString();
            QTest::addRow("three-short-horns-mode-%d", mode)
                << mode << std::vector<StoredSoundLine>{Sound(1, 2, 3)}
                << QStringList{"HORN1.WAV 0", "HORN1.WAV 2", "HORN1.WAV 4"} << QString();
            QTest::addRow("rapid-bell-then-gong-mode-%d", mode)
                << mode << std::vector<StoredSoundLine>{Sound(3, 5, 1), Sound(4, 5, 1)}
                << QStringList{"BELLRAP.WAV 0", "GONG.WAV 5"} << QString();
            QTest::addRow("two-prolonged-whistles-mode-%d", mode)
                << mode << std::vector<StoredSoundLine>{Sound(5, 5, 2)}
                << QStringList{"WHISTLE5.WAV 0", "WHISTLE5.WAV 5"} << QString();
        }
        // The cycle runs from the signal's start; a signal longer than its
        // cycle starts again as soon as it ends.
        QTest::addRow("cycle-from-its-start-mode-0")
            << 0 << std::vector<StoredSoundLine>{Sound(1, 5, 1), Sound(7, 10, 1)}
            << QStringList{"HORN5.WAV 0", "HORN5.WAV 10", "HORN5.WAV 20"} << QString();
        QTest::addRow("longer-than-its-cycle-mode-0")
            << 0 << std::vector<StoredSoundLine>{Sound(1, 5, 3), Sound(7, 10, 1)}
            << QStringList{"HORN5.WAV 0",  "HORN5.WAV 5",  "HORN5.WAV 10", "HORN5.WAV 15",
                           "HORN5.WAV 20", "HORN5.WAV 25", "HORN5.WAV 30"}
            << QString();
        // A sound file that cannot be played is told of, and the rest of the
        // signal sounds on time.
        QTest::addRow("damaged-file-rest-plays-mode-0")
            << 0 << std::vector<StoredSoundLine>{Sound(1, 2, 1), Sound(1, 5, 1)} << QStringList{"HORN5.WAV 2"}
            << "HORN1.WAV";
    }
    void signalsHeard()
    {
        QFETCH(int, mode);
        QFETCH(std::vector<StoredSoundLine>, lines);
        QFETCH(QStringList, schedule);
        QFETCH(QString, damaged);
        PictureFixture fixture; // a fresh program state: the output is looked for anew
        QVERIFY(fixture.Create());
        SetSpeakerFolder(appDir());
        for (const QString &name : SoundFiles)
            QVERIFY(QFile::copy(appDir() + name, AppPath + name));
        if (!damaged.isEmpty()) {
            QFile file(AppPath + damaged);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("not a sound") > 0);
        }
        SoundMode = mode;
        AddSignal(fixture, "h", "a", "e", lines);
        const QStringList unheard = openQuietly();
        if (!damaged.isEmpty())
            QCOMPARE(unheard, QStringList{"The sound file " + AppPath + damaged + " is damaged, so it cannot be heard."});
        measureUntilClear([&] { return playSignal(schedule); });
    }

    // "&Next >" while the sound before still rings (a rapid bell of five
    // seconds given one) ends it as the next signal starts: never two
    // signals at once.
    void nextSilencesTheSignalBefore()
    {
        PictureFixture fixture; // a fresh program state: the output is looked for anew
        QVERIFY(fixture.Create());
        SetSpeakerFolder(appDir());
        for (const QString &name : SoundFiles)
            QVERIFY(QFile::copy(appDir() + name, AppPath + name));
        AddSignal(fixture, "h", "rings on", "e", {Sound(3, 1, 1)});
        AddSignal(fixture, "h", "next", "e", {Sound(1, 5, 1)});
        // The series in the order added.
        SetShuffleRandom([](long upper) { return upper; });
        openQuietly();
        SoundForm &form = FormInstance<SoundForm>();
        const FileSound &bell = files["BELLRAP.WAV"];
        const FileSound &horn = files["HORN5.WAV"];
        measureUntilClear([&] {
            MonitorRecording recording;
            if (!recording.Begin())
                return Findings::Of({"parecord gave no samples"}, QString());
            // A click returns once its signal has been given: the bell has
            // its second, then the pause after it, and rings on.
            const double played = MonotonicSeconds();
            QTest::mouseClick(form.Action[0], Qt::LeftButton);
            const double clicked = MonotonicSeconds();
            QTest::mouseClick(form.Action[2], Qt::LeftButton);
            QTest::qWait(300);
            recording.Finish();
            QStringList found;
            const std::vector<double> bellLevel =
                SoundMeasure::Level(recording.Samples(), SoundServer::Rate, bell.frequency);
            const SoundMeasure::Span before = SoundMeasure::Sounding(
                bellLevel, bell.threshold, stepAt(recording, clicked - 0.2), stepAt(recording, clicked - 0.1));
            if (!before.found)
                found << QString("the bell was no longer heard %1 s after it started")
                             .arg(clicked - played - 0.2, 0, 'f', 2);
            const SoundMeasure::Span after = SoundMeasure::Sounding(
                bellLevel, bell.threshold, stepAt(recording, clicked + OnTime), bellLevel.size());
            if (after.found)
                found << QString("the bell still heard %1 s after Next")
                             .arg(recording.TimeOf(0) + seconds(after.start + after.length) - clicked, 0, 'f', 2);
            const std::vector<double> hornLevel =
                SoundMeasure::Level(recording.Samples(), SoundServer::Rate, horn.frequency);
            const SoundMeasure::Span next = SoundMeasure::Sounding(
                hornLevel, horn.threshold, stepAt(recording, clicked - 0.02), stepAt(recording, clicked + 1.0));
            const double late = recording.TimeOf(0) + seconds(next.start) - seconds(horn.span.start) - clicked;
            if (!next.found)
                found << "the next signal was not heard";
            else if (late > OnTime)
                found << QString("the next signal started %1 ms after Next").arg(late * 1000, 0, 'f', 0);
            return Findings::Of(found, stalls.During(played, MonotonicSeconds()));
        });
    }

    // A blast the server holds whole sounds on while the program gets no
    // processor at all for a third of a second, as on a machine too busy to
    // run it: no gap of more than 5 ms.
    void blastWholeWhileTheProgramIsHeldUp()
    {
        const QString file = appDir() + "HORN5.WAV";
        const FileSound &sound = files["HORN5.WAV"];
        PrepareSounds({file});
        QTest::qWait(500);
        MonitorRecording recording;
        QVERIFY2(recording.Begin(), "parecord gave no samples");
        const double asked = MonotonicSeconds();
        SoundCard::Play(file);
        QTest::qWait(1000);
        const double held = MonotonicSeconds();
        QVERIFY2(holdThisProgram(0.3), "no helper to start the program again");
        QVERIFY2(MonotonicSeconds() - held >= 0.3, "the program was not held up");
        QTest::qWait(static_cast<int>((seconds(sound.span.start + sound.span.length) + 0.5) * 1000) - 1000);
        recording.Finish();
        SoundCard::Stop();

        const std::vector<double> level = SoundMeasure::Level(recording.Samples(), SoundServer::Rate, sound.frequency);
        const SoundMeasure::Span heard =
            SoundMeasure::Sounding(level, sound.threshold, stepAt(recording, asked - 0.02), level.size());
        QVERIFY2(heard.found, "the blast was not heard");
        // Inside the blast as long as its file sounds, away from its rise
        // and fall.
        const auto from = static_cast<size_t>((seconds(heard.start) + 0.1) * SoundServer::Rate);
        const auto to = static_cast<size_t>((seconds(heard.start + sound.span.length) - 0.1) * SoundServer::Rate);
        const std::vector<double> gaps = SoundMeasure::Gaps(recording.Samples(), from, to, SoundServer::Rate);
        QStringList each;
        for (double gap : gaps)
            if (gap > 0.005)
                each << QString("%1 ms").arg(gap * 1000, 0, 'f', 0);
        QVERIFY2(each.isEmpty(), qPrintable("gaps in the blast: " + each.join(", ")));
    }

    // After some seconds without a sound the output rests; the next sound
    // wakes it and starts as soon as any other.
    void afterRest()
    {
        const QString file = appDir() + "HORN1.WAV";
        measureUntilClear([&] {
            PrepareSounds({file});
            QTest::qWait(4500);
            const Heard heard = playAndListen(file);
            QStringList found;
            if (!heard.found)
                found << "nothing was heard after the rest";
            else if (heard.late > OnTime)
                found << QString("started %1 ms late").arg(heard.late * 1000, 0, 'f', 0);
            return Findings::Of(found, heard.stalled);
        });
    }

    // The sound server goes away in the middle of a sound, as when the
    // desktop restarts it: asking for sounds meanwhile neither waits nor
    // fails, and once it is back the next sound is heard, whole, without
    // the ones asked for while it was away.
    void serverComesBack()
    {
        SoundCard::Play(appDir() + "HORN5.WAV");
        QTest::qWait(300);
        server.Stop();
        QElapsedTimer asking;
        asking.start();
        for (int i = 0; i < 3; ++i) {
            SoundCard::Play(appDir() + "HORN5.WAV");
            QTest::qWait(100);
        }
        QVERIFY2(asking.elapsed() < 1000, qPrintable(QString("asking took %1 ms").arg(asking.elapsed())));

        const QString problem = server.Start();
        QVERIFY2(problem.isEmpty(), qPrintable("The sound server did not come back: " + problem));
        const double fileLength = seconds(files["HORN1.WAV"].span.length);
        measureUntilClear([&] {
            const Heard heard = playAndListen(appDir() + "HORN1.WAV");
            QStringList found;
            if (!heard.found) {
                found << "nothing was heard after the server came back";
            } else {
                if (heard.late >= 0.5)
                    found << QString("heard %1 ms after it was asked for").arg(heard.late * 1000, 0, 'f', 0);
                if (std::fabs(heard.length - fileLength) >= 0.1 * fileLength)
                    found << QString("sounded %1 s of %2 s").arg(heard.length).arg(fileLength);
            }
            return Findings::Of(found, heard.stalled);
        });
    }

private:
    // What a measure found wrong: the program's faults, and apart those the
    // machine explains by standing still meanwhile.
    struct Findings {
        QStringList faults;
        QStringList excused;

        void Add(const QStringList &found, const QString &stalled)
        {
            if (found.isEmpty())
                return;
            if (stalled.isEmpty())
                faults << found;
            else
                excused << found.join("; ") + ": " + stalled;
        }
        static Findings Of(const QStringList &found, const QString &stalled)
        {
            Findings findings;
            findings.Add(found, stalled);
            return findings;
        }
    };

    // Takes the measure again while all it finds wrong came as the machine
    // stood still, Attempts times in all: a fault of the program fails the
    // test, and when every attempt was spoilt the test is skipped. A test's
    // last call.
    void measureUntilClear(const std::function<Findings()> &measure)
    {
        for (int attempt = 1;; ++attempt) {
            const Findings found = measure();
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(found.faults.isEmpty(), qPrintable(found.faults.join("; ")));
            if (found.excused.isEmpty())
                return;
            qInfo("attempt %d not measured: %s", attempt, qPrintable(found.excused.join("; ")));
            if (attempt == Attempts)
                QSKIP("the machine stood still in every attempt");
        }
    }

    // A sound as heard: how long after it was asked for it started, in
    // seconds, and for how long it sounded; and how the machine stood still
    // meanwhile, if it did.
    struct Heard {
        bool found = false;
        double late = 0;
        double length = 0;
        QString stalled;
    };

    // Opens the quiz window with its first signal neither heard nor waited
    // for, then makes the speakers ready as the window does as it opens:
    // the signals measured are those asked for afterwards. Returns what the
    // speakers said cannot be heard.
    QStringList openQuietly()
    {
        SetSoundRecorder([](const SoundCall &) {});
        SetSignalWaitHook([](double) {});
        FormInstance<SoundForm>().Load();
        SetSignalWaitHook({});
        SetSoundRecorder({});
        QStringList files;
        for (const QString &name : SoundFiles)
            files << AppPath + name;
        return PrepareSounds(files);
    }

    // Stops this whole program for seconds, every thread of it, and a
    // helper of its own starts it again.
    static bool holdThisProgram(double seconds)
    {
        const QString resume = QString("sleep %1; kill -CONT %2").arg(seconds).arg(QCoreApplication::applicationPid());
        if (!QProcess::startDetached("sh", {"-c", resume}))
            return false;
        std::raise(SIGSTOP);
        return true;
    }

    // Plays file on the sound card and listens until it would have ended,
    // with a second to spare.
    Heard playAndListen(const QString &file)
    {
        const FileSound &sound = files[QFileInfo(file).fileName()];
        MonitorRecording recording;
        if (!recording.Begin())
            return {};
        const double asked = MonotonicSeconds();
        SoundCard::Play(file);
        QTest::qWait(static_cast<int>((seconds(sound.span.start + sound.span.length) + 1.0) * 1000));
        recording.Finish();
        const QString stalled = stalls.During(asked - 0.1, MonotonicSeconds());
        const std::vector<double> level = SoundMeasure::Level(recording.Samples(), SoundServer::Rate, sound.frequency);
        const SoundMeasure::Span span =
            SoundMeasure::Sounding(level, sound.threshold, stepAt(recording, asked - 0.02), level.size());
        if (!span.found)
            return {false, 0, 0, stalled};
        return {true, recording.TimeOf(0) + seconds(span.start) - seconds(sound.span.start) - asked,
                seconds(span.length), stalled};
    }

    // Plays the signal of the fixture with the quiz window's "&Play" and
    // measures every sound of schedule: each "file seconds" entry is due
    // that long after the program's first request to play. A fault is
    // excused where the machine stood still from that request to the
    // sound's end, which would cut or delay it whatever the program did.
    Findings playSignal(const QStringList &schedule)
    {
        Findings findings;
        SoundForm &form = FormInstance<SoundForm>();

        // The signal's time runs from the program's first request to play.
        double first = 0;
        SetSoundWatcher([&](const SoundCall &call) {
            if (call.command == "Play" && first == 0)
                first = MonotonicSeconds();
        });
        MonitorRecording recording;
        if (!recording.Begin()) {
            QTest::qFail("parecord gave no samples", __FILE__, __LINE__);
            return findings;
        }
        const double clicked = MonotonicSeconds();
        QTest::mouseClick(form.Action[7], Qt::LeftButton);
        SetSoundWatcher({});
        if (first == 0) {
            findings.faults << "nothing was played";
            return findings;
        }
        // The signal is read and drawn before it sounds; that takes no time a
        // learner would notice.
        if (first - clicked >= 0.25)
            findings.Add({QString("first sound asked for %1 s after the click").arg(first - clicked)},
                         stalls.During(clicked, first));
        double end = 0;
        for (const QString &entry : schedule) {
            const QString name = entry.section(' ', 0, 0);
            end = std::max(end, entry.section(' ', 1).toDouble() +
                                    seconds(files[name].span.start + files[name].span.length));
        }
        QTest::qWait(static_cast<int>((first + end + 0.4 - MonotonicSeconds()) * 1000));
        recording.Finish();
        // The next attempt asks for the signal again in the same window.
        form.Stimer->stop();
        SoundCard::Stop();

        for (const QString &entry : schedule) {
            const QString name = entry.section(' ', 0, 0);
            const double due = first + entry.section(' ', 1).toDouble();
            const FileSound &sound = files[name];
            const std::vector<double> level =
                SoundMeasure::Level(recording.Samples(), SoundServer::Rate, sound.frequency);
            const SoundMeasure::Span heard = SoundMeasure::Sounding(
                level, sound.threshold, stepAt(recording, due - 0.3), stepAt(recording, due + 1.0));
            QStringList found;
            if (!heard.found) {
                found << QString("%1: not heard within 1 s").arg(entry);
            } else {
                const double late = recording.TimeOf(0) + seconds(heard.start) - seconds(sound.span.start) - due;
                const double length = seconds(heard.length);
                const double fileLength = seconds(sound.span.length);
                if (std::fabs(late) > OnTime)
                    found << QString("%1: starts %2 ms off").arg(entry).arg(late * 1000, 0, 'f', 0);
                if (std::fabs(length - fileLength) > 0.1 * fileLength)
                    found << QString("%1: sounds %2 s of %3 s").arg(entry).arg(length).arg(fileLength);
                if (heard.peak < sound.span.peak / 2)
                    found << QString("%1: heard at %2 of its level").arg(entry).arg(heard.peak / sound.span.peak);
            }
            if (!found.isEmpty())
                findings.Add(found, stalls.During(first, due + seconds(sound.span.start + sound.span.length) + 0.3));
        }
        return findings;
    }

private:
    SoundServer server;
    MachineStalls stalls;
    std::map<QString, FileSound> files;
};

QTEST_MAIN(TestSoundHeard)
#include "tst_soundheard.moc"
