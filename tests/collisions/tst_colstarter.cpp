// The collision pictures a new database starts with: loaded into a new
// database, every picture agrees with the rows of the rules its rule names
// (data/collision-rules.txt); crossing, tack and responsibility pictures give
// way as the rules say; every element shows whole; every alternative is
// another picture, and none is the answer of a picture drawn alike; every
// link leads to a picture and back; a vessel drawn end-on goes the way her
// caption says; a faulty file makes no database.

#include "ProgramState.h"
#include "StarterChecks.h"
#include "StarterFixture.h"

#include "collisions/ColKinds.h"
#include "collisions/ColRows.h"
#include "collisions/StarterCollisions.h"
#include "data/Database.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {
// One rule's row of the rules table.
struct Rule {
    QStringList kinds;
    QStringList caption;
    QStringList answer;
};

std::map<int, Rule> readRules()
{
    std::map<int, Rule> rules;
    auto alternatives = [](const QString &cell) {
        QStringList items = cell.split(';');
        for (QString &item : items)
            item = item.trimmed();
        return items;
    };
    for (const QString &raw : ReadSourceText("data/collision-rules.txt").split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList cells = line.split('|');
        if (cells.size() != 4)
            continue;
        rules[cells[0].trimmed().toInt()] = {alternatives(cells[1]), alternatives(cells[2]), alternatives(cells[3])};
    }
    return rules;
}

// The rules a picture's rule text names before its colon: "Rules 15 and
// 17(a)(i): ..." names 15 and 17.
std::set<int> rulesNamed(const QString &rule)
{
    std::set<int> numbers;
    static const QRegularExpression number(R"(\b(\d+)(?=\(|\b))");
    auto it = number.globalMatch(rule.left(rule.indexOf(':')));
    while (it.hasNext())
        numbers.insert(it.next().captured(1).toInt());
    return numbers;
}

bool containsAny(const QString &text, const QStringList &phrases)
{
    for (const QString &phrase : phrases)
        if (text.contains(phrase, Qt::CaseInsensitive))
            return true;
    return false;
}

QString kindText(long kind)
{
    return QString::fromLatin1(CollisionKindTexts[static_cast<size_t>(kind)]);
}

int countOf(const StarterColPicture &p, long kind)
{
    return static_cast<int>(std::count_if(p.elements.begin(), p.elements.end(),
                                          [kind](const StarterColElement &e) { return e.kind == kind; }));
}

bool sideView(long kind)
{
    return kind == SideVesselStarboard || kind == SideVesselPort || kind == FishingVesselStarboard ||
           kind == FishingVesselPort || kind == SailingVesselStarboard || kind == SailingVesselPort;
}

// What a picture draws: the kind, size and centre of each element in order.
QString drawing(const StarterColPicture &p)
{
    QStringList rows;
    for (const StarterColElement &e : p.elements)
        rows << QString("%1 %2 %3,%4").arg(e.kind).arg(e.size).arg(e.x).arg(e.y);
    return rows.join("; ");
}

// Seen from her port side a vessel heads left across the picture.
bool headsLeft(long kind)
{
    return kind == SideVesselPort || kind == FishingVesselPort || kind == SailingVesselPort;
}

// The reach of each kind from its centre, in its drawing unit: left, right,
// up, down, as its drawing routine draws bow to the right; the side vessels
// and fishing vessels draw in 1.6 units.
struct Reach {
    double left, right, up, down, unit;
};
Reach reachOf(long kind)
{
    switch (kind) {
    case Mast:
        return {4, 4, 4, 10, 1};
    case Cylinder:
        return {1, 1, 2.2, 2, 1};
    case HeadOnVessel:
        return {8, 8, 4, 4, 1};
    case SideVesselStarboard:
    case SideVesselPort:
        return {10, 12, 8, 3, 1.6};
    case FishingVesselStarboard:
    case FishingVesselPort:
        return {10, 10, 6, 3, 1.6};
    case SailingVesselStarboard:
    case SailingVesselPort:
        return {10, 10, 12, 6, 1};
    case Vertical:
        return {0, 0, 2, 2, 1};
    case Horizontal:
        return {2, 2, 0, 0, 1};
    case HeadOnBarge:
        return {4, 4, 1, 1, 1};
    case SideBarge:
        return {8, 8, 1, 1, 1};
    default:
        return {1, 1, 1, 1, 1};
    }
}

// The side of a vessel the wind comes over: the wind's direction relative to
// her heading, 0 to 180 degrees being her starboard side.
bool windToStarboard(int windFrom, int heading)
{
    return ((windFrom - heading) % 360 + 360) % 360 < 180;
}

// The collision pictures as a new database holds them, the hint split as the
// quiz splits it.
std::vector<StarterColPicture> readDatabase(Database &db)
{
    std::vector<StarterColPicture> pictures;
    Recordset head = db.OpenQuery("Select * From COLHEAD Order By RECORD");
    for (; !head.Eof(); head.MoveNext()) {
        StarterColPicture p;
        p.record = head.LongValue("RECORD");
        const HintAndRule parts = SplitHint(head.TextValue("HINT"));
        p.hint = parts.hint;
        p.rule = parts.rule;
        p.text = head.TextValue("TEXT");
        p.caption = head.TextValue("EXTRA");
        pictures.push_back(p);
    }
    head.Close();
    for (StarterColPicture &p : pictures) {
        Recordset lines = db.OpenRecordset("COLLINE");
        lines.Index("ALTERNATE");
        lines.Seek("=", static_cast<qlonglong>(p.record));
        for (; !lines.NoMatch() && !lines.Eof() && lines.LongValue("HEADER") == p.record; lines.MoveNext())
            p.elements.push_back(
                {static_cast<long>(lines.DoubleValue("LISTPTR")), static_cast<long>(lines.DoubleValue("SIZE")),
                 static_cast<float>(lines.DoubleValue("XPOS")), static_cast<float>(lines.DoubleValue("YPOS"))});
        lines.Close();
        Recordset set = db.OpenQuery(
            QString("Select * From ALTERNATIVES Where TYPE = 5 And RECORDONE = %1 And ANSWER = 0").arg(p.record));
        for (; !set.Eof(); set.MoveNext())
            p.alternatives.push_back(set.LongValue("RECORDTWO"));
        set.Close();
    }
    return pictures;
}
} // namespace

class TestColStarter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void everyPictureAgreesWithItsRules();
    void everyRuleHasAPicture_data();
    void everyRuleHasAPicture();
    void crossingGivesWayToTheVesselOnStarboard();
    void sailingVesselsGiveWayByTackAndWindward();
    void responsibilitiesBetweenVessels_data();
    void responsibilitiesBetweenVessels();
    void everyElementShowsWhole();
    void alternativesAreOtherPictures();
    void picturesAlikeShareTheirAnswer();
    void noWrongChoiceFromAPictureDrawnAlike();
    void everyLinkLeadsToAPictureAndBack();
    void endOnVesselComesTowardsYouUnlessShowingHerTow();
    void loadedAsTheFileWritesIt();
    void buildToolLoadsTheStarterFolder();
    void faultyStarterFileIsRefused_data();
    void faultyStarterFileIsRefused();

private:
    QTemporaryDir dir;
    std::map<int, Rule> rules;
    std::vector<StarterColPicture> loaded;
};

void TestColStarter::initTestCase()
{
    rules = readRules();
    QVERIFY(!rules.empty());
    const QString starterDir = dir.filePath("starter");
    QVERIFY(QDir().mkpath(starterDir));
    QVERIFY(QFile::copy(SourceFile("data/starter/pictures.collisions"), starterDir + "/pictures.collisions"));
    const QString path = dir.filePath("CALVOREN.MDB");
    CreateDatabase(path, TestSchemaFile(), starterDir, {{"collisions", LoadStarterCollisions}});
    auto db = Database::OpenDatabase(path);
    loaded = readDatabase(*db);
    db->Close();
    QVERIFY(!loaded.empty());
}

// The caption says from whose deck the picture is seen, the hint asks, and
// the elements, caption and answer agree with each rule the rule text names.
// The fog and the channel cover the picture, so they come first.
void TestColStarter::everyPictureAgreesWithItsRules()
{
    for (const StarterColPicture &p : loaded) {
        const QString which = QString("picture %1").arg(p.record);
        QVERIFY2(p.caption.startsWith("From the "), qPrintable(which));
        QVERIFY2(p.hint.endsWith('?'), qPrintable(which));
        QVERIFY2(p.hint.size() + 1 + p.rule.size() <= 255 && p.text.size() <= 255 && p.caption.size() <= 255,
                 qPrintable(which + ": longer than the editor's boxes take"));
        const std::set<int> named = rulesNamed(p.rule);
        QVERIFY2(!named.empty(), qPrintable(which + " names no rule: " + p.rule));
        for (int number : named) {
            const auto rule = rules.find(number);
            QVERIFY2(rule != rules.end(), qPrintable(which + QString(" names rule %1").arg(number)));
            bool shown = false;
            for (const StarterColElement &e : p.elements)
                shown = shown || rule->second.kinds.contains(kindText(e.kind));
            QVERIFY2(shown, qPrintable(which + QString(" shows nothing of rule %1").arg(number)));
            QVERIFY2(containsAny(p.caption, rule->second.caption), qPrintable(which + ": " + p.caption));
            QVERIFY2(containsAny(p.text, rule->second.answer), qPrintable(which + ": " + p.text));
        }
        bool covered = false;
        for (const StarterColElement &e : p.elements) {
            const bool cover = e.kind == Fog || e.kind == Channel;
            QVERIFY2(!cover || !covered, qPrintable(which + ": the fog or channel hides what comes before it"));
            covered = covered || !cover;
        }
    }
}

void TestColStarter::everyRuleHasAPicture_data()
{
    QTest::addColumn<int>("rule");
    for (const auto &row : readRules())
        QTest::addRow("rule-%d", row.first) << row.first;
}

void TestColStarter::everyRuleHasAPicture()
{
    QFETCH(int, rule);
    int pictures = 0;
    for (const StarterColPicture &p : loaded)
        pictures += static_cast<int>(rulesNamed(p.rule).count(rule));
    QVERIFY(pictures >= 1);
}

// Two vessels crossing: she crosses towards your course; on your starboard
// side (right of ahead, heading left) you give way, on your port side she
// does and you stand on. An overtaking vessel never becomes a crossing one.
// A stand-on vessel free to act has first to say her doubt.
void TestColStarter::crossingGivesWayToTheVesselOnStarboard()
{
    int crossings = 0;
    for (const StarterColPicture &p : loaded) {
        const std::set<int> named = rulesNamed(p.rule);
        if (p.rule.contains("17(a)(ii)"))
            QVERIFY2(named.count(34) && p.text.contains("five short and rapid blasts"), qPrintable(p.text));
        if ((!named.count(15) && !named.count(17)) || named.count(13))
            continue;
        ++crossings;
        const QString which = QString("picture %1").arg(p.record);
        QCOMPARE(p.elements.size(), size_t(1));
        const StarterColElement &other = p.elements.front();
        QVERIFY2(sideView(other.kind), qPrintable(which));
        const bool onStarboard = other.x > 3000;
        QVERIFY2(onStarboard == headsLeft(other.kind), qPrintable(which + " is not crossing"));
        QVERIFY2(p.text.startsWith("You give way") == onStarboard, qPrintable(which + ": " + p.text));
        QVERIFY2(p.text.contains("stand on") == !onStarboard, qPrintable(which + ": " + p.text));
    }
    QVERIFY(crossings >= 3);
}

// From the caption's headings and wind: on different tacks the vessel with the
// wind to port gives way; on the same tack the one to windward; with the wind
// to port and a vessel to windward whose tack the caption leaves unknown, you.
void TestColStarter::sailingVesselsGiveWayByTackAndWindward()
{
    static const QRegularExpression given(R"(heading (\d+)°.*wind from (\d+)°.*bears (\d+)°(, heading (\d+)°)?)");
    bool differentTacks = false;
    bool sameTack = false;
    bool tackUnknown = false;
    for (const StarterColPicture &p : loaded) {
        if (!rulesNamed(p.rule).count(12))
            continue;
        const QRegularExpressionMatch m = given.match(p.caption);
        QVERIFY2(m.hasMatch(), qPrintable(p.caption));
        const int ownHeading = m.captured(1).toInt();
        const int wind = m.captured(2).toInt();
        const int bearing = m.captured(3).toInt();
        const bool ownStarboard = windToStarboard(wind, ownHeading);
        // She lies to leeward when her bearing points down the wind.
        const double downwind = (wind + 180) * M_PI / 180;
        const bool sheIsToLeeward = std::cos(bearing * M_PI / 180 - downwind) > 0;
        bool youGiveWay = false;
        if (m.captured(5).isEmpty()) {
            tackUnknown = true;
            QVERIFY2(!ownStarboard && !sheIsToLeeward && p.rule.startsWith("Rule 12(a)(iii)"), qPrintable(p.caption));
            youGiveWay = true;
        } else if (ownStarboard != windToStarboard(wind, m.captured(5).toInt())) {
            differentTacks = true;
            youGiveWay = !ownStarboard;
        } else {
            sameTack = true;
            youGiveWay = sheIsToLeeward;
            QVERIFY2(p.text.contains(youGiveWay ? "you are to windward" : "she is to windward"), qPrintable(p.text));
        }
        QVERIFY2(p.text.startsWith("You give way") == youGiveWay, qPrintable(p.text));
    }
    QVERIFY(differentTacks);
    QVERIFY(sameTack);
    QVERIFY(tackUnknown);
}

void TestColStarter::responsibilitiesBetweenVessels_data()
{
    QTest::addColumn<QList<long>>("marks");
    QTest::addColumn<QList<long>>("vessels");
    QTest::addColumn<QString>("named");
    const QList<long> anyVessel;
    QTest::addRow("sailing") << QList<long>{} << QList<long>{SailingVesselStarboard, SailingVesselPort}
                             << "of a sailing vessel";
    QTest::addRow("fishing") << QList<long>{ConeDown, ConeUp} << anyVessel << "of a vessel engaged in fishing";
    QTest::addRow("restricted") << QList<long>{Ball, Diamond, Ball} << anyVessel
                                << "restricted in her ability to manoeuvre";
    QTest::addRow("not-under-command") << QList<long>{Ball, Ball} << anyVessel << "not under command";
    QTest::addRow("constrained-by-draught") << QList<long>{Cylinder} << anyVessel << "constrained by her draught";
}

// Each of the vessels Rule 18 ranks has a picture whose answer names her by
// the shapes or the vessel shown; every such picture shows her shapes and no
// others.
void TestColStarter::responsibilitiesBetweenVessels()
{
    QFETCH(QList<long>, marks);
    QFETCH(QList<long>, vessels);
    QFETCH(QString, named);
    int found = 0;
    for (const StarterColPicture &p : loaded) {
        if (!rulesNamed(p.rule).count(18) || !p.text.contains(named))
            continue;
        const QString which = QString("picture %1").arg(p.record);
        for (long kind : {Ball, Diamond, Cylinder, ConeUp, ConeDown})
            QVERIFY2(countOf(p, kind) == static_cast<int>(marks.count(kind)), qPrintable(which + " " + kindText(kind)));
        bool drawn = vessels.isEmpty();
        for (long kind : vessels)
            drawn = drawn || countOf(p, kind) > 0;
        QVERIFY2(drawn, qPrintable(which + " does not draw her"));
        ++found;
    }
    QVERIFY(found >= 1);
}

// Every element lies inside the 6000 x 3000 canvas the quiz shows whole.
void TestColStarter::everyElementShowsWhole()
{
    for (const StarterColPicture &p : loaded) {
        for (const StarterColElement &e : p.elements) {
            const QString where =
                QString("picture %1 %2 at %3,%4").arg(p.record).arg(kindText(e.kind)).arg(e.x).arg(e.y);
            QVERIFY2(e.size == 150 || e.size == 120 || e.size == 80 || e.size == 40, qPrintable(where));
            if (e.kind == Fog || e.kind == Channel)
                continue;
            Reach r = reachOf(e.kind);
            if (headsLeft(e.kind))
                std::swap(r.left, r.right);
            const double u = std::round(r.unit * e.size);
            QVERIFY2(e.x - r.left * u >= 0 && e.x + r.right * u <= 6000, qPrintable(where));
            QVERIFY2(e.y - r.up * u >= 0 && e.y + r.down * u <= 3000, qPrintable(where));
        }
    }
}

// Every wrong choice is another picture of the set, and none offers the
// picture's own answer text.
void TestColStarter::alternativesAreOtherPictures()
{
    for (const StarterColPicture &p : loaded)
        QVERIFY2(p.alternatives.size() >= 3 && p.alternatives.size() <= 4, qPrintable(QString::number(p.record)));
    const QStringList faults = OwnAnswersOffered(loaded);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// A learner shown the same drawing under the same caption twice is owed one
// answer.
void TestColStarter::picturesAlikeShareTheirAnswer()
{
    const QStringList faults =
        AlikeButAnsweredApart(loaded, [](const StarterColPicture &p) { return drawing(p) + " | " + p.caption; });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Where two pictures draw the same, only their captions tell them apart (what
// was heard, what the radar shows, which vessel you are): neither offers the
// other's answer, which the drawing cannot rule out.
void TestColStarter::noWrongChoiceFromAPictureDrawnAlike()
{
    const QStringList faults = TrueAnswersOffered(
        loaded, [](const StarterColPicture &p, const StarterColPicture &o) { return drawing(p) == drawing(o); });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestColStarter::everyLinkLeadsToAPictureAndBack()
{
    const QStringList faults = StarterLinkFaults(5);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// A vessel drawn end-on shows no bow or stern of her own, so alone she is
// meeting you: the caption gives her your reciprocal heading. Only a barge
// nearer than her, on her towline, shows her going your way.
void TestColStarter::endOnVesselComesTowardsYouUnlessShowingHerTow()
{
    static const QRegularExpression heading(R"(heading (\d+)°)");
    int checked = 0;
    for (const StarterColPicture &p : loaded) {
        const auto vessel = std::find_if(p.elements.begin(), p.elements.end(),
                                         [](const StarterColElement &e) { return e.kind == HeadOnVessel; });
        auto headings = heading.globalMatch(p.caption);
        if (vessel == p.elements.end() || !headings.hasNext())
            continue;
        const int own = headings.next().captured(1).toInt();
        if (!headings.hasNext())
            continue;
        const int hers = headings.next().captured(1).toInt();
        // The barge nearer than her, and the towline between them.
        const auto barge = std::find_if(p.elements.begin(), p.elements.end(), [&](const StarterColElement &e) {
            return e.kind == HeadOnBarge && e.y > vessel->y;
        });
        const bool towedAway = barge != p.elements.end() &&
                               std::any_of(p.elements.begin(), p.elements.end(), [&](const StarterColElement &e) {
                                   return e.kind == Vertical && e.y > vessel->y && e.y < barge->y;
                               });
        QVERIFY2(hers == (towedAway ? own : (own + 180) % 360),
                 qPrintable(QString::number(p.record) + ": " + p.caption));
        ++checked;
    }
    QVERIFY(checked >= 3);
}

// The database holds the file's pictures as the file writes them, the hint
// and rule joined as the editor's "Hint~Rule" box holds them, and each
// picture's own row of alternatives before the wrong ones.
void TestColStarter::loadedAsTheFileWritesIt()
{
    const auto file = ReadStarterCollisions(ReadSourceText("data/starter/pictures.collisions"));
    QCOMPARE(loaded.size(), file.size());
    for (size_t i = 0; i < file.size(); ++i) {
        const StarterColPicture &f = file[i];
        const StarterColPicture &d = loaded[i];
        QCOMPARE(d.record, static_cast<long>(i + 1));
        QCOMPARE(f.record, d.record);
        QCOMPARE(d.hint, f.hint);
        QCOMPARE(d.rule, f.rule);
        QCOMPARE(d.text, f.text);
        QCOMPARE(d.caption, f.caption);
        QCOMPARE(d.elements.size(), f.elements.size());
        for (size_t e = 0; e < f.elements.size(); ++e) {
            QCOMPARE(d.elements[e].kind, f.elements[e].kind);
            QCOMPARE(d.elements[e].size, f.elements[e].size);
            QCOMPARE(d.elements[e].x, f.elements[e].x);
            QCOMPARE(d.elements[e].y, f.elements[e].y);
        }
        std::vector<long> wrong(f.alternatives);
        std::sort(wrong.begin(), wrong.end());
        QCOMPARE(d.alternatives, wrong);
    }
    auto db = Database::OpenDatabase(dir.filePath("CALVOREN.MDB"));
    for (const auto &p : loaded)
        QVERIFY2(OwnAnswerComesFirst(*db, 5, p.record), qPrintable(QString::number(p.record)));
    db->Close();
}

// The build's own tool, given the repository's schema and starter folder.
void TestColStarter::buildToolLoadsTheStarterFolder()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("CALVOREN.MDB");
    QCOMPARE(MakeStarterDatabase(path), QString());
    auto db = Database::OpenDatabase(path);
    QCOMPARE(readDatabase(*db).size(), loaded.size());
    db->Close();
}

void TestColStarter::faultyStarterFileIsRefused_data()
{
    const QString good = "Record: 1\nHint: H?\nRule: Rule 14\nText: T\nCaption: C\n"
                         "Element: Head On Vessel, Medium, 3000, 1500\n";
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("complaint");

    QTest::addRow("kind-the-editor-lacks") << QString(good).replace("Head On Vessel", "Tanker") << "line 6";
    QTest::addRow("size-the-editor-lacks") << QString(good).replace("Medium", "Huge") << "line 6";
    QTest::addRow("position-not-a-number") << QString(good).replace("3000, 1500", "3000, abc") << "line 6";
    QTest::addRow("position-missing") << QString(good).replace(", 1500", "") << "line 6";
    QTest::addRow("unknown-name") << good + "Colour: Red\n"
                                  << "line 7";
    QTest::addRow("no-element") << QString(good).remove(QRegularExpression("Element: .*\n")) << "line 1";
    QTest::addRow("no-rule") << QString(good).remove("Rule: Rule 14\n") << "line 1";
    QTest::addRow("tilde-in-the-hint") << QString(good).replace("Hint: H?", "Hint: H~R") << "line 1";
    QTest::addRow("numbering-not-from-one") << QString(good).replace("Record: 1", "Record: 2") << "line 1";
    QTest::addRow("alternative-missing") << good + "Alternatives: 7\n"
                                         << "line 1";
}

void TestColStarter::faultyStarterFileIsRefused()
{
    QFETCH(QString, content);
    QFETCH(QString, complaint);
    const QString refusal = StarterRefusal("collisions", content, LoadStarterCollisions);
    QVERIFY2(refusal.contains("Starter collisions, " + complaint), qPrintable(refusal));
}

QTEST_GUILESS_MAIN(TestColStarter)
#include "tst_colstarter.moc"
