#include "ProgramState.h"
#include "TestDatabase.h"
#include "data/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <functional>

using DbStep = std::function<void(Database &)>;
Q_DECLARE_METATYPE(DbStep)

namespace {

// Runs a step and gives the error number it threw, 0 when none.
long errorOf(const std::function<void()> &step)
{
    try {
        step();
    } catch (const DbError &e) {
        return e.Number();
    }
    return 0;
}

void addLight(Recordset &rs, int header, int colour)
{
    rs.AddNew();
    rs.SetValue("HEADER", header);
    rs.SetValue("COLOUR", colour);
    rs.SetValue("FLASH", false);
    rs.SetValue("XPOS", 1);
    rs.SetValue("YPOS", 2);
    rs.SetValue("SIZE", 40);
    rs.Update();
}

long addHead(Database &db, const QVariant &text = QStringLiteral("t"))
{
    Recordset rs = db.OpenRecordset("LIGHTHEAD");
    rs.AddNew();
    rs.SetValue("HINT", "h");
    rs.SetValue("TEXT", text);
    rs.SetValue("FOGSIGNAL", "");
    rs.SetValue("DIRECTION", 0);
    rs.Update();
    rs.MoveLastModified();
    const long record = rs.LongValue("RECORD");
    rs.Close();
    return record;
}

int countRows(Database &db, const QString &table)
{
    Recordset rs = db.OpenQuery("Select Count(*) As N From " + table);
    return int(rs.LongValue("N"));
}

// A second user of the same file, holding it as a test needs.
class OtherUser
{
public:
    explicit OtherUser(const QString &path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~OtherUser() { sqlite3_close(m_db); }
    int Run(const char *sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3 *m_db = nullptr;
};

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void walkAfterSeekStopsWhereHeaderChanges_data();
    void walkAfterSeekStopsWhereHeaderChanges();
    void twoKeySeekFindsFirstMatchingRow_data();
    void twoKeySeekFindsFirstMatchingRow();
    void primaryOrderAndTableOrder();
    void emptyTableIsBofAndEofAtOnce();
    void countersNeverZeroNeverReused();
    void namesMatchInAnyCase_data();
    void namesMatchInAnyCase();
    void textRoundTrips_data();
    void textRoundTrips();
    void typedReadsAndStoredTypes();
    void addNewKeepsCurrentRowAndLastModifiedFindsNewOne();
    void editChangesUserRowInPlace();
    void programStatementsAcceptedAsWritten();
    void valuesAreBoundNeverJoinedIntoSql();
    void misuseGivesEngineErrorNumbers_data();
    void misuseGivesEngineErrorNumbers();
    void openingMissingOrDamagedFileFailsWithNumber_data();
    void openingMissingOrDamagedFileFailsWithNumber();
    void secondUserHoldingLockGivesLockNumber();
    void transactionFailingHalfwayLeavesNoRow();
    void failedUpdateCanBeRunAgain();
    void closedDatabaseRefusesItsRecordsets();

private:
    QTemporaryDir *m_dir = nullptr;
    QString m_path;
    std::unique_ptr<Database> m_db;
};

void TestDatabase::init()
{
    ResetProgramState();
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_path = MakeTestDatabase(m_dir->path()) + "CALVOREN.MDB";
    m_db = Database::OpenDatabase(m_path);
}

void TestDatabase::cleanup()
{
    ResetProgramState();
    m_db.reset();
    delete m_dir;
    m_dir = nullptr;
}

// Line rows added with HEADER 5, 3, 5, 7, 3, 5 and COLOUR 1..6: a picture's
// rows are those of one HEADER, in the order they were added.
void TestDatabase::walkAfterSeekStopsWhereHeaderChanges_data()
{
    QTest::addColumn<int>("header");
    QTest::addColumn<QList<int>>("colours");
    QTest::addRow("middle-picture") << 5 << QList<int>{1, 3, 6};
    QTest::addRow("first-in-key-order") << 3 << QList<int>{2, 5};
    QTest::addRow("last-in-key-order-ends-at-table-end") << 7 << QList<int>{4};
    QTest::addRow("no-rows-between-keys") << 4 << QList<int>{};
    QTest::addRow("no-rows-past-last-key") << 9 << QList<int>{};
}

void TestDatabase::walkAfterSeekStopsWhereHeaderChanges()
{
    QFETCH(int, header);
    QFETCH(QList<int>, colours);
    {
        Recordset rs = m_db->OpenRecordset("LIGHTLINE");
        const int headers[] = {5, 3, 5, 7, 3, 5};
        for (int i = 0; i < 6; ++i)
            addLight(rs, headers[i], i + 1);
        rs.Close();
    }
    Recordset rs = m_db->OpenRecordset("LIGHTLINE");
    rs.Index("ALTERNATE");
    rs.Seek("=", header);
    QCOMPARE(rs.NoMatch(), colours.isEmpty());
    QList<int> seen;
    if (!rs.NoMatch()) {
        while (!rs.Eof()) {
            if (rs.LongValue("HEADER") != header)
                break;
            seen << int(rs.LongValue("COLOUR"));
            rs.MoveNext();
        }
    }
    QCOMPARE(seen, colours);
}

// Sets stored out of order and mixed with other topics; the seek must find
// the first row of the one set, the self row added first.
void TestDatabase::twoKeySeekFindsFirstMatchingRow_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("record");
    QTest::addColumn<QList<int>>("choices"); // RECORDTWO of the set, in order
    QTest::addRow("lights-5") << 1 << 5 << QList<int>{5, 9, 2};
    QTest::addRow("same-record-other-topic") << 2 << 5 << QList<int>{5, 1};
    QTest::addRow("lights-6") << 1 << 6 << QList<int>{6};
    QTest::addRow("topic-matches-record-not") << 1 << 7 << QList<int>{};
    QTest::addRow("record-matches-topic-not") << 3 << 6 << QList<int>{};
}

void TestDatabase::twoKeySeekFindsFirstMatchingRow()
{
    QFETCH(int, type);
    QFETCH(int, record);
    QFETCH(QList<int>, choices);
    const int rows[][3] = {{2, 5, 5}, {1, 6, 6}, {1, 5, 5}, {2, 5, 1}, {1, 5, 9}, {1, 4, 4}, {1, 5, 2}};
    {
        Recordset rs = m_db->OpenRecordset("ALTERNATIVES");
        for (const auto &row : rows) {
            rs.AddNew();
            rs.SetValue("TYPE", row[0]);
            rs.SetValue("RECORDONE", row[1]);
            rs.SetValue("RECORDTWO", row[2]);
            rs.SetValue("ANSWER", row[1] == row[2]);
            rs.Update();
        }
    }
    Recordset rs = m_db->OpenRecordset("ALTERNATIVES");
    rs.Index("HEADTYPE");
    rs.Seek("=", type, record);
    QCOMPARE(rs.NoMatch(), choices.isEmpty());
    QList<int> seen;
    QList<int> answers;
    if (!rs.NoMatch()) {
        while (!rs.Eof() && rs.LongValue("TYPE") == type && rs.LongValue("RECORDONE") == record) {
            seen << int(rs.LongValue("RECORDTWO"));
            answers << rs.Value("ANSWER").toInt();
            rs.MoveNext();
        }
    }
    QCOMPARE(seen, choices);
    // The self row reads back as True (-1), every other row as False (0).
    for (int i = 0; i < answers.size(); ++i)
        QCOMPARE(answers.at(i), seen.at(i) == record ? -1 : 0);
}

void TestDatabase::primaryOrderAndTableOrder()
{
    for (int i = 0; i < 3; ++i)
        addHead(*m_db, QString::number(i));
    m_db->Execute("Delete * From LIGHTHEAD Where RECORD = ?", {2});
    addHead(*m_db, "3");

    Recordset rs = m_db->OpenRecordset("LIGHTHEAD");
    rs.Index("PRIMARY");
    QList<long> records;
    for (; !rs.Eof(); rs.MoveNext())
        records << rs.LongValue("RECORD");
    QCOMPARE(records, (QList<long>{1, 3, 4}));

    // Without an index the first row is the first one added: USER's one row.
    Recordset user = m_db->OpenRecordset("USER");
    QVERIFY(!user.Bof());
    QCOMPARE(user.Value("OPTION1"), QVariant("0"));
    QCOMPARE(user.Value("OPTION2"), QVariant("Y"));
    QCOMPARE(user.Value("OPTION10"), QVariant("Y"));
    user.MoveNext();
    QVERIFY(user.Eof());
}

void TestDatabase::emptyTableIsBofAndEofAtOnce()
{
    Recordset rs = m_db->OpenRecordset("COLHEAD");
    QVERIFY(rs.Bof());
    QVERIFY(rs.Eof());
    QCOMPARE(errorOf([&] { rs.Value("TEXT"); }), DbError::NoCurrentRecord);
    Recordset q = m_db->OpenQuery("Select * From LINKS");
    QVERIFY(q.Bof());
    QVERIFY(q.Eof());
}

void TestDatabase::countersNeverZeroNeverReused()
{
    QCOMPARE(addHead(*m_db), 1L);
    QCOMPARE(addHead(*m_db), 2L);
    QCOMPARE(addHead(*m_db), 3L);
    // Deleting the highest row must not hand its number out again.
    QCOMPARE(m_db->Execute("Delete * From LIGHTHEAD Where RECORD = ?", {3}), 1);
    QCOMPARE(addHead(*m_db), 4L);
    m_db->Execute("Delete * From LIGHTHEAD");
    QCOMPARE(addHead(*m_db), 5L);
    // Each topic numbers its own pictures.
    Recordset shapes = m_db->OpenRecordset("SHAPEHEAD");
    shapes.AddNew();
    shapes.Update();
    shapes.MoveLastModified();
    QCOMPARE(shapes.LongValue("RECORD"), 1L);
    // The counter is the engine's alone.
    shapes.AddNew();
    QCOMPARE(errorOf([&] { shapes.SetValue("RECORD", 0); }), DbError::FieldNotUpdatable);
}

void TestDatabase::namesMatchInAnyCase_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("index");
    QTest::addRow("as-defined") << "LIGHTHEAD" << "LIGHTLINE" << "HEADER" << "ALTERNATE";
    QTest::addRow("mixed") << "LightHEAD" << "lightline" << "Header" << "Alternate";
    QTest::addRow("lower") << "lighthead" << "LightLine" << "header" << "alternate";
}

void TestDatabase::namesMatchInAnyCase()
{
    QFETCH(QString, head);
    QFETCH(QString, line);
    QFETCH(QString, field);
    QFETCH(QString, index);
    Recordset h = m_db->OpenRecordset(head);
    h.AddNew();
    h.SetValue("hint", "x");
    h.Update();
    h.MoveLastModified();
    const long record = h.LongValue("Record");

    Recordset l = m_db->OpenRecordset(line);
    l.AddNew();
    l.SetValue(field, QVariant::fromValue(record));
    l.Update();
    l.Index(index);
    l.Seek("=", QVariant::fromValue(record));
    QVERIFY(!l.NoMatch());
    QCOMPARE(l.LongValue(field), record);
    QCOMPARE(m_db->Execute("Delete * From " + line + " Where " + field + " = ?", {QVariant::fromValue(record)}), 1);
}

void TestDatabase::textRoundTrips_data()
{
    QTest::addColumn<QVariant>("text");
    QTest::addRow("quotes") << QVariant(QStringLiteral("Vessel's \"Not Under Command\""));
    QTest::addRow("backslashes") << QVariant(QStringLiteral("150\\0/-1 C:\\dir\\"));
    QTest::addRow("255-characters") << QVariant(QString(255, QLatin1Char('x')));
    QTest::addRow("non-ascii") << QVariant(QStringLiteral("Seezeichen \u00fc\u00e6\u00f8 \u00c5 \u20ac \u03a9"));
    QTest::addRow("sql-looking") << QVariant(QStringLiteral("x'; Delete * From LIGHTHEAD; --"));
    QTest::addRow("line-breaks") << QVariant(QStringLiteral("one\r\ntwo"));
    QTest::addRow("empty-stays-empty") << QVariant(QString(""));
    QTest::addRow("null-stays-null") << QVariant();
}

void TestDatabase::textRoundTrips()
{
    QFETCH(QVariant, text);
    const long record = addHead(*m_db, text);
    // Written to other head rows too, so that reading finds the right one.
    addHead(*m_db, "other");

    Recordset rs = m_db->OpenRecordset("LIGHTHEAD");
    rs.Index("PRIMARY");
    rs.Seek("=", QVariant::fromValue(record));
    QVERIFY(!rs.NoMatch());
    const QVariant back = rs.Value("TEXT");
    QCOMPARE(back.isNull(), text.isNull());
    if (!text.isNull()) {
        QCOMPARE(back.toString(), text.toString());
        QCOMPARE(back.toString().isEmpty(), text.toString().isEmpty());
        // A query finds the row by the same text as a bound value.
        Recordset q = m_db->OpenQuery("Select RECORD From LIGHTHEAD Where TEXT = ?", {text});
        QVERIFY(!q.Eof());
        QCOMPARE(q.LongValue("RECORD"), record);
        q.MoveNext();
        QVERIFY(q.Eof());
    } else {
        QCOMPARE(errorOf([&] { rs.TextValue("TEXT"); }), DbError::InvalidUseOfNull);
    }
}

// Declared types as the program writes and reads them.
void TestDatabase::typedReadsAndStoredTypes()
{
    {
        Recordset rs = m_db->OpenRecordset("LIGHTLINE");
        rs.AddNew();
        rs.SetValue("HEADER", 1);
        rs.SetValue("COLOUR", 16777215);
        rs.SetValue("FLASH", true);
        rs.SetValue("XPOS", 0.1);    // single precision
        rs.SetValue("YPOS", 1500.5);
        rs.SetValue("SIZE", 0.1);    // double precision
        rs.Update();
    }
    Recordset rs = m_db->OpenRecordset("lightline");
    QCOMPARE(rs.Value("FLASH"), QVariant(-1));
    QVERIFY(rs.BoolValue("FLASH"));
    QCOMPARE(rs.LongValue("COLOUR"), 16777215L);
    QCOMPARE(rs.DoubleValue("XPOS"), double(0.1f));
    QCOMPARE(rs.DoubleValue("YPOS"), 1500.5);
    QCOMPARE(rs.DoubleValue("SIZE"), 0.1);

    // A head row with DIRECTION left Null: the typed read fails like the
    // program's read of a Null number does.
    Recordset head = m_db->OpenRecordset("LIGHTHEAD");
    head.AddNew();
    head.SetValue("TEXT", "t");
    head.Update();
    head.MoveLastModified();
    QVERIFY(head.Value("DIRECTION").isNull());
    QCOMPARE(errorOf([&] { head.LongValue("DIRECTION"); }), DbError::InvalidUseOfNull);
    // A 16-bit field takes a whole number; halves go to even.
    head.Edit();
    head.SetValue("DIRECTION", 2.5);
    head.Update();
    QCOMPARE(head.LongValue("DIRECTION"), 2L);
}

void TestDatabase::addNewKeepsCurrentRowAndLastModifiedFindsNewOne()
{
    addHead(*m_db, "first");
    addHead(*m_db, "second");
    Recordset rs = m_db->OpenRecordset("LIGHTHEAD");
    rs.Index("PRIMARY");
    QCOMPARE(rs.TextValue("TEXT"), QString("first"));
    rs.AddNew();
    rs.SetValue("TEXT", "third");
    QCOMPARE(rs.TextValue("TEXT"), QString("third")); // the copy being filled
    QVERIFY(rs.Value("HINT").isNull());
    rs.Update();
    QCOMPARE(rs.TextValue("TEXT"), QString("first"));
    rs.MoveLastModified();
    QCOMPARE(rs.LongValue("RECORD"), 3L);
    QCOMPARE(rs.TextValue("TEXT"), QString("third"));
    rs.MoveNext();
    QVERIFY(rs.Eof());
}

void TestDatabase::editChangesUserRowInPlace()
{
    {
        Recordset rs = m_db->OpenRecordset("USER");
        rs.Edit();
        rs.SetValue("OPTION1", "3");
        rs.SetValue("OPTION10", "N");
        rs.SetValue("OPTION2", QVariant());
        rs.Update();
        rs.Close();
    }
    m_db->Close();
    m_db = Database::OpenDatabase(m_path);
    Recordset rs = m_db->OpenRecordset("USER");
    QCOMPARE(rs.Value("OPTION1"), QVariant("3"));
    QCOMPARE(rs.Value("OPTION10"), QVariant("N"));
    QVERIFY(rs.Value("OPTION2").isNull());
    rs.MoveNext();
    QVERIFY(rs.Eof());
}

// The statements as the program writes them, with "?" where it joins numbers.
void TestDatabase::programStatementsAcceptedAsWritten()
{
    const int links[][4] = {{1, 5, 2, 5}, {1, 5, 2, 8}, {1, 5, 3, 1}, {1, 6, 2, 2}, {2, 5, 1, 5}};
    Recordset rs = m_db->OpenRecordset("LINKS");
    for (const auto &l : links) {
        rs.AddNew();
        rs.SetValue("TYPEONE", l[0]);
        rs.SetValue("RECORDONE", l[1]);
        rs.SetValue("TYPETWO", l[2]);
        rs.SetValue("RECORDTWO", l[3]);
        rs.Update();
    }
    rs.Close();

    QList<int> topics;
    Recordset d = m_db->OpenQuery("Select Distinct TYPETWO From LINKS Where TYPEONE = ? And RECORDONE = ?", {1, 5});
    for (; !d.Eof(); d.MoveNext())
        topics << int(d.LongValue("TYPETWO"));
    std::sort(topics.begin(), topics.end());
    QCOMPARE(topics, (QList<int>{2, 3}));

    QList<int> series;
    Recordset s = m_db->OpenQuery("Select * From LINKS Where TYPEONE = ? And RECORDONE = ? And TYPETWO = ?", {1, 5, 2});
    for (; !s.Eof(); s.MoveNext())
        series << int(s.LongValue("RECORDTWO"));
    QCOMPARE(series, (QList<int>{5, 8}));

    QCOMPARE(m_db->Execute("Delete * From LINKS Where TYPEONE = ? And RECORDONE = ? And TYPETWO = ?", {1, 5, 2}), 2);
    QCOMPARE(countRows(*m_db, "LINKS"), 3);

    // Sound rows by size, largest first, then in the order added.
    Recordset sl = m_db->OpenRecordset("SOUNDLINE");
    const double sizes[] = {0, 120, 150, 0, 120};
    for (double size : sizes) {
        sl.AddNew();
        sl.SetValue("HEADER", 1);
        sl.SetValue("SIZE", size);
        sl.Update();
    }
    QList<long> order;
    Recordset q = m_db->OpenQuery("Select * From SOUNDLINE Where HEADER = ? Order By SIZE Desc, RECORD", {1});
    for (; !q.Eof(); q.MoveNext())
        order << q.LongValue("RECORD");
    QCOMPARE(order, (QList<long>{3, 2, 5, 1, 4}));
}

void TestDatabase::valuesAreBoundNeverJoinedIntoSql()
{
    addHead(*m_db, "keep");
    const QString hostile = QStringLiteral("0 Or 1 = 1");
    QCOMPARE(m_db->Execute("Delete * From LIGHTHEAD Where TEXT = ?", {hostile}), 0);
    QCOMPARE(m_db->Execute("Delete * From LIGHTHEAD Where RECORD = ?", {hostile}), 0);
    QCOMPARE(countRows(*m_db, "LIGHTHEAD"), 1);
}

void TestDatabase::misuseGivesEngineErrorNumbers_data()
{
    QTest::addColumn<DbStep>("step");
    QTest::addColumn<long>("number");
    QTest::addRow("no-such-table") << DbStep([](Database &db) { db.OpenRecordset("LIGHTS"); }) << DbError::TableNotFound;
    QTest::addRow("no-such-table-in-sql")
        << DbStep([](Database &db) { db.OpenQuery("Select * From LIGHTS"); }) << DbError::TableNotFound;
    QTest::addRow("no-such-field") << DbStep([](Database &db) { db.OpenRecordset("USER").Value("OPTION3"); })
                                   << DbError::FieldNotFound;
    QTest::addRow("no-such-index") << DbStep([](Database &db) { db.OpenRecordset("LINKS").Index("PRIMARY"); })
                                   << DbError::IndexNotFound;
    QTest::addRow("seek-without-index")
        << DbStep([](Database &db) { db.OpenRecordset("LIGHTHEAD").Seek("=", 1); }) << DbError::NoCurrentIndex;
    QTest::addRow("seek-other-than-equal") << DbStep([](Database &db) {
        Recordset rs = db.OpenRecordset("LIGHTHEAD");
        rs.Index("PRIMARY");
        rs.Seek(">", 1);
    }) << DbError::InvalidArgument;
    QTest::addRow("seek-more-keys-than-index") << DbStep([](Database &db) {
        Recordset rs = db.OpenRecordset("LIGHTHEAD");
        rs.Index("PRIMARY");
        rs.Seek("=", 1, 2);
    }) << DbError::InvalidArgument;
    QTest::addRow("update-without-addnew")
        << DbStep([](Database &db) { db.OpenRecordset("USER").Update(); }) << DbError::UpdateWithoutEdit;
    QTest::addRow("setvalue-without-edit")
        << DbStep([](Database &db) { db.OpenRecordset("USER").SetValue("OPTION1", "1"); }) << DbError::UpdateWithoutEdit;
    QTest::addRow("edit-on-empty-table")
        << DbStep([](Database &db) { db.OpenRecordset("LINKS").Edit(); }) << DbError::NoCurrentRecord;
    QTest::addRow("movenext-past-end") << DbStep([](Database &db) {
        Recordset rs = db.OpenRecordset("USER");
        rs.MoveNext();
        rs.MoveNext();
    }) << DbError::NoCurrentRecord;
    QTest::addRow("query-recordset-is-read-only")
        << DbStep([](Database &db) { db.OpenQuery("Select * From USER").AddNew(); }) << DbError::ReadOnly;
    QTest::addRow("query-recordset-has-no-index")
        << DbStep([](Database &db) { db.OpenQuery("Select * From USER").Index("PRIMARY"); }) << DbError::NotSupported;
    QTest::addRow("too-few-values")
        << DbStep([](Database &db) { db.Execute("Delete * From LINKS Where TYPEONE = ? And RECORDONE = ?", {1}); })
        << DbError::TooFewParameters;
    QTest::addRow("two-statements-in-one-text")
        << DbStep([](Database &db) { db.Execute("Delete * From LINKS; Delete * From USER"); })
        << DbError::TrailingCharacters;
    QTest::addRow("select-executed")
        << DbStep([](Database &db) { db.Execute("Select * From USER"); }) << DbError::SelectNotAction;
    QTest::addRow("syntax-error") << DbStep([](Database &db) { db.Execute("Delete From"); }) << DbError::SyntaxError;
    QTest::addRow("16-bit-overflow") << DbStep([](Database &db) {
        Recordset rs = db.OpenRecordset("LIGHTHEAD");
        rs.AddNew();
        rs.SetValue("DIRECTION", 40000);
    }) << DbError::NumericOverflow;
    QTest::addRow("text-into-number") << DbStep([](Database &db) {
        Recordset rs = db.OpenRecordset("LIGHTLINE");
        rs.AddNew();
        rs.SetValue("XPOS", "left");
    }) << DbError::ConversionError;
    QTest::addRow("recordset-used-after-close") << DbStep([](Database &db) {
        Recordset rs = db.OpenRecordset("USER");
        rs.Close();
        rs.Value("OPTION1");
    }) << DbError::ObjectClosed;
    QTest::addRow("commit-without-begin") << DbStep([](Database &db) { db.CommitTrans(); }) << DbError::TransactionState;
}

void TestDatabase::misuseGivesEngineErrorNumbers()
{
    QFETCH(DbStep, step);
    QFETCH(long, number);
    QCOMPARE(errorOf([&] { step(*m_db); }), number);
    // The database stays usable after the error.
    QCOMPARE(countRows(*m_db, "USER"), 1);
}

void TestDatabase::openingMissingOrDamagedFileFailsWithNumber_data()
{
    QTest::addColumn<QByteArray>("content"); // "-" for no file at all
    QTest::addColumn<long>("number");
    QTest::addRow("missing") << QByteArray("-") << DbError::FileNotFound;
    QTest::addRow("empty-file") << QByteArray() << DbError::UnrecognizedFormat;
    QTest::addRow("text-file") << QByteArray("Standard Jet DB\n", 16).repeated(300) << DbError::UnrecognizedFormat;
}

void TestDatabase::openingMissingOrDamagedFileFailsWithNumber()
{
    QFETCH(QByteArray, content);
    QFETCH(long, number);
    const QString path = m_dir->filePath("OTHER.MDB");
    if (content != "-") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QCOMPARE(errorOf([&] { Database::OpenDatabase(path); }), number);
    // Opening never makes or changes the file.
    QCOMPARE(QFile::exists(path), content != "-");
    if (content != "-") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }
}

void TestDatabase::secondUserHoldingLockGivesLockNumber()
{
    OtherUser other(m_path);
    QCOMPARE(other.Run("BEGIN IMMEDIATE; INSERT INTO LINKS (TYPEONE) VALUES (9)"), SQLITE_OK);

    // Reading goes on; writing meets the other user's lock.
    QCOMPARE(countRows(*m_db, "LINKS"), 0);
    Recordset rs = m_db->OpenRecordset("LINKS");
    rs.AddNew();
    rs.SetValue("TYPEONE", 1);
    QCOMPARE(errorOf([&] { rs.Update(); }), DbError::Locked);
    QCOMPARE(errorOf([&] { m_db->Execute("Delete * From USER"); }), DbError::Locked);
    QCOMPARE(errorOf([&] { Transaction t(*m_db); }), DbError::Locked);

    // Once the other user is done, the same Update goes through.
    QCOMPARE(other.Run("COMMIT"), SQLITE_OK);
    rs.Update();
    QCOMPARE(countRows(*m_db, "LINKS"), 2);

    // A user in the middle of writing the file out blocks reading too.
    QCOMPARE(other.Run("BEGIN EXCLUSIVE"), SQLITE_OK);
    QCOMPARE(errorOf([&] { countRows(*m_db, "LINKS"); }), DbError::Locked);
    QCOMPARE(other.Run("ROLLBACK"), SQLITE_OK);
}

// A save of a head row and its line rows with a failure injected after the
// head row: nothing of it stays.
void TestDatabase::transactionFailingHalfwayLeavesNoRow()
{
    addHead(*m_db, "before");
    int writes = 0;
    Database::SetWriteHook([&](const QString &sql) {
        if (++writes == 3)
            throw DbError(3043, "injected");
        Q_UNUSED(sql);
    });
    const long error = errorOf([&] {
        Transaction transaction(*m_db);
        const long record = addHead(*m_db, "saved");
        Recordset lines = m_db->OpenRecordset("LIGHTLINE");
        addLight(lines, int(record), 255);
        addLight(lines, int(record), 65280);
        transaction.Commit();
    });
    QCOMPARE(error, 3043L);
    QCOMPARE(writes, 3);
    QVERIFY(!m_db->InTransaction());
    QCOMPARE(countRows(*m_db, "LIGHTHEAD"), 1);
    QCOMPARE(countRows(*m_db, "LIGHTLINE"), 0);

    // Committed work stays, also for the next user of the file.
    Database::SetWriteHook({});
    {
        Transaction transaction(*m_db);
        addHead(*m_db, "kept");
        transaction.Commit();
    }
    auto again = Database::OpenDatabase(m_path);
    QCOMPARE(countRows(*again, "LIGHTHEAD"), 2);
}

void TestDatabase::failedUpdateCanBeRunAgain()
{
    bool fail = true;
    Database::SetWriteHook([&](const QString &) {
        if (fail)
            throw DbError(DbError::Locked, "busy");
    });
    Recordset rs = m_db->OpenRecordset("LIGHTHEAD");
    rs.AddNew();
    rs.SetValue("TEXT", "again");
    QCOMPARE(errorOf([&] { rs.Update(); }), DbError::Locked);
    fail = false;
    rs.Update();
    rs.MoveLastModified();
    QCOMPARE(rs.TextValue("TEXT"), QString("again"));
    QCOMPARE(countRows(*m_db, "LIGHTHEAD"), 1);
}

void TestDatabase::closedDatabaseRefusesItsRecordsets()
{
    Recordset rs = m_db->OpenRecordset("USER");
    Transaction transaction(*m_db);
    m_db->Execute("Delete * From USER");
    m_db->Close();
    m_db->Close();
    QCOMPARE(errorOf([&] { rs.Value("OPTION1"); }), DbError::ObjectClosed);
    QCOMPARE(errorOf([&] { m_db->OpenRecordset("USER"); }), DbError::ObjectClosed);
    // Closing rolled back the open transaction.
    auto again = Database::OpenDatabase(m_path);
    QCOMPARE(countRows(*again, "USER"), 1);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
