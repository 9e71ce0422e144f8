// The sound signals a new database starts with: each composed of the
// editor's vessels, sounds and durations, each sounding as the table of the
// regulations kept beside the data says, blast by blast and in the voice of
// the vessel's size; no two that look and sound alike but mean different
// things; loaded whole into a new database, with every link between the views
// of one vessel both ways.

#include "ProgramState.h"
#include "SoundAnalysis.h"
#include "StarterChecks.h"
#include "StarterFixture.h"

#include "lights/StarterLights.h"
#include "silhouettes/ShapeKinds.h"
#include "sounds/StarterSounds.h"
#include "sounds/VesselDrawing.h"
#include "sounds/plan/SignalPlan.h"
#include "sounds/plan/SoundRows.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>
#include <tuple>

namespace {
std::vector<StarterSignal> starter()
{
    return ReadStarterSounds(ReadSourceText("data/starter/pictures.sounds"));
}

bool isBlast(long kind)
{
    return kind == SoundKind::Horn || kind == SoundKind::Whistle;
}

// What a learner hears from one sound element, repetition by repetition, in
// the regulations' words. The horn's or whistle's 2-second element plays the
// short file (a blast of about a second) and starts the next a second after
// it ends, the 1-second element the same blast a fifth of a second after it
// (short and rapid); the 5-second element plays the long file (about 4.5
// seconds).
QStringList heard(const StarterSound &sound)
{
    QString word;
    const QString file = SoundFileName(sound.kind, sound.seconds);
    if (isBlast(sound.kind)) {
        if ((sound.seconds == 1 || sound.seconds == 2) && file.endsWith("1.WAV"))
            word = "short";
        else if (sound.seconds == 5 && file.endsWith("5.WAV"))
            word = "prolonged";
    } else if (sound.kind == SoundKind::BellStroke && sound.seconds == 1) {
        word = "stroke";
    } else if (sound.kind == SoundKind::BellRapid && sound.seconds == 5) {
        word = "bell";
    } else if (sound.kind == SoundKind::Gong && sound.seconds == 5) {
        word = "gong";
    }
    if (word.isEmpty())
        word = QString("%1-for-%2s").arg(SignalName(sound.kind)).arg(sound.seconds);
    QStringList words;
    for (long i = 0; i < sound.repetitions; ++i)
        words << word;
    return words;
}

QString signalOf(const StarterSignal &s)
{
    QStringList words;
    for (const StarterSound &sound : s.sounds)
        if (sound.kind != SoundKind::Cycle && sound.kind != SoundKind::Silence)
            words << heard(sound);
    return words.join(' ');
}

// Seconds after which the signal is given again, or "-".
QString repeatOf(const StarterSignal &s)
{
    for (const StarterSound &sound : s.sounds)
        if (sound.kind == SoundKind::Cycle)
            return QString::number(sound.seconds);
    return "-";
}

// The voices of the blasts in order, a voice written once for blasts in a
// row; "-" when the signal has no blast.
QString voicesOf(const StarterSignal &s)
{
    QStringList voices;
    for (const StarterSound &sound : s.sounds) {
        if (!isBlast(sound.kind))
            continue;
        const QString voice = sound.kind == SoundKind::Horn ? "horn" : "whistle";
        if (voices.isEmpty() || voices.back() != voice)
            voices << voice;
    }
    return voices.isEmpty() ? "-" : voices.join(' ');
}

// What a learner sees and hears: the kinds of vessel drawn, in any order and
// at any size or place, and every sound element with its duration and
// repetitions, the silences and the cycle among them.
QString lookAndSoundOf(const StarterSignal &s)
{
    QStringList vessels;
    for (const StarterVessel &v : s.vessels)
        vessels << VesselName(v.kind);
    vessels.sort();
    QStringList sounds;
    for (const StarterSound &sound : s.sounds)
        sounds << QString("%1/%2x%3").arg(sound.kind).arg(sound.seconds).arg(sound.repetitions);
    return vessels.join(", ") + " | " + sounds.join(' ');
}

// The paragraphs of Rule 35 a rules text names: "35(c)(d)" gives "cd", and
// "35(g) 100 metres" "g"; empty for any other rule.
QString fogParagraphs(const QString &rules)
{
    static const QRegularExpression rule35(R"(35((?:\([a-z]\))+))");
    const QRegularExpressionMatch m = rule35.match(rules);
    return m.hasMatch() ? QString(m.captured(1)).remove('(').remove(')') : QString();
}

QString vesselsOf(const StarterSignal &s)
{
    QStringList words;
    for (const StarterVessel &v : s.vessels)
        words << VesselName(v.kind).toLower().replace(' ', '-');
    return words.join(' ');
}

// Seconds a sound file of the program's folder is heard; -1 when it cannot
// be read.
double soundingSeconds(const QString &file)
{
    Wave wave;
    if (!ReadWave(qEnvironmentVariable("NORVANTA_APP_DIR") + "/" + file, wave))
        return -1;
    return SoundMeasure::SoundingSeconds(wave);
}

// The pauses between successive blasts of a signal as the sound card plays
// it once, in seconds: from the end of a blast heard to the next one's start.
std::vector<double> pausesBetweenBlasts(const StarterSignal &s)
{
    std::vector<SoundRow> rows;
    for (const StarterSound &sound : s.sounds) {
        SoundRow row;
        row.kind = sound.kind;
        row.duration = sound.seconds;
        row.number = sound.repetitions;
        rows.push_back(row);
    }
    std::vector<double> pauses;
    double at = 0;
    double blastEnd = -1; // the end of the last sound, when it was a blast
    for (const SignalStep &step : PlanSignal(rows, SoundModes::SoundCard, 1, 120, QString()).steps) {
        if (step.kind == SignalStep::Kind::Wait) {
            at += step.seconds;
        } else if (step.kind == SignalStep::Kind::Play) {
            const bool blast = step.file.startsWith("HORN") || step.file.startsWith("WHISTLE");
            if (blast && blastEnd >= 0)
                pauses.push_back(at - blastEnd);
            blastEnd = blast ? at + soundingSeconds(step.file) : -1;
        }
    }
    return pauses;
}

qlonglong key(long n)
{
    return static_cast<qlonglong>(n);
}
} // namespace

class TestSoundStarter : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void everySignalIsComplete();
    void vesselsAreTheEditorsInsideTheDesignSpace();
    void signalBarsFitThePicture();
    void everySignalAgreesWithTheRegulations();
    void blastsAreApartAsTheRegulationsSay();
    void alternativesNameOtherSignalsThatSoundDifferent();
    void signalsThatLookAndSoundAlikeMeanTheSame();
    void loadedWholeIntoANewDatabase();
    void everyLinkPointsBothWays();
    void everyLightsPictureLeadsToItsFogSignal();
    void faultyStarterFileIsRefused_data();
    void faultyStarterFileIsRefused();
};

void TestSoundStarter::everySignalIsComplete()
{
    const auto starterSignals = starter();
    QVERIFY(starterSignals.size() >= 20);
    for (size_t i = 0; i < starterSignals.size(); ++i) {
        const StarterSignal &s = starterSignals[i];
        QCOMPARE(s.record, static_cast<long>(i + 1));
        for (const QString &text : {s.hint, s.text})
            QVERIFY2(TitleCase(text) && text.size() <= 255, qPrintable(text));
        QVERIFY2(!s.extra.isEmpty() && s.extra.size() <= 255, qPrintable(s.text));
        QVERIFY2(!s.vessels.empty(), qPrintable(s.text));
        // A cycle is the signal's last element: it repeats all before it.
        for (size_t j = 0; j + 1 < s.sounds.size(); ++j)
            QVERIFY2(s.sounds[j].kind != SoundKind::Cycle, qPrintable(s.text));
        // A signal given in restricted visibility is one vessel's: it leads to her lights.
        if (repeatOf(s) != "-")
            QVERIFY2(!s.lights.empty(), qPrintable(s.text));
    }
}

void TestSoundStarter::vesselsAreTheEditorsInsideTheDesignSpace()
{
    const QRectF space(0, 0, 6000, 3000);
    for (const StarterSignal &s : starter()) {
        for (const StarterVessel &v : s.vessels) {
            const QString where = QString("signal %1 vessel %2").arg(s.record).arg(VesselName(v.kind));
            QVERIFY2(v.size == 150 || v.size == 120 || v.size == 80, qPrintable(where));
            const long kind = static_cast<long>(ShapeKind::HeadOnVessel) + v.kind - 1;
            const auto box = ElementBox(kind, Whole(v.size));
            QVERIFY2(box.has_value(), qPrintable(where));
            const QRectF place(v.x - box->width.D() / 2, v.y - box->height.D() / 2, box->width.D(), box->height.D());
            QVERIFY2(space.contains(place), qPrintable(where));
        }
    }
}

// The quiz draws a second of sound as a fiftieth of the picture's width,
// each sound followed by a second's gap: the whole signal stays in sight.
void TestSoundStarter::signalBarsFitThePicture()
{
    for (const StarterSignal &s : starter()) {
        long seconds = 0;
        for (const StarterSound &sound : s.sounds)
            if (sound.kind >= SoundKind::Horn && sound.kind <= SoundKind::Whistle)
                seconds += (sound.seconds + 1) * sound.repetitions;
        QVERIFY2(seconds <= 50, qPrintable(s.text));
    }
}

void TestSoundStarter::everySignalAgreesWithTheRegulations()
{
    const auto rows = RegulationRows("data/sounds-regulations.txt");
    QVERIFY(!rows.empty());
    const auto starterSignals = starter();
    std::set<QString> used;
    for (const QStringList &row : rows) {
        QCOMPARE(row.size(), 7);
        const auto s = std::find_if(starterSignals.begin(), starterSignals.end(),
                                    [&](const StarterSignal &q) { return q.text == row[0]; });
        QVERIFY2(s != starterSignals.end(), qPrintable("no signal for: " + row[0]));
        used.insert(row[0]);
        QVERIFY2(vesselsOf(*s) == row[2], qPrintable(row[0] + ": " + vesselsOf(*s)));
        QVERIFY2(signalOf(*s) == row[3], qPrintable(row[0] + ": " + signalOf(*s)));
        QVERIFY2(repeatOf(*s) == row[4], qPrintable(row[0] + ": every " + repeatOf(*s)));
        QVERIFY2(voicesOf(*s) == row[6], qPrintable(row[0] + ": in the voice of " + voicesOf(*s)));
    }
    QCOMPARE(used.size(), starterSignals.size());
}

// A pause the rules call "about" n seconds may be half a second longer:
// durations are whole seconds and a prolonged blast sounds about 4.5 of its 5.
// Short and rapid blasts come a fifth of a second apart, well under the
// manoeuvring signals' second.
void TestSoundStarter::blastsAreApartAsTheRegulationsSay()
{
    for (const char *file : {"HORN1.WAV", "HORN5.WAV"})
        QVERIFY2(soundingSeconds(file) > 0, qPrintable(QString("cannot read ") + file));
    const auto starterSignals = starter();
    for (const QStringList &row : RegulationRows("data/sounds-regulations.txt")) {
        const auto s = std::find_if(starterSignals.begin(), starterSignals.end(),
                                    [&](const StarterSignal &q) { return q.text == row[0]; });
        QVERIFY2(s != starterSignals.end(), qPrintable("no signal for: " + row[0]));
        const std::vector<double> pauses = pausesBetweenBlasts(*s);
        if (row[5] == "-") {
            QVERIFY2(pauses.empty(), qPrintable(row[0]));
            continue;
        }
        QVERIFY2(!pauses.empty(), qPrintable(row[0]));
        const QStringList abouts = row[5].split(' ');
        QVERIFY2(abouts.size() == 1 || abouts.size() == static_cast<qsizetype>(pauses.size()),
                 qPrintable(QString("%1: %2 pauses").arg(row[0]).arg(pauses.size())));
        for (size_t i = 0; i < pauses.size(); ++i) {
            const double about = abouts[abouts.size() == 1 ? 0 : static_cast<qsizetype>(i)].toDouble();
            QVERIFY2(pauses[i] >= about - 0.25 && pauses[i] <= about + 0.6,
                     qPrintable(QString("%1: a pause of %2 s, not about %3").arg(row[0]).arg(pauses[i]).arg(about)));
        }
    }
}

// A wrong choice that sounds the same, or whose answer is the signal's own,
// would be right as well (the cycle only repeats the signal minutes later, so
// it tells nothing apart).
void TestSoundStarter::alternativesNameOtherSignalsThatSoundDifferent()
{
    const auto starterSignals = starter();
    for (const StarterSignal &s : starterSignals) {
        const QString which = QString::number(s.record);
        QVERIFY2(s.alternatives.size() >= 3 && s.alternatives.size() <= 4, qPrintable(which));
        const std::set<long> distinct(s.alternatives.begin(), s.alternatives.end());
        QVERIFY2(distinct.size() == s.alternatives.size() && !distinct.count(s.record), qPrintable(which));
    }
    const QStringList faults = OwnAnswersOffered(starterSignals) +
                               TrueAnswersOffered(starterSignals, [](const StarterSignal &s, const StarterSignal &o) {
                                   return signalOf(s) == signalOf(o);
                               });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// A learner tells a signal by what is drawn and heard: two that look and
// sound alike must have one answer.
void TestSoundStarter::signalsThatLookAndSoundAlikeMeanTheSame()
{
    const QStringList faults = AlikeButAnsweredApart(starter(), lookAndSoundOf);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestSoundStarter::loadedWholeIntoANewDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CALVOREN.MDB");
    const QString failure = MakeStarterDatabase(path);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    const auto starterSignals = starter();
    auto db = Database::OpenDatabase(path);
    QCOMPARE(CountRows(*db, "Select Count(*) As N From SOUNDHEAD"), static_cast<long>(starterSignals.size()));
    for (const StarterSignal &s : starterSignals) {
        Recordset head = db->OpenQuery("Select * From SOUNDHEAD Where RECORD = ?", {key(s.record)});
        QVERIFY(!head.Eof());
        QCOMPARE(head.TextValue("HINT"), s.hint);
        QCOMPARE(head.TextValue("TEXT"), s.text);
        QCOMPARE(head.TextValue("EXTRA"), s.extra);
        head.Close();

        // In the quiz's own order: vessels first, larger before smaller, then the
        // sounds as added.
        std::vector<SoundRow> rows;
        WalkSoundRows(*db, s.record, [&](const Recordset &row) {
            rows.push_back(ReadSoundRow(row, 1.0));
            QCOMPARE(row.LongValue("TYPE"), rows.back().IsPicture() ? 0L : 1L);
        });
        QCOMPARE(rows.size(), s.vessels.size() + s.sounds.size());
        std::vector<StarterVessel> vessels(s.vessels);
        std::stable_sort(vessels.begin(), vessels.end(),
                         [](const StarterVessel &a, const StarterVessel &b) { return a.size > b.size; });
        for (size_t i = 0; i < vessels.size(); ++i) {
            QVERIFY(rows[i].IsPicture());
            QCOMPARE(rows[i].kind, vessels[i].kind);
            QCOMPARE(rows[i].size, vessels[i].size);
            QCOMPARE(static_cast<double>(rows[i].x), vessels[i].x);
            QCOMPARE(static_cast<double>(rows[i].y), vessels[i].y);
        }
        for (size_t i = 0; i < s.sounds.size(); ++i) {
            const SoundRow &row = rows[s.vessels.size() + i];
            QVERIFY(!row.IsPicture());
            QCOMPARE(row.kind, s.sounds[i].kind);
            QCOMPARE(row.duration, s.sounds[i].seconds);
            QCOMPARE(row.number, s.sounds[i].repetitions);
        }

        std::vector<long> expected(s.alternatives);
        std::sort(expected.begin(), expected.end());
        expected.insert(expected.begin(), s.record);
        Recordset set = db->OpenQuery("Select * From ALTERNATIVES Where TYPE = 4 And RECORDONE = ?", {key(s.record)});
        for (size_t i = 0; i < expected.size(); ++i) {
            QVERIFY(!set.Eof());
            QCOMPARE(set.LongValue("RECORDTWO"), expected[i]);
            QCOMPARE(set.LongValue("ANSWER"), i == 0 ? -1L : 0L);
            set.MoveNext();
        }
        QVERIFY(set.Eof());
        set.Close();
    }
    db->Close();
}

// Every link of a fog signal in the new database leads to a stored picture
// and has its way back; every day-shapes picture and every fog signal leads to the lights of
// its vessel, and a fog signal to her day shapes where the lights lead to both.
void TestSoundStarter::everyLinkPointsBothWays()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CALVOREN.MDB");
    const QString failure = MakeStarterDatabase(path);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    auto db = Database::OpenDatabase(path);
    const QStringList faults = LinkFaults(*db, 4);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

    using Link = std::tuple<long, long, long, long>;
    std::set<Link> links;
    Recordset rs = db->OpenQuery("Select * From LINKS");
    while (!rs.Eof()) {
        links.insert(
            {rs.LongValue("TYPEONE"), rs.LongValue("RECORDONE"), rs.LongValue("TYPETWO"), rs.LongValue("RECORDTWO")});
        rs.MoveNext();
    }
    rs.Close();
    QVERIFY(!links.empty());

    auto linked = [&](long typeOne, long recordOne, long typeTwo) {
        std::set<long> records;
        for (const auto &[t1, r1, t2, r2] : links)
            if (t1 == typeOne && r1 == recordOne && t2 == typeTwo)
                records.insert(r2);
        return records;
    };
    const long shapes = CountRows(*db, "Select Count(*) As N From SHAPEHEAD");
    QVERIFY(shapes > 0);
    for (long shape = 1; shape <= shapes; ++shape)
        QVERIFY2(!linked(2, shape, 1).empty(), qPrintable(QString("shapes picture %1").arg(shape)));
    for (const StarterSignal &s : starter()) {
        QCOMPARE(linked(4, s.record, 1), std::set<long>(s.lights.begin(), s.lights.end()));
        std::set<long> shapesOfHerLights;
        for (long light : s.lights)
            for (long shape : linked(1, light, 2))
                shapesOfHerLights.insert(shape);
        QCOMPARE(linked(4, s.record, 2), shapesOfHerLights);
    }
    db->Close();
}

// A lights picture whose vessel has a fog signal of Rule 35 leads to a
// signal of the same paragraph, so the Links menu takes a learner from her
// lights to what she sounds (both tables name the paragraphs).
void TestSoundStarter::everyLightsPictureLeadsToItsFogSignal()
{
    std::map<QString, QString> fogOfLights; // its fog signal's rules, by answer
    for (const QStringList &row : RegulationRows("data/lights-regulations.txt"))
        fogOfLights[row[0]] = row.back();
    std::map<long, QString> fogOfSignal;
    for (const QStringList &row : RegulationRows("data/sounds-regulations.txt"))
        for (const StarterSignal &s : starter())
            if (s.text == row[0])
                fogOfSignal[s.record] = fogParagraphs(row[1]);

    QTemporaryDir dir;
    const QString path = dir.filePath("CALVOREN.MDB");
    const QString failure = MakeStarterDatabase(path);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    auto db = Database::OpenDatabase(path);
    Recordset lights = db->OpenQuery("Select RECORD, TEXT From LIGHTHEAD Order By RECORD");
    for (; !lights.Eof(); lights.MoveNext()) {
        const long record = lights.LongValue("RECORD");
        const QString rules = fogOfLights[lights.TextValue("TEXT")];
        const QString paragraphs = fogParagraphs(rules);
        if (paragraphs.isEmpty())
            continue;
        bool leads = false;
        Recordset links = db->OpenQuery(
            "Select RECORDTWO From LINKS Where TYPEONE = 1 And TYPETWO = 4 And RECORDONE = ?", {key(record)});
        for (; !links.Eof(); links.MoveNext())
            for (QChar paragraph : fogOfSignal[links.LongValue("RECORDTWO")])
                leads = leads || paragraphs.contains(paragraph);
        links.Close();
        QVERIFY2(leads,
                 qPrintable(QString("lights picture %1 (Rule %2) leads to no signal of hers").arg(record).arg(rules)));
    }
    lights.Close();
    db->Close();
}

void TestSoundStarter::faultyStarterFileIsRefused_data()
{
    const QString good = "Record: 1\nHint: H\nText: T\nExtra: E\nVessel: Side Vessel, Small, 3000, 1800\n"
                         "Sound: Horn, 5 Seconds, 1\nLights: 1\n";
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("complaint");

    QTest::addRow("vessel-the-editor-lacks") << QString(good).replace("Side Vessel", "Submarine") << "line 5";
    QTest::addRow("size-the-editor-lacks") << QString(good).replace("Small", "Huge") << "line 5";
    QTest::addRow("sound-the-editor-lacks") << QString(good).replace("Horn,", "Siren,") << "line 6";
    QTest::addRow("no-sound-is-no-element") << QString(good).replace("Horn,", "No Sound,") << "line 6";
    QTest::addRow("duration-the-editor-lacks") << QString(good).replace("5 Seconds", "7 Seconds") << "line 6";
    QTest::addRow("repetitions-beyond-nine") << QString(good).replace("Seconds, 1", "Seconds, 10") << "line 6";
    QTest::addRow("sound-missing-a-part") << QString(good).replace(", 1\nLights", "\nLights") << "line 6";
    QTest::addRow("unknown-name") << good + "Fog Signal: F\n"
                                  << "line 8";
    QTest::addRow("no-sound") << QString(good).remove("Sound: Horn, 5 Seconds, 1\n") << "line 1";
    QTest::addRow("numbering-not-from-one") << QString(good).replace("Record: 1", "Record: 2") << "line 1";
    QTest::addRow("alternative-missing") << good + "Alternatives: 7\n"
                                         << "line 1";
    QTest::addRow("lights-picture-missing") << QString(good).replace("Lights: 1", "Lights: 99") << "line 1";
}

void TestSoundStarter::faultyStarterFileIsRefused()
{
    QFETCH(QString, content);
    QFETCH(QString, complaint);

    const QString said =
        StarterComplaint("pictures.sounds", content, {{"lights", LoadStarterLights}, {"sounds", LoadStarterSounds}});
    QVERIFY2(said.contains("Starter sounds, " + complaint), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestSoundStarter)
#include "tst_soundstarter.moc"
