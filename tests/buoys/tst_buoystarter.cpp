// The buoy pictures a new database starts with: loaded into a new database,
// every lone mark and every scene agrees with the table of IALA region A kept
// beside the data (data/buoyage-rules.txt), and that table with the light
// characters the night picture flashes; a hint names the bands drawn; every
// buoy shows whole in the quiz; every alternative is another picture with
// another answer; no two pictures look alike but mean different things; a
// faulty file makes no database.

#include "ProgramState.h"
#include "StarterChecks.h"
#include "StarterFixture.h"

#include "buoys/BuoyKinds.h"
#include "buoys/LightCharacters.h"
#include "buoys/StarterBuoys.h"
#include "data/CreateDatabase.h"
#include "data/Database.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

namespace {

// One kind's row of the rules table.
struct Rule {
    QString mark;
    QString topmark;
    QString pass;
    QString light;
    QStringList characters; // by light mode
};

std::map<QString, Rule> readRules()
{
    std::map<QString, Rule> rules;
    for (const QString &raw : ReadSourceText("data/buoyage-rules.txt").split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QStringList cells = line.split('|');
        for (QString &cell : cells)
            cell = cell.trimmed();
        if (cells.size() != 5)
            continue;
        Rule r{cells[1], cells[2], cells[3], cells[4], {}};
        for (const QString &part : cells[4].split("; ")) {
            const int colon = static_cast<int>(part.indexOf(": "));
            r.characters << (colon < 0 ? part : part.mid(colon + 2));
        }
        rules[cells[0]] = r;
    }
    return rules;
}

// The rhythm of a light as a chart names it: its form, the flashes in one
// period, its colour and its period in whole seconds (0 for a continuous
// quick light).
struct Rhythm {
    QString form; // VQ, Q, Fl, Iso, Oc, VQ+LFl, Q+LFl
    int flashes = 0;
    QString colour;
    int period = 0;
};

QString describe(const Rhythm &r)
{
    return QString("%1 x%2 %3 %4s").arg(r.form).arg(r.flashes).arg(r.colour).arg(r.period);
}

// "Fl(2+1) R 10s" and the like. A single long flash (LFl) reads as one flash.
Rhythm rhythmOfText(const QString &text)
{
    static const QRegularExpression chart(
        R"(^(VQ|Q|LFl|Fl|Iso|Oc)(?:\((\d+)(?:\+(\d+))?\))?(\+LFl)?(?: ([RGY]))?(?: (\d+)s)?$)");
    const QRegularExpressionMatch m = chart.match(text);
    if (!m.hasMatch())
        return {"unreadable " + text, 0, {}, 0};
    Rhythm r;
    r.form = m.captured(1) == "LFl" ? "Fl" : m.captured(1);
    r.flashes = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt() + m.captured(3).toInt();
    if (!m.captured(4).isEmpty()) {
        r.form += "+LFl";
        ++r.flashes;
    }
    r.colour = m.captured(5);
    r.period = m.captured(6).toInt();
    return r;
}

// The same read from the steps the night picture flashes: a tick is a tenth
// of a second and the cycle restarts every restartStep ticks.
Rhythm rhythmOfCharacter(const LightCharacter &c)
{
    Rhythm r;
    r.flashes = static_cast<int>(c.onSteps.size());
    switch (c.colour) {
    case Colours::Red:
        r.colour = "R";
        break;
    case Colours::Green:
        r.colour = "G";
        break;
    case Colours::Yellow:
        r.colour = "Y";
        break;
    default:
        break;
    }
    const int light = c.offSteps.front() - c.onSteps.front();
    if (r.flashes == 1 && c.restartStep <= 10) {
        // 120 or 60 flashes a minute, without a group.
        r.form = c.restartStep <= 6 ? "VQ" : "Q";
        return r;
    }
    r.period = static_cast<int>(std::lround(c.restartStep / 10.0));
    if (r.flashes == 1) {
        const int dark = c.restartStep - light;
        r.form = std::abs(light - dark) <= 2 ? "Iso" : light > dark ? "Oc" : "Fl";
        return r;
    }
    // Flashes a minute within the group: 80 to 159 very quick, 50 to 79 quick.
    const int perMinute = 600 / (c.onSteps[1] - c.onSteps[0]);
    r.form = perMinute >= 80 && perMinute < 160 ? "VQ" : perMinute >= 50 && perMinute < 80 ? "Q" : "Fl";
    const int last = c.offSteps.back() - c.onSteps.back();
    if (r.form != "Fl" && last >= 20)
        r.form += "+LFl";
    return r;
}

// The distinct characters the light-mode button reaches from the first mode,
// for a picture whose first buoy is of the kind.
std::vector<const LightCharacter *> reachableCharacters(long kind)
{
    std::vector<const LightCharacter *> characters;
    long mode = 0;
    for (int press = 0; press < 3; ++press) {
        const LightCharacter *c = FindLightCharacter(kind + 1, mode);
        if (std::find(characters.begin(), characters.end(), c) == characters.end())
            characters.push_back(c);
        mode = NextLightMode(kind + 1, mode);
    }
    return characters;
}

// The buoy pictures as a new database holds them.
std::vector<StarterBuoyPicture> readDatabase(Database &db)
{
    std::vector<StarterBuoyPicture> pictures;
    Recordset head = db.OpenQuery("Select * From BUOYHEAD Order By RECORD");
    for (; !head.Eof(); head.MoveNext()) {
        StarterBuoyPicture p;
        p.record = head.LongValue("RECORD");
        p.hint = head.TextValue("HINT");
        p.text = head.TextValue("TEXT");
        p.light = head.TextValue("LIGHT");
        pictures.push_back(p);
    }
    head.Close();
    for (StarterBuoyPicture &p : pictures) {
        Recordset lines = db.OpenRecordset("BUOYLINE");
        lines.Index("ALTERNATE");
        lines.Seek("=", static_cast<qlonglong>(p.record));
        for (; !lines.NoMatch() && !lines.Eof() && lines.LongValue("HEADER") == p.record; lines.MoveNext())
            p.buoys.push_back(
                {static_cast<long>(lines.DoubleValue("LISTPTR")), static_cast<int>(lines.DoubleValue("SIZE")),
                 static_cast<long>(lines.DoubleValue("TOPMARK")), static_cast<float>(lines.DoubleValue("XPOS")),
                 static_cast<float>(lines.DoubleValue("YPOS"))});
        lines.Close();
        Recordset set = db.OpenQuery(
            QString("Select * From ALTERNATIVES Where TYPE = 3 And RECORDONE = %1 And ANSWER = 0").arg(p.record));
        for (; !set.Eof(); set.MoveNext())
            p.alternatives.push_back(set.LongValue("RECORDTWO"));
        set.Close();
    }
    return pictures;
}

bool lone(const StarterBuoyPicture &p)
{
    return p.buoys.size() == 1;
}

// The broad bands of a colour a lone mark's body shows, counted down its
// middle: the buoy drawn without its topmark on a blue picture, runs of the
// colour at least half a size unit long (an outline is a line, not a band).
int bandsDrawn(long kind, long colour)
{
    const double s = 300;
    const long x = std::lround(4 * s), y = std::lround(7 * s);
    PictureBox pic;
    pic.resize(Twips::ToPixelsX(8 * s), Twips::ToPixelsY(11 * s));
    pic.SetBackColor(Colours::Blue);
    DrawBuoyKind(pic, kind, x, y, s, 0, BuoyDrawingFor::Quiz);
    const int column = Twips::ToPixelsX(x);
    const int shortest = Twips::ToPixelsY(s / 2);
    int bands = 0;
    int run = 0;
    for (int row = 0; row <= pic.Image().height(); ++row) {
        if (row < pic.Image().height() && pic.PixelColour(column, row) == colour) {
            ++run;
            continue;
        }
        if (run >= shortest)
            ++bands;
        run = 0;
    }
    return bands;
}

// What a picture looks like to a learner, whatever the sizes and the exact
// places: each buoy's kind and topmark, read from left to right (then top to
// bottom).
QString lookOf(const StarterBuoyPicture &p)
{
    std::vector<StarterBuoy> buoys(p.buoys);
    std::sort(buoys.begin(), buoys.end(),
              [](const StarterBuoy &a, const StarterBuoy &b) { return std::tie(a.x, a.y) < std::tie(b.x, b.y); });
    QStringList look;
    for (const StarterBuoy &b : buoys)
        look << QString("%1%2").arg(BuoyKindText(b.kind), b.topmark ? " with topmark" : "");
    return look.join(", ");
}
} // namespace

class TestBuoyStarter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void rulesAgreeWithTheFlashingLights_data();
    void rulesAgreeWithTheFlashingLights();
    void loneMarkAgreesWithTheRules_data();
    void loneMarkAgreesWithTheRules();
    void scenesNameEveryLightDrawn();
    void hintNamesTheBandsDrawn_data();
    void hintNamesTheBandsDrawn();
    void everyBuoyShowsWholeInTheQuiz();
    void cardinalsStandRoundTheRock();
    void alternativesAreOtherPictures();
    void picturesThatLookAlikeMeanTheSame();
    void everyLinkPointsBothWays();
    void loadedAsTheFileWritesIt();
    void buildToolLoadsTheStarterFolder();
    void faultyStarterFileIsRefused_data();
    void faultyStarterFileIsRefused();

private:
    QTemporaryDir dir;
    std::map<QString, Rule> rules;
    std::vector<StarterBuoyPicture> loaded;
};

void TestBuoyStarter::initTestCase()
{
    Twips::SetTwipsPerPixel(15, 15);
    rules = readRules();
    QCOMPARE(static_cast<long>(rules.size()), BuoyKindCount);
    const QString starterDir = dir.filePath("starter");
    QVERIFY(QDir().mkpath(starterDir));
    QVERIFY(QFile::copy(SourceFile("data/starter/pictures.buoys"), starterDir + "/pictures.buoys"));
    const QString path = dir.filePath("CALVOREN.MDB");
    CreateDatabase(path, TestSchemaFile(), starterDir, {{"buoys", LoadStarterBuoys}});
    auto db = Database::OpenDatabase(path);
    loaded = readDatabase(*db);
    db->Close();
    QVERIFY(!loaded.empty());
}

void TestBuoyStarter::rulesAgreeWithTheFlashingLights_data()
{
    QTest::addColumn<long>("kind");
    QTest::addColumn<int>("mode");
    for (long kind = 0; kind < BuoyKindCount; ++kind)
        for (int mode = 0; mode < static_cast<int>(reachableCharacters(kind).size()); ++mode)
            QTest::addRow("kind-%ld-mode-%d", kind, mode + 1) << kind << mode;
}

// Each mode the light-mode button reaches has its character in the table,
// read as the night picture flashes it. The preferred-channel marks' composite
// group is checked by its flashes and colour; its period is the chart's.
void TestBuoyStarter::rulesAgreeWithTheFlashingLights()
{
    QFETCH(long, kind);
    QFETCH(int, mode);
    const auto rule = rules.find(BuoyKindText(kind));
    QVERIFY(rule != rules.end());
    const auto reachable = reachableCharacters(kind);
    QCOMPARE(rule->second.characters.size(), static_cast<qsizetype>(reachable.size()));
    const Rhythm charted = rhythmOfText(rule->second.characters[mode]);
    const Rhythm flashed = rhythmOfCharacter(*reachable[static_cast<size_t>(mode)]);
    if (kind == 22 || kind == 23) {
        QCOMPARE(charted.form, QString("Fl"));
        QCOMPARE(charted.flashes, flashed.flashes);
        QCOMPARE(charted.colour, flashed.colour);
        return;
    }
    QCOMPARE(describe(charted), describe(flashed));
}

void TestBuoyStarter::loneMarkAgreesWithTheRules_data()
{
    QTest::addColumn<long>("kind");
    for (long kind = 0; kind < BuoyKindCount; ++kind)
        QTest::addRow("%s", qPrintable(BuoyKindText(kind))) << kind;
}

// Every kind has one picture of its own, with its topmark; the hint names
// what is seen, the answer the mark and how it is passed, the light text its
// characters.
void TestBuoyStarter::loneMarkAgreesWithTheRules()
{
    QFETCH(long, kind);
    const Rule &rule = rules.at(BuoyKindText(kind));
    std::vector<const StarterBuoyPicture *> own;
    for (const StarterBuoyPicture &p : loaded)
        if (lone(p) && p.buoys.front().kind == kind)
            own.push_back(&p);
    QCOMPARE(own.size(), size_t(1));
    const StarterBuoyPicture &p = *own.front();
    QCOMPARE(p.buoys.front().topmark, -1L);
    QVERIFY2(p.hint.contains(rule.topmark, Qt::CaseInsensitive), qPrintable(p.hint));
    QVERIFY2(p.text.startsWith(BuoyKindText(kind)), qPrintable(p.text));
    QVERIFY2(p.text.contains(rule.mark, Qt::CaseInsensitive), qPrintable(p.text));
    QVERIFY2(p.text.contains(rule.pass, Qt::CaseInsensitive), qPrintable(p.text));
    QCOMPARE(p.light, rule.light);
}

// A scene's light text names each kind drawn, in the order first drawn, with
// the character the night picture shows first; its hint asks the question.
void TestBuoyStarter::scenesNameEveryLightDrawn()
{
    int scenes = 0;
    for (const StarterBuoyPicture &p : loaded) {
        if (lone(p))
            continue;
        ++scenes;
        const QString which = QString::number(p.record);
        QStringList expected;
        std::set<long> named;
        for (const StarterBuoy &b : p.buoys) {
            QVERIFY2(b.topmark == -1, qPrintable(which));
            if (named.insert(b.kind).second)
                expected << BuoyKindText(b.kind) + ": " + rules.at(BuoyKindText(b.kind)).characters.front();
        }
        QCOMPARE(p.light, expected.join("; "));
        QVERIFY2(p.hint.contains("Which side do you pass the "), qPrintable(p.hint));
        QVERIFY2(p.hint.endsWith('?'), qPrintable(p.hint));
    }
    QVERIFY(scenes >= 8);
}

void TestBuoyStarter::hintNamesTheBandsDrawn_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<long>("kind");
    for (const StarterBuoyPicture &p : ReadStarterBuoys(ReadSourceText("data/starter/pictures.buoys")))
        if (lone(p) && p.hint.contains(" band"))
            QTest::addRow("%s", qPrintable(BuoyKindText(p.buoys.front().kind))) << p.hint << p.buoys.front().kind;
}

// "A black beacon with a broad red band": the hint's count of bands of a
// colour is the number the drawing shows.
void TestBuoyStarter::hintNamesTheBandsDrawn()
{
    QFETCH(QString, hint);
    QFETCH(long, kind);
    static const QRegularExpression named(R"(\b(a|two|three) broad (red|yellow|black|green) bands?\b)");
    const QRegularExpressionMatch m = named.match(hint);
    QVERIFY2(m.hasMatch(), qPrintable(hint));
    const std::map<QString, long> colours{
        {"red", Colours::Red}, {"yellow", Colours::Yellow}, {"black", Colours::Black}, {"green", Colours::Green}};
    const std::map<QString, int> counts{{"a", 1}, {"two", 2}, {"three", 3}};
    QCOMPARE(bandsDrawn(kind, colours.at(m.captured(2))), counts.at(m.captured(1)));
}

// Every kind lies within 3.2 units either side of its centre, 6.2 above and
// 3.1 below (the buoy drawing test holds them to it); the quiz keeps the
// canvas's upper 3000 x 1500 in view.
void TestBuoyStarter::everyBuoyShowsWholeInTheQuiz()
{
    for (const StarterBuoyPicture &p : loaded) {
        for (const StarterBuoy &b : p.buoys) {
            const QString where = QString("picture %1 at %2,%3").arg(p.record).arg(b.x).arg(b.y);
            QVERIFY2(b.size == 150 || b.size == 120 || b.size == 80, qPrintable(where));
            QVERIFY2(b.x - 3.2 * b.size >= 0 && b.x + 3.2 * b.size <= 3000, qPrintable(where));
            QVERIFY2(b.y - 6.2 * b.size >= 0 && b.y + 3.1 * b.size <= 1500, qPrintable(where));
        }
    }
}

// The scene of the four cardinal marks round a rock: the north mark above
// the others, the south one below them, the west one left of them and the
// east one right of them, no two where the other is drawn (3.2 units either
// side of its centre, 6.2 above and 3.1 below).
void TestBuoyStarter::cardinalsStandRoundTheRock()
{
    const auto scene = std::find_if(loaded.begin(), loaded.end(), [](const StarterBuoyPicture &p) {
        return p.text.startsWith("Each cardinal stands on its named side of the rock");
    });
    QVERIFY(scene != loaded.end());
    std::map<long, const StarterBuoy *> marks;
    QRectF drawn[4];
    for (const StarterBuoy &b : scene->buoys) {
        QVERIFY(b.kind == 0 || b.kind == 2 || b.kind == 4 || b.kind == 6);
        marks[b.kind] = &b;
        drawn[b.kind / 2] =
            QRectF(QPointF(b.x - 3.2 * b.size, b.y - 6.2 * b.size), QPointF(b.x + 3.2 * b.size, b.y + 3.1 * b.size));
    }
    QCOMPARE(marks.size(), size_t(4));
    const StarterBuoy &north = *marks[0], &east = *marks[2], &south = *marks[4], &west = *marks[6];
    QVERIFY(north.y < east.y && north.y < west.y && north.y < south.y);
    QVERIFY(south.y > east.y && south.y > west.y);
    QVERIFY(west.x < north.x && west.x < south.x && west.x < east.x);
    QVERIFY(east.x > north.x && east.x > south.x);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            QVERIFY2(!drawn[i].intersects(drawn[j]), qPrintable(QString("kinds %1 and %2").arg(2 * i).arg(2 * j)));
}

void TestBuoyStarter::alternativesAreOtherPictures()
{
    for (const StarterBuoyPicture &p : loaded)
        QVERIFY2(p.alternatives.size() >= 3 && p.alternatives.size() <= 4, qPrintable(QString::number(p.record)));
    const QStringList faults = OwnAnswersOffered(loaded);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// A learner tells a picture by what is drawn: two that look alike must have
// one answer.
void TestBuoyStarter::picturesThatLookAlikeMeanTheSame()
{
    const QStringList faults = AlikeButAnsweredApart(loaded, lookOf);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Every link of the build's new database that leads to or from a buoy
// picture leads to a stored picture and has its way back.
void TestBuoyStarter::everyLinkPointsBothWays()
{
    const QStringList faults = StarterLinkFaults(3);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// The database holds the file's pictures as the file writes them, and each
// picture's own row of alternatives before the wrong ones.
void TestBuoyStarter::loadedAsTheFileWritesIt()
{
    const auto file = ReadStarterBuoys(ReadSourceText("data/starter/pictures.buoys"));
    QCOMPARE(loaded.size(), file.size());
    for (size_t i = 0; i < file.size(); ++i) {
        const StarterBuoyPicture &f = file[i];
        const StarterBuoyPicture &d = loaded[i];
        QCOMPARE(d.record, static_cast<long>(i + 1));
        QCOMPARE(f.record, d.record);
        QCOMPARE(d.hint, f.hint);
        QCOMPARE(d.text, f.text);
        QCOMPARE(d.light, f.light);
        QCOMPARE(d.buoys.size(), f.buoys.size());
        for (size_t b = 0; b < f.buoys.size(); ++b) {
            QCOMPARE(d.buoys[b].kind, f.buoys[b].kind);
            QCOMPARE(d.buoys[b].size, f.buoys[b].size);
            QCOMPARE(d.buoys[b].topmark, f.buoys[b].topmark);
            QCOMPARE(d.buoys[b].x, f.buoys[b].x);
            QCOMPARE(d.buoys[b].y, f.buoys[b].y);
        }
        std::vector<long> wrong(f.alternatives);
        std::sort(wrong.begin(), wrong.end());
        QCOMPARE(d.alternatives, wrong);
    }
    auto db = Database::OpenDatabase(dir.filePath("CALVOREN.MDB"));
    for (const auto &p : loaded)
        QVERIFY2(OwnAnswerComesFirst(*db, 3, p.record), qPrintable(QString::number(p.record)));
    db->Close();
}

// The build's own tool, given the repository's schema and starter folder.
void TestBuoyStarter::buildToolLoadsTheStarterFolder()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("CALVOREN.MDB");
    QCOMPARE(MakeStarterDatabase(path), QString());
    auto db = Database::OpenDatabase(path);
    QCOMPARE(readDatabase(*db).size(), loaded.size());
    db->Close();
}

void TestBuoyStarter::faultyStarterFileIsRefused_data()
{
    const QString good = "Record: 1\nHint: H\nText: T\nLight: Fl R 8s\n"
                         "Buoy: Port Hand Can, Large, With Topmark, 1500, 1000\n";
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("complaint");

    QTest::addRow("kind-the-editor-lacks") << QString(good).replace("Port Hand Can", "Port Hand Drum") << "line 5";
    QTest::addRow("size-the-editor-lacks") << QString(good).replace("Large", "Huge") << "line 5";
    QTest::addRow("topmark-choice-unknown") << QString(good).replace("With Topmark", "Topmark") << "line 5";
    QTest::addRow("position-not-a-number") << QString(good).replace("1500, 1000", "1500, abc") << "line 5";
    QTest::addRow("position-missing") << QString(good).replace(", 1000", "") << "line 5";
    QTest::addRow("unknown-name") << good + "Colour: Red\n"
                                  << "line 6";
    QTest::addRow("no-buoy") << QString(good).remove(QRegularExpression("Buoy: .*\n")) << "line 1";
    QTest::addRow("no-hint") << QString(good).remove("Hint: H\n") << "line 1";
    QTest::addRow("numbering-not-from-one") << QString(good).replace("Record: 1", "Record: 2") << "line 1";
    QTest::addRow("alternative-missing") << good + "Alternatives: 7\n"
                                         << "line 1";
}

void TestBuoyStarter::faultyStarterFileIsRefused()
{
    QFETCH(QString, content);
    QFETCH(QString, complaint);
    const QString refusal = StarterRefusal("buoys", content, LoadStarterBuoys);
    QVERIFY2(refusal.contains("Starter buoys, " + complaint), qPrintable(refusal));
}

QTEST_MAIN(TestBuoyStarter)
#include "tst_buoystarter.moc"
