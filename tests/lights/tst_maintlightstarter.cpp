// The lights pictures a new database starts with: each picture complete and
// inside the design space, in the editor's colours, with its alternatives;
// each agreeing with the table of the regulations kept beside the data; no
// wrong choice that is right as well; and loaded whole into a new database.

#include "ProgramState.h"
#include "StarterChecks.h"
#include "StarterFixture.h"

#include "data/CreateDatabase.h"
#include "data/Database.h"
#include "lights/LightChoices.h"
#include "lights/StarterLights.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

namespace {
std::vector<StarterPicture> starter()
{
    return ReadStarterLights(ReadSourceText("data/starter/pictures.lights"));
}

// One situation of the regulations table.
struct Regulation {
    QString rules;
    std::array<int, 5> counts{}; // white red green yellow flashing
    QStringList vertical;        // each line top to bottom, e.g. "red white red"
    QString fogRule;
};

struct Regulations {
    std::map<QString, Regulation> byAnswer;
    std::map<QString, QString> fogByRule;
};

Regulations readRegulations()
{
    Regulations table;
    for (const QString &raw : ReadSourceText("data/lights-regulations.txt").split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QStringList cells = line.split('|');
        for (QString &cell : cells)
            cell = cell.trimmed();
        if (cells[0] == "Fog" && cells.size() == 3) {
            table.fogByRule[cells[1]] = cells[2];
            continue;
        }
        if (cells.size() != 5)
            continue;
        Regulation r;
        r.rules = cells[1];
        const QStringList counts = cells[2].split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i < 5 && i < counts.size(); ++i)
            r.counts[i] = counts[i].toInt();
        if (cells[3] != "-")
            for (const QString &v : cells[3].split(';'))
                r.vertical << v.trimmed();
        r.vertical.sort();
        r.fogRule = cells[4];
        table.byAnswer[cells[0]] = r;
    }
    return table;
}

QString colourWord(const LightLine &light)
{
    if (light.flash)
        return "flashing";
    switch (light.colour) {
    case 16777215:
        return "white";
    case 255:
        return "red";
    case 65280:
        return "green";
    case 65535:
        return "yellow";
    default:
        return QString::number(light.colour);
    }
}

std::array<int, 5> countsOf(const StarterPicture &p)
{
    const QStringList order{"white", "red", "green", "yellow", "flashing"};
    std::array<int, 5> counts{};
    for (const LightLine &light : p.lights) {
        const int i = static_cast<int>(order.indexOf(colourWord(light)));
        if (i >= 0)
            ++counts[i];
    }
    return counts;
}

// Lights within 20 twips of one x stand in one vertical line; each line of
// two or more lights, read top to bottom.
QStringList verticalLinesOf(const StarterPicture &p)
{
    std::vector<bool> used(p.lights.size(), false);
    QStringList lines;
    for (size_t i = 0; i < p.lights.size(); ++i) {
        if (used[i])
            continue;
        std::vector<const LightLine *> column;
        for (size_t j = i; j < p.lights.size(); ++j) {
            if (!used[j] && std::abs(p.lights[j].x - p.lights[i].x) <= 20) {
                used[j] = true;
                column.push_back(&p.lights[j]);
            }
        }
        if (column.size() < 2)
            continue;
        std::sort(column.begin(), column.end(), [](const LightLine *a, const LightLine *b) { return a->y < b->y; });
        QStringList words;
        for (const LightLine *light : column)
            words << colourWord(*light);
        lines << words.join(' ');
    }
    lines.sort();
    return lines;
}

QString lightWord(const LightLine &light)
{
    return colourWord(light) + (light.size < 100 ? "-small" : "");
}

// What a learner sees: the lights by colour and size, their vertical lines,
// and which lights stand side by side at one height (a pair of sidelights,
// two sternlights abreast); a pair more than half the picture apart is a
// seaplane's wing tips, not a hull's sides.
QString appearanceOf(const StarterPicture &p)
{
    QStringList lights;
    QStringList level;
    for (size_t i = 0; i < p.lights.size(); ++i) {
        const LightLine &a = p.lights[i];
        lights << lightWord(a);
        for (size_t j = i + 1; j < p.lights.size(); ++j) {
            const LightLine &b = p.lights[j];
            if (std::abs(a.y - b.y) <= 20 && std::abs(a.x - b.x) > 20) {
                QStringList pair{colourWord(a), colourWord(b)};
                pair.sort();
                level << pair.join('+') + (std::abs(a.x - b.x) > 3000 ? "-far" : "");
            }
        }
    }
    lights.sort();
    level.sort();
    return lights.join(' ') + " | " + verticalLinesOf(p).join("; ") + " | " + level.join(' ');
}

// The stored rows that draw the picture, with its movement and fog signal.
QString drawnRowsOf(const StarterPicture &p)
{
    QStringList rows{QString::number(p.direction), p.fogSignal};
    for (const LightLine &l : p.lights)
        rows << QString("%1 %2 %3 %4 %5").arg(l.colour).arg(l.flash).arg(l.x).arg(l.y).arg(l.size);
    return rows.join('\n');
}

StarterPicture withoutFlashing(StarterPicture p)
{
    p.lights.erase(std::remove_if(p.lights.begin(), p.lights.end(), [](const LightLine &l) { return l.flash; }),
                   p.lights.end());
    return p;
}

// The lights standing in no vertical line (masthead, side, stern, anchor
// lights and the like), and the lights at each height, one entry a height.
QStringList singleLightsOf(const StarterPicture &p)
{
    QStringList single;
    for (const LightLine &a : p.lights) {
        const bool alone = std::none_of(p.lights.begin(), p.lights.end(),
                                        [&](const LightLine &b) { return &a != &b && std::abs(a.x - b.x) <= 20; });
        if (alone)
            single << lightWord(a);
    }
    single.sort();
    return single;
}

QStringList heightsOf(const StarterPicture &p)
{
    std::map<int, QStringList> byHeight;
    for (const LightLine &a : p.lights) {
        auto near = std::find_if(byHeight.begin(), byHeight.end(),
                                 [&](const auto &level) { return std::abs(level.first - a.y) <= 20; });
        (near == byHeight.end() ? byHeight[static_cast<int>(a.y)] : near->second) << lightWord(a);
    }
    QStringList heights;
    for (auto &[y, words] : byHeight) {
        words.sort();
        heights << words.join(' ');
    }
    heights.sort();
    return heights;
}

// An offered answer may be true of the picture as well when the picture
// shows the offered lights and only signals besides: the same single lights
// (so the same masthead, side, stern and anchor lights), every vertical line
// of the offered picture, its lights at their heights, the same movement and
// its flashing lights. Red over green above a sailing vessel's sidelights is
// still a sailing vessel; sidelights added to a vessel not making way are not.
bool mayAlsoBeTrue(const StarterPicture &picture, const StarterPicture &offered)
{
    auto flashing = [](const StarterPicture &p) {
        return std::count_if(p.lights.begin(), p.lights.end(), [](const LightLine &l) { return l.flash; });
    };
    const StarterPicture shown = withoutFlashing(picture);
    const StarterPicture other = withoutFlashing(offered);
    return picture.direction == offered.direction && flashing(offered) <= flashing(picture) &&
           singleLightsOf(other) == singleLightsOf(shown) &&
           ContainsAll(verticalLinesOf(shown), verticalLinesOf(other)) &&
           ContainsAll(heightsOf(shown), heightsOf(other));
}

StarterPicture pictureOf(const QString &body)
{
    return ReadStarterLights("Record: 1\nHint: H\nText: T\nFog Signal: F\n" + body).front();
}
} // namespace

class TestMaintLightStarter : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void everyPictureIsComplete();
    void lightsAreTheEditorsInsideTheDesignSpace();
    void alternativesNameOtherPictures();
    void nightScenePicturesCrossBothWays();
    void everyPictureAgreesWithTheRegulations();
    void wrongAlternativesLookDifferent();
    void noTwoPicturesLookAlike();
    void alikePicturesAnswerAlike();
    void noWrongChoiceIsAlsoRight();
    void answerMayBeTrueOfMoreLights_data();
    void answerMayBeTrueOfMoreLights();
    void everyLinkLeadsToAPictureAndBack();
    void movingPicturesHeadTheWayTheyAreSeen();
    void loadedWholeIntoANewDatabase();
    void buildToolLoadsTheStarterFolder();
    void faultyStarterFileIsRefused_data();
    void faultyStarterFileIsRefused();
};

void TestMaintLightStarter::everyPictureIsComplete()
{
    const auto pictures = starter();
    QVERIFY(pictures.size() >= 30);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const StarterPicture &p = pictures[i];
        QCOMPARE(p.record, static_cast<long>(i + 1));
        QVERIFY2(!p.hint.trimmed().isEmpty() && !p.text.trimmed().isEmpty() && !p.fogSignal.trimmed().isEmpty(),
                 qPrintable(QString::number(p.record)));
        for (const QString &text : {p.hint, p.text, p.fogSignal})
            QVERIFY2(TitleCase(text) && text.size() <= 255, qPrintable(text));
        QVERIFY(!p.lights.empty());
    }
}

void TestMaintLightStarter::lightsAreTheEditorsInsideTheDesignSpace()
{
    std::set<long> steady;
    for (const LightColourChoice &c : LightColourChoices)
        if (c.colour != FlashMarker)
            steady.insert(c.colour);
    for (const StarterPicture &p : starter()) {
        for (const LightLine &light : p.lights) {
            const QString where = QString("picture %1 light at %2,%3").arg(p.record).arg(light.x).arg(light.y);
            // A flashing light is stored yellow with the flag, as the editor stores "Yellow Flash".
            QVERIFY2(light.flash ? light.colour == 65535 : steady.count(light.colour) == 1, qPrintable(where));
            QVERIFY2(light.size == 100 || light.size == 40, qPrintable(where));
            QVERIFY2(light.x - light.size >= 0 && light.x + light.size <= 6000, qPrintable(where));
            QVERIFY2(light.y - light.size >= 0 && light.y + light.size <= 3000, qPrintable(where));
        }
    }
}

void TestMaintLightStarter::alternativesNameOtherPictures()
{
    const auto pictures = starter();
    std::set<long> records;
    for (const StarterPicture &p : pictures)
        records.insert(p.record);
    for (const StarterPicture &p : pictures) {
        const QString which = QString::number(p.record);
        QVERIFY2(p.alternatives.size() >= 3 && p.alternatives.size() <= 5, qPrintable(which));
        const std::set<long> distinct(p.alternatives.begin(), p.alternatives.end());
        QVERIFY2(distinct.size() == p.alternatives.size(), qPrintable(which));
        QVERIFY2(!distinct.count(p.record), qPrintable(which));
        for (long other : p.alternatives)
            QVERIFY2(records.count(other), qPrintable(which + " offers " + QString::number(other)));
    }
}

// The night scene sends picture 16 across to the right and 22 back to the
// left: the same vessel seen from her starboard side, then from her port side.
void TestMaintLightStarter::nightScenePicturesCrossBothWays()
{
    const auto pictures = starter();
    QVERIFY(pictures.size() >= 22);
    const StarterPicture &right = pictures[15];
    const StarterPicture &left = pictures[21];
    QCOMPARE(right.record, 16L);
    QCOMPARE(left.record, 22L);
    QCOMPARE(right.direction, 2);
    QCOMPARE(left.direction, 4);
    QVERIFY(right.text.contains("Power-Driven") && right.text.endsWith("Seen From Starboard"));
    QCOMPARE(QString(left.text).replace("From Port", "From Starboard"), right.text);
    const auto r = countsOf(right);
    const auto l = countsOf(left);
    QCOMPARE(r, (std::array<int, 5>{2, 0, 1, 0, 0}));
    QCOMPARE(l, (std::array<int, 5>{2, 1, 0, 0, 0}));
    // Heading right her forward, lower masthead light is on the right; heading
    // left it is on the left.
    auto forwardIsRight = [](const StarterPicture &p) {
        const LightLine *low = nullptr;
        const LightLine *high = nullptr;
        for (const LightLine &light : p.lights) {
            if (colourWord(light) != "white")
                continue;
            if (!low || light.y > low->y)
                low = &light;
            if (!high || light.y < high->y)
                high = &light;
        }
        return low->x > high->x;
    };
    QVERIFY(forwardIsRight(right));
    QVERIFY(!forwardIsRight(left));
}

void TestMaintLightStarter::everyPictureAgreesWithTheRegulations()
{
    const Regulations table = readRegulations();
    QVERIFY(!table.byAnswer.empty());
    std::set<QString> used;
    for (const StarterPicture &p : starter()) {
        const auto row = table.byAnswer.find(p.text);
        QVERIFY2(row != table.byAnswer.end(), qPrintable("no regulation for: " + p.text));
        const Regulation &r = row->second;
        used.insert(p.text);
        QVERIFY2(countsOf(p) == r.counts, qPrintable(p.text));
        QVERIFY2(verticalLinesOf(p) == r.vertical,
                 qPrintable(p.text + ": " + verticalLinesOf(p).join("; ") + " against " + r.vertical.join("; ")));
        const auto fog = table.fogByRule.find(r.fogRule);
        QVERIFY2(fog != table.fogByRule.end(), qPrintable(r.fogRule));
        QVERIFY2(p.fogSignal == fog->second, qPrintable(p.text));
    }
    QCOMPARE(used.size(), table.byAnswer.size());
}

// A wrong choice that shows the same lights in the same lines would be right
// as well: every offered alternative differs in how it looks.
void TestMaintLightStarter::wrongAlternativesLookDifferent()
{
    const auto pictures = starter();
    for (const StarterPicture &p : pictures) {
        for (long other : p.alternatives) {
            const StarterPicture &o = pictures[static_cast<size_t>(other - 1)];
            QVERIFY2(appearanceOf(p) != appearanceOf(o),
                     qPrintable(QString("%1 and %2 look alike").arg(p.record).arg(other)));
        }
    }
}

// Two pictures a learner cannot tell apart would teach two answers for one
// sight: pictures that look alike have one answer, so there is only one.
void TestMaintLightStarter::noTwoPicturesLookAlike()
{
    const auto pictures = starter();
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j)
            QVERIFY2(appearanceOf(pictures[i]) != appearanceOf(pictures[j]),
                     qPrintable(QString("%1 and %2 look alike: %3")
                                    .arg(pictures[i].record)
                                    .arg(pictures[j].record)
                                    .arg(appearanceOf(pictures[i]))));
}

void TestMaintLightStarter::alikePicturesAnswerAlike()
{
    const QStringList faults = AlikeButAnsweredApart(starter(), drawnRowsOf);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestMaintLightStarter::noWrongChoiceIsAlsoRight()
{
    const auto pictures = starter();
    const QStringList faults = OwnAnswersOffered(pictures) + TrueAnswersOffered(pictures, mayAlsoBeTrue);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Pairs from the rules: what a picture adds to an offered one may leave the
// offered answer true (an added signal) or make it false (added sidelights,
// an added masthead light, the lights arranged otherwise).
void TestMaintLightStarter::answerMayBeTrueOfMoreLights_data()
{
    const QString sidelights = "Light: Green, Large, 2700, 2000\nLight: Red, Large, 3300, 2000\n";
    const QString masthead = "Light: White, Large, 3000, 1000\n";
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("alsoTrue");

    QTest::addRow("red-over-green-over-sailing-lights")
        << "Direction: Still\nLight: Red, Large, 3000, 500\nLight: Green, Large, 3000, 800\n" + sidelights
        << "Direction: Still\n" + sidelights << true;
    QTest::addRow("flashing-yellow-over-power-driven")
        << "Direction: Still\nLight: Yellow Flash, Large, 3000, 1300\n" + masthead + sidelights
        << "Direction: Still\n" + masthead + sidelights << true;
    QTest::addRow("restricted-at-anchor-is-at-anchor")
        << "Direction: Still\nLight: Red, Large, 3000, 700\nLight: White, Large, 3000, 1000\n"
           "Light: Red, Large, 3000, 1300\nLight: White, Large, 4400, 1300\nLight: White, Large, 1600, 1700\n"
        << "Direction: Still\nLight: White, Large, 4400, 1200\nLight: White, Large, 1600, 1600\n"
        << true;
    QTest::addRow("sidelights-say-making-way")
        << "Direction: Still\nLight: Green, Large, 3000, 800\nLight: White, Large, 3000, 1100\n" + sidelights
        << "Direction: Still\nLight: Green, Large, 3000, 800\nLight: White, Large, 3000, 1100\n"
        << false;
    QTest::addRow("masthead-light-says-not-sailing")
        << "Direction: Still\n" + masthead + sidelights << "Direction: Still\n" + sidelights << false;
    QTest::addRow("flashing-light-not-shown")
        << "Direction: Still\n" + masthead + sidelights
        << "Direction: Still\nLight: Yellow Flash, Large, 3000, 1300\n" + masthead + sidelights << false;
    QTest::addRow("seen-another-way")
        << "Direction: Right\nLight: Red, Large, 3000, 700\nLight: Red, Large, 3000, 1000\n"
           "Light: Green, Large, 3400, 1900\n"
        << "Direction: Still\nLight: Green, Large, 3400, 1900\n"
        << false;
    QTest::addRow("two-pairs-abreast-not-one-ahead")
        << "Direction: Still\nLight: Green, Large, 2150, 1800\nLight: Red, Large, 2650, 1800\n"
           "Light: Green, Large, 3150, 1800\nLight: Red, Large, 3650, 1800\n"
        << "Direction: Still\nLight: Green, Large, 2750, 1700\nLight: Red, Large, 3250, 1700\n"
           "Light: Green, Large, 2300, 2200\nLight: Red, Large, 3700, 2200\n"
        << false;
}

void TestMaintLightStarter::answerMayBeTrueOfMoreLights()
{
    QFETCH(QString, picture);
    QFETCH(QString, offered);
    QFETCH(bool, alsoTrue);

    QCOMPARE(mayAlsoBeTrue(pictureOf(picture), pictureOf(offered)), alsoTrue);
}

void TestMaintLightStarter::everyLinkLeadsToAPictureAndBack()
{
    const QStringList faults = StarterLinkFaults(1);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestMaintLightStarter::movingPicturesHeadTheWayTheyAreSeen()
{
    for (const StarterPicture &p : starter()) {
        const bool moving =
            !p.text.contains("At Anchor") && !p.text.contains("Aground") && !p.text.contains("Not Making Way");
        int expected = 0;
        if (moving && p.text.contains("Seen From Starboard"))
            expected = 2;
        else if (moving && p.text.contains("Seen From Port"))
            expected = 4;
        QVERIFY2(p.direction == expected, qPrintable(p.text));
    }
}

void TestMaintLightStarter::loadedWholeIntoANewDatabase()
{
    QTemporaryDir dir;
    const QString starterDir = dir.filePath("starter");
    QVERIFY(QDir().mkpath(starterDir));
    QVERIFY(QFile::copy(SourceFile("data/starter/pictures.lights"), starterDir + "/pictures.lights"));
    const QString path = dir.filePath("CALVOREN.MDB");
    CreateDatabase(path, TestSchemaFile(), starterDir, {{"lights", LoadStarterLights}});

    const auto pictures = starter();
    auto db = Database::OpenDatabase(path);
    QCOMPARE(CountRows(*db, "Select Count(*) As N From LIGHTHEAD"), static_cast<long>(pictures.size()));
    for (const StarterPicture &p : pictures) {
        Recordset head = db->OpenRecordset("LIGHTHEAD");
        head.Index("PRIMARY");
        head.Seek("=", static_cast<qlonglong>(p.record));
        QVERIFY(!head.NoMatch());
        QCOMPARE(head.TextValue("HINT"), p.hint);
        QCOMPARE(head.TextValue("TEXT"), p.text);
        QCOMPARE(head.TextValue("FOGSIGNAL"), p.fogSignal);
        QCOMPARE(head.LongValue("DIRECTION"), static_cast<long>(p.direction));
        head.Close();

        Recordset lines = db->OpenRecordset("LIGHTLINE");
        lines.Index("ALTERNATE");
        lines.Seek("=", static_cast<qlonglong>(p.record));
        for (const LightLine &light : p.lights) {
            QVERIFY(!lines.Eof());
            QCOMPARE(lines.LongValue("HEADER"), p.record);
            QCOMPARE(lines.LongValue("COLOUR"), light.colour);
            QCOMPARE(lines.BoolValue("FLASH"), light.flash);
            QCOMPARE(lines.DoubleValue("XPOS"), light.x);
            QCOMPARE(lines.DoubleValue("YPOS"), light.y);
            QCOMPARE(lines.DoubleValue("SIZE"), light.size);
            lines.MoveNext();
        }
        QVERIFY(lines.Eof() || lines.LongValue("HEADER") != p.record);
        lines.Close();

        // The picture's own row first, then the others by number.
        Recordset set = db->OpenRecordset("ALTERNATIVES");
        set.Index("HEADTYPE");
        set.Seek("=", 1, static_cast<qlonglong>(p.record));
        std::vector<long> others(p.alternatives);
        std::sort(others.begin(), others.end());
        others.insert(others.begin(), p.record);
        for (size_t i = 0; i < others.size(); ++i) {
            QVERIFY(!set.Eof());
            QCOMPARE(set.LongValue("RECORDONE"), p.record);
            QCOMPARE(set.LongValue("RECORDTWO"), others[i]);
            QCOMPARE(set.LongValue("ANSWER"), i == 0 ? -1L : 0L);
            set.MoveNext();
        }
        QVERIFY(set.Eof() || set.LongValue("RECORDONE") != p.record);
        set.Close();
    }
    db->Close();
}

// The build's own tool, given the repository's schema and starter folder.
void TestMaintLightStarter::buildToolLoadsTheStarterFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CALVOREN.MDB");
    QProcess tool;
    tool.start(MKDB_PATH, {path, TestSchemaFile(), SourceFile("data/starter")});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);

    auto db = Database::OpenDatabase(path);
    QCOMPARE(CountRows(*db, "Select Count(*) As N From LIGHTHEAD"), static_cast<long>(starter().size()));
    QVERIFY(CountRows(*db, "Select Count(*) As N From LIGHTLINE Where HEADER = 16") > 0);
    QVERIFY(CountRows(*db, "Select Count(*) As N From LIGHTLINE Where HEADER = 22") > 0);
    db->Close();
}

void TestMaintLightStarter::faultyStarterFileIsRefused_data()
{
    const QString good = "Record: 1\nHint: H\nText: T\nFog Signal: F\nDirection: Still\nLight: Red, Large, 100, 100\n";
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("complaint");

    QTest::addRow("colour-the-editor-lacks") << QString(good).replace("Red,", "Purple,") << "line 6";
    QTest::addRow("size-the-editor-lacks") << QString(good).replace("Large", "Huge") << "line 6";
    QTest::addRow("position-not-a-number") << QString(good).replace("100, 100", "100, abc") << "line 6";
    QTest::addRow("unknown-name") << good + "Colour: Red\n"
                                  << "line 7";
    QTest::addRow("direction-unknown") << QString(good).replace("Still", "Sideways") << "line 5";
    QTest::addRow("fog-signal-missing") << QString(good).remove("Fog Signal: F\n") << "line 1";
    QTest::addRow("no-light") << QString(good).remove("Light: Red, Large, 100, 100\n") << "line 1";
    QTest::addRow("numbering-not-from-one") << QString(good).replace("Record: 1", "Record: 2") << "line 1";
    QTest::addRow("alternative-missing") << good + "Alternatives: 7\n"
                                         << "line 1";
}

void TestMaintLightStarter::faultyStarterFileIsRefused()
{
    QFETCH(QString, content);
    QFETCH(QString, complaint);

    QTemporaryDir dir;
    const QString starterDir = dir.filePath("starter");
    QVERIFY(QDir().mkpath(starterDir));
    QFile f(starterDir + "/pictures.lights");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content.toUtf8());
    f.close();
    const QString path = dir.filePath("CALVOREN.MDB");

    try {
        CreateDatabase(path, TestSchemaFile(), starterDir, {{"lights", LoadStarterLights}});
        QFAIL("the faulty file was loaded");
    } catch (const DbError &e) {
        QVERIFY2(e.Description().contains(complaint), qPrintable(e.Description()));
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestMaintLightStarter)
#include "tst_maintlightstarter.moc"
