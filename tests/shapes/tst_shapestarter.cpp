// The day-shapes pictures a new database starts with: each composed of the
// editor's kinds and sizes inside the design space, each agreeing with the
// table of the regulations kept beside the data, each shape hoisted on the
// vessel that carries it, no wrong choice that is right as well, and loaded
// whole into a new database.

#include "ProgramState.h"
#include "StarterChecks.h"
#include "StarterFixture.h"

#include "lights/StarterLights.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"
#include "shapes/StarterShapes.h"
#include "silhouettes/ShapeKinds.h"

#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {
std::vector<StarterShapePicture> starter()
{
    return ReadStarterShapes(ReadSourceText("data/starter/pictures.shapes"));
}

ShapeKind kindOf(const ShapeLine &shape)
{
    return static_cast<ShapeKind>(static_cast<int>(shape.kind));
}

bool isSignal(const ShapeLine &shape)
{
    switch (kindOf(shape)) {
    case ShapeKind::Ball:
    case ShapeKind::ConeUp:
    case ShapeKind::ConeDown:
    case ShapeKind::Diamond:
    case ShapeKind::Cylinder:
        return true;
    default:
        return false;
    }
}

bool isVessel(const ShapeLine &shape)
{
    return shape.kind >= static_cast<int>(ShapeKind::HeadOnVessel);
}

// "Cone Up" reads "cone-up" in the table.
QString word(const ShapeLine &shape)
{
    return QString::fromLatin1(ShapeKindTexts[static_cast<size_t>(shape.kind)]).toLower().replace(' ', '-');
}

QString vesselsOf(const StarterShapePicture &p)
{
    QStringList words;
    for (const ShapeLine &shape : p.shapes)
        if (isVessel(shape))
            words << word(shape);
    return words.join(' ');
}

std::vector<std::vector<const ShapeLine *>> signalLines(const StarterShapePicture &p)
{
    std::vector<std::vector<const ShapeLine *>> lines;
    std::vector<bool> used(p.shapes.size(), false);
    for (size_t i = 0; i < p.shapes.size(); ++i) {
        if (used[i] || !isSignal(p.shapes[i]))
            continue;
        std::vector<const ShapeLine *> column;
        for (size_t j = i; j < p.shapes.size(); ++j) {
            if (!used[j] && isSignal(p.shapes[j]) && std::abs(p.shapes[j].x - p.shapes[i].x) <= 20) {
                used[j] = true;
                column.push_back(&p.shapes[j]);
            }
        }
        std::sort(column.begin(), column.end(), [](const ShapeLine *a, const ShapeLine *b) { return a->y < b->y; });
        lines.push_back(column);
    }
    return lines;
}

QStringList lineWords(const StarterShapePicture &p)
{
    QStringList words;
    for (const auto &column : signalLines(p)) {
        QStringList line;
        for (const ShapeLine *shape : column)
            line << word(*shape);
        words << line.join(' ');
    }
    words.sort();
    return words;
}

// The stored rows that draw the picture, with its fog signal.
QString drawnRowsOf(const StarterShapePicture &p)
{
    QStringList rows{p.fogSignal};
    for (const ShapeLine &s : p.shapes)
        rows << QString("%1 %2 %3 %4").arg(s.kind).arg(s.size).arg(s.x).arg(s.y);
    return rows.join('\n');
}

// What a learner sees: the vessels and the lines of signal shapes.
QString appearanceOf(const StarterShapePicture &p)
{
    return vesselsOf(p) + " | " + lineWords(p).join("; ") + " | " + p.fogSignal;
}

// Day signals add to one another: a vessel that shows every line of shapes
// of an offered picture is that vessel too, whatever else she shows (the
// outlying-gear cone beside the fishing cones is still a vessel fishing).
bool mayAlsoBeTrue(const StarterShapePicture &picture, const StarterShapePicture &offered)
{
    return ContainsAll(lineWords(picture), lineWords(offered));
}

StarterShapePicture pictureOf(const QString &shapes)
{
    return ReadStarterShapes("Record: 1\nHint: H\nText: T\nFog Signal: F\n" + shapes).front();
}

// The element box the editor gives the kind; cones keep the 400 x 400 template's.
QRectF elementBox(const ShapeLine &shape)
{
    const auto box = ElementBox(static_cast<long>(shape.kind), Whole::Round(shape.size));
    const double w = box ? box->width.D() : 400;
    const double h = box ? box->height.D() : 400;
    return QRectF(shape.x - w / 2, shape.y - h / 2, w, h);
}

// Half the height the quiz draws a signal shape at: the diamond stretched by
// the widest screen the program meets (16:9), the cylinder with its top face.
double halfHeight(const ShapeLine &shape)
{
    switch (kindOf(shape)) {
    case ShapeKind::Diamond:
        return shape.size * 16 / 9;
    case ShapeKind::Cylinder:
        return shape.size * 2.2;
    default:
        return shape.size;
    }
}
} // namespace

class TestShapeStarter : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void everyPictureIsComplete();
    void elementsAreTheEditorsInsideTheDesignSpace();
    void everyPictureAgreesWithTheRegulations();
    void shapesAreHoistedOnTheirVessel();
    void shapesInALineStandApart();
    void signalShapesAreFilledWhereTheQuizDrawsThem();
    void alternativesNameOtherPicturesThatLookDifferent();
    void alikePicturesAnswerAlike_data();
    void alikePicturesAnswerAlike();
    void noWrongChoiceIsAlsoRight();
    void answerMayBeTrueOfMoreShapes_data();
    void answerMayBeTrueOfMoreShapes();
    void everyLinkLeadsToAPictureAndBack();
    void loadedWholeIntoANewDatabase();
    void faultyStarterFileIsRefused_data();
    void faultyStarterFileIsRefused();
};

void TestShapeStarter::everyPictureIsComplete()
{
    const auto pictures = starter();
    QVERIFY(pictures.size() >= 12);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const StarterShapePicture &p = pictures[i];
        QCOMPARE(p.record, static_cast<long>(i + 1));
        for (const QString &text : {p.hint, p.text, p.fogSignal})
            QVERIFY2(TitleCase(text) && text.size() <= 255, qPrintable(text));
        QVERIFY2(!vesselsOf(p).isEmpty(), qPrintable(p.text));
        QVERIFY2(!p.lights.empty(), qPrintable(p.text));
    }
}

void TestShapeStarter::elementsAreTheEditorsInsideTheDesignSpace()
{
    const QRectF space(0, 0, 6000, 3000);
    for (const StarterShapePicture &p : starter()) {
        for (const ShapeLine &shape : p.shapes) {
            const QString where =
                QString("picture %1: %2 at %3,%4").arg(p.record).arg(word(shape)).arg(shape.x).arg(shape.y);
            QVERIFY2(IsShapeKind(static_cast<long>(shape.kind)), qPrintable(where));
            QVERIFY2(shape.size == 150 || shape.size == 120 || shape.size == 80, qPrintable(where));
            QVERIFY2(space.contains(elementBox(shape)), qPrintable(where));
        }
    }
}

void TestShapeStarter::everyPictureAgreesWithTheRegulations()
{
    const auto rows = RegulationRows("data/shapes-regulations.txt");
    const auto fog = FogSignalsByRule();
    QVERIFY(!rows.empty());
    const auto pictures = starter();
    std::set<QString> used;
    for (const QStringList &row : rows) {
        QCOMPARE(row.size(), 5);
        const auto p = std::find_if(pictures.begin(), pictures.end(),
                                    [&](const StarterShapePicture &q) { return q.text == row[0]; });
        QVERIFY2(p != pictures.end(), qPrintable("no picture for: " + row[0]));
        used.insert(row[0]);
        QVERIFY2(vesselsOf(*p) == row[2], qPrintable(row[0] + ": " + vesselsOf(*p)));
        QStringList expected;
        for (const QString &line : row[3].split(';'))
            expected << line.trimmed();
        expected.sort();
        QVERIFY2(lineWords(*p) == expected, qPrintable(row[0] + ": " + lineWords(*p).join("; ")));
        QVERIFY2(fog.count(row[4]), qPrintable(row[4]));
        QVERIFY2(p->fogSignal == fog.at(row[4]), qPrintable(row[0]));
    }
    QCOMPARE(used.size(), pictures.size());
}

// A shape is hoisted above the deck of a vessel drawn under it: its centre
// lies over the vessel's element and above the vessel's centre.
void TestShapeStarter::shapesAreHoistedOnTheirVessel()
{
    for (const StarterShapePicture &p : starter()) {
        for (const ShapeLine &shape : p.shapes) {
            if (!isSignal(shape))
                continue;
            bool carried = false;
            for (const ShapeLine &vessel : p.shapes) {
                const QRectF box = elementBox(vessel);
                if (isVessel(vessel) && shape.x > box.left() && shape.x < box.right() && shape.y < vessel.y)
                    carried = true;
            }
            QVERIFY2(carried,
                     qPrintable(
                         QString("picture %1: %2 at %3,%4").arg(p.record).arg(word(shape)).arg(shape.x).arg(shape.y)));
        }
    }
}

// Shapes in one line do not run into one another; only two cones may touch,
// apex to apex, as the fishing signal has them.
void TestShapeStarter::shapesInALineStandApart()
{
    for (const StarterShapePicture &p : starter()) {
        for (const auto &column : signalLines(p)) {
            for (size_t i = 1; i < column.size(); ++i) {
                const ShapeLine &upper = *column[i - 1];
                const ShapeLine &lower = *column[i];
                const double gap = (lower.y - halfHeight(lower)) - (upper.y + halfHeight(upper));
                const bool apexes = kindOf(upper) == ShapeKind::ConeDown && kindOf(lower) == ShapeKind::ConeUp;
                QVERIFY2(apexes ? gap >= 0 : gap > 20,
                         qPrintable(QString("picture %1: gap %2 above y %3").arg(p.record).arg(gap).arg(lower.y)));
            }
        }
    }
}

// The quiz draws every element on one picture, so a mast or pole under a
// shape must not stop its fill: a little right of each shape's centre (clear
// of a line through the centre) the shape is black. Drawn three times the
// design size on a 16:9 screen, so the probe is pixels away from any line.
void TestShapeStarter::signalShapesAreFilledWhereTheQuizDrawsThem()
{
    Twips::SetTwipsPerPixel(15, 15);
    Twips::SetScreenSize(1920 * 15, 1080 * 15);
    constexpr float k = 3;
    for (const StarterShapePicture &p : starter()) {
        PictureBox picture;
        picture.resize(Twips::ToPixelsX(6000 * k), Twips::ToPixelsY(3000 * k));
        picture.SetBackColor(Colours::White);
        for (const ShapeLine &shape : p.shapes)
            DrawShape(picture, shape, k);
        for (const ShapeLine &shape : p.shapes) {
            if (!isSignal(shape))
                continue;
            const double x = k * (shape.x + 0.4 * shape.size);
            const double y = k * shape.y;
            QVERIFY2(picture.PixelColour(Twips::ToPixelsX(x), Twips::ToPixelsY(y)) == Colours::Black,
                     qPrintable(QString("picture %1: %2 at %3,%4 not filled")
                                    .arg(p.record)
                                    .arg(word(shape))
                                    .arg(shape.x)
                                    .arg(shape.y)));
        }
    }
}

void TestShapeStarter::alternativesNameOtherPicturesThatLookDifferent()
{
    const auto pictures = starter();
    for (const StarterShapePicture &p : pictures) {
        const QString which = QString::number(p.record);
        QVERIFY2(p.alternatives.size() >= 3 && p.alternatives.size() <= 4, qPrintable(which));
        const std::set<long> distinct(p.alternatives.begin(), p.alternatives.end());
        QVERIFY2(distinct.size() == p.alternatives.size() && !distinct.count(p.record), qPrintable(which));
        for (long other : p.alternatives) {
            QVERIFY2(other >= 1 && other <= static_cast<long>(pictures.size()), qPrintable(which));
            const StarterShapePicture &o = pictures[static_cast<size_t>(other - 1)];
            QVERIFY2(lineWords(p) != lineWords(o),
                     qPrintable(which + " and " + QString::number(other) + " look alike"));
        }
    }
}

// Alike by the rows stored, and alike as a learner sees them.
void TestShapeStarter::alikePicturesAnswerAlike_data()
{
    QTest::addColumn<bool>("asSeen");
    QTest::addRow("stored-rows") << false;
    QTest::addRow("vessels-and-shapes") << true;
}

void TestShapeStarter::alikePicturesAnswerAlike()
{
    QFETCH(bool, asSeen);

    const QStringList faults = AlikeButAnsweredApart(starter(), asSeen ? appearanceOf : drawnRowsOf);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestShapeStarter::noWrongChoiceIsAlsoRight()
{
    const auto pictures = starter();
    const QStringList faults = OwnAnswersOffered(pictures) + TrueAnswersOffered(pictures, mayAlsoBeTrue);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Pairs from the rules: added shapes leave an offered answer true; a line of
// shapes that differs makes it false.
void TestShapeStarter::answerMayBeTrueOfMoreShapes_data()
{
    const QString fishing = "Shape: Cone Down, Small, 3720, 380\nShape: Cone Up, Small, 3720, 540\n";
    const QString ball = "Shape: Ball, Small, 4300, 1240\n";
    const QString restricted =
        "Shape: Ball, Small, 3700, 1080\nShape: Diamond, Small, 3700, 1390\nShape: Ball, Small, 3700, 1700\n";
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("alsoTrue");

    QTest::addRow("gear-cone-beside-fishing-cones") << fishing + "Shape: Cone Up, Small, 4920, 690\n"
                                                    << fishing << true;
    QTest::addRow("anchor-ball-beside-restricted") << restricted + ball << ball << true;
    QTest::addRow("restricted-at-anchor-is-restricted") << restricted + ball << restricted << true;
    QTest::addRow("two-balls-not-three")
        << "Shape: Ball, Small, 3000, 880\nShape: Ball, Small, 3000, 1190\nShape: Ball, Small, 3000, 1500\n"
        << "Shape: Ball, Small, 3000, 1000\nShape: Ball, Small, 3000, 1350\n"
        << false;
    QTest::addRow("one-diamond-not-two") << "Shape: Diamond, Small, 800, 1380\n"
                                         << "Shape: Diamond, Small, 3950, 1050\nShape: Diamond, Small, 1200, 1200\n"
                                         << false;
}

void TestShapeStarter::answerMayBeTrueOfMoreShapes()
{
    QFETCH(QString, picture);
    QFETCH(QString, offered);
    QFETCH(bool, alsoTrue);

    QCOMPARE(mayAlsoBeTrue(pictureOf(picture), pictureOf(offered)), alsoTrue);
}

void TestShapeStarter::everyLinkLeadsToAPictureAndBack()
{
    const QStringList faults = StarterLinkFaults(2);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestShapeStarter::loadedWholeIntoANewDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CALVOREN.MDB");
    const QString failure = MakeStarterDatabase(path);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    const auto pictures = starter();
    auto db = Database::OpenDatabase(path);
    QCOMPARE(CountRows(*db, "Select Count(*) As N From SHAPEHEAD"), static_cast<long>(pictures.size()));
    for (const StarterShapePicture &p : pictures) {
        Recordset head = db->OpenQuery("Select * From SHAPEHEAD Where RECORD = ?", {static_cast<qlonglong>(p.record)});
        QVERIFY(!head.Eof());
        QCOMPARE(head.TextValue("HINT"), p.hint);
        QCOMPARE(head.TextValue("TEXT"), p.text);
        QCOMPARE(head.TextValue("FOGSIGNAL"), p.fogSignal);
        head.Close();

        Recordset lines = db->OpenQuery("Select * From SHAPELINE Where HEADER = ?", {static_cast<qlonglong>(p.record)});
        for (const ShapeLine &shape : p.shapes) {
            QVERIFY(!lines.Eof());
            QCOMPARE(lines.DoubleValue("XPOS"), static_cast<double>(shape.x));
            QCOMPARE(lines.DoubleValue("YPOS"), static_cast<double>(shape.y));
            QCOMPARE(lines.DoubleValue("SIZE"), shape.size);
            QCOMPARE(lines.DoubleValue("LISTPTR"), shape.kind);
            QCOMPARE(lines.LongValue("COLOUR"), 0L);
            lines.MoveNext();
        }
        QVERIFY(lines.Eof());
        lines.Close();

        // The picture's own row, then each wrong choice, every one a stored picture.
        std::vector<long> expected(p.alternatives);
        std::sort(expected.begin(), expected.end());
        expected.insert(expected.begin(), p.record);
        Recordset set = db->OpenQuery("Select * From ALTERNATIVES Where TYPE = 2 And RECORDONE = ?",
                                      {static_cast<qlonglong>(p.record)});
        for (size_t i = 0; i < expected.size(); ++i) {
            QVERIFY(!set.Eof());
            QCOMPARE(set.LongValue("RECORDTWO"), expected[i]);
            QCOMPARE(set.LongValue("ANSWER"), i == 0 ? -1L : 0L);
            QCOMPARE(CountRows(*db, "Select Count(*) As N From SHAPEHEAD Where RECORD = ?",
                               {static_cast<qlonglong>(expected[i])}),
                     1L);
            set.MoveNext();
        }
        QVERIFY(set.Eof());
        set.Close();

        for (long light : p.lights)
            QCOMPARE(CountRows(*db,
                               "Select Count(*) As N From LINKS Where TYPEONE = 2 And RECORDONE = ? "
                               "And TYPETWO = 1 And RECORDTWO = ?",
                               {static_cast<qlonglong>(p.record), static_cast<qlonglong>(light)}),
                     1L);
    }
    db->Close();
}

void TestShapeStarter::faultyStarterFileIsRefused_data()
{
    const QString good = "Record: 1\nHint: H\nText: T\nFog Signal: F\nShape: Ball, Small, 3000, 1000\nLights: 1\n";
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("complaint");

    QTest::addRow("kind-the-editor-lacks") << QString(good).replace("Ball", "Flag") << "line 5";
    QTest::addRow("size-the-editor-lacks") << QString(good).replace("Small", "Huge") << "line 5";
    QTest::addRow("position-missing") << QString(good).replace(", 1000", "") << "line 5";
    QTest::addRow("unknown-name") << good + "Colour: Black\n"
                                  << "line 7";
    QTest::addRow("fog-signal-missing") << QString(good).remove("Fog Signal: F\n") << "line 1";
    QTest::addRow("no-shape") << QString(good).remove("Shape: Ball, Small, 3000, 1000\n") << "line 1";
    QTest::addRow("numbering-not-from-one") << QString(good).replace("Record: 1", "Record: 2") << "line 1";
    QTest::addRow("alternative-missing") << good + "Alternatives: 7\n"
                                         << "line 1";
    QTest::addRow("lights-picture-missing") << QString(good).replace("Lights: 1", "Lights: 99") << "line 1";
}

void TestShapeStarter::faultyStarterFileIsRefused()
{
    QFETCH(QString, content);
    QFETCH(QString, complaint);

    const QString said =
        StarterComplaint("pictures.shapes", content, {{"lights", LoadStarterLights}, {"shapes", LoadStarterShapes}});
    QVERIFY2(said.contains("Starter shapes, " + complaint), qPrintable(said));
}

QTEST_MAIN(TestShapeStarter)
#include "tst_shapestarter.moc"
