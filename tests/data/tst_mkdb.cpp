#include "ProgramState.h"
#include "TestDatabase.h"
#include "data/CreateDatabase.h"
#include "data/Database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs the build's database tool as the build does; returns its exit code.
int runTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(MKDB_PATH), arguments);
    if (!tool.waitForFinished(60000))
        return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestMkdb : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingDatabaseIsMadeWithEveryTable();
    void existingDatabaseIsLeftByteForByte();
    void deletedDatabaseIsMadeAfresh();
    void starterFilesAreLoadedInNameOrder();
    void failingStarterLeavesNoDatabase_data();
    void failingStarterLeavesNoDatabase();
    void registeredLoaderReadsItsFiles();

private:
    QTemporaryDir *m_dir = nullptr;
    QString m_target;  // the program's folder's database
    QString m_starter; // a starter folder of the test's own
};

void TestMkdb::init()
{
    ResetProgramState();
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_target = m_dir->filePath("bin/CALVOREN.MDB");
    m_starter = m_dir->filePath("starter");
    QVERIFY(QDir().mkpath(m_starter));
}

void TestMkdb::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
    ResetProgramState();
}

void TestMkdb::missingDatabaseIsMadeWithEveryTable()
{
    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 0);
    auto db = Database::OpenDatabase(m_target);

    // Every table with the fields and indexes the program asks for.
    const QList<QStringList> tables = {
        {"USER", "OPTION1", "OPTION2", "OPTION10"},
        {"LIGHTHEAD", "RECORD", "HINT", "TEXT", "FOGSIGNAL", "DIRECTION"},
        {"LIGHTLINE", "HEADER", "COLOUR", "FLASH", "XPOS", "YPOS", "SIZE"},
        {"SHAPEHEAD", "RECORD", "HINT", "TEXT", "FOGSIGNAL"},
        {"SHAPELINE", "HEADER", "COLOUR", "XPOS", "YPOS", "SIZE", "LISTPTR"},
        {"BUOYHEAD", "RECORD", "HINT", "TEXT", "LIGHT"},
        {"BUOYLINE", "HEADER", "XPOS", "YPOS", "SIZE", "LISTPTR", "TOPMARK"},
        {"SOUNDHEAD", "RECORD", "HINT", "TEXT", "EXTRA"},
        {"SOUNDLINE", "HEADER", "RECORD", "XPOS", "YPOS", "SIZE", "LISTPTR", "TYPE", "DURATION", "NUMBER"},
        {"COLHEAD", "RECORD", "HINT", "TEXT", "EXTRA"},
        {"COLLINE", "HEADER", "COLOUR", "XPOS", "YPOS", "SIZE", "LISTPTR"},
        {"LINKS", "TYPEONE", "RECORDONE", "TYPETWO", "RECORDTWO"},
        {"ALTERNATIVES", "TYPE", "RECORDONE", "RECORDTWO", "ANSWER"},
    };
    for (const QStringList &t : tables) {
        Recordset rs = db->OpenRecordset(t.first());
        rs.AddNew();
        for (int i = 1; i < t.size(); ++i)
            rs.Value(t.at(i)); // throws for a missing field
        rs.CancelUpdate();
        if (t.contains("RECORD") && t.first() != "SOUNDLINE")
            rs.Index("PRIMARY");
        if (t.contains("HEADER"))
            rs.Index("ALTERNATE");
    }
    Recordset alternatives = db->OpenRecordset("ALTERNATIVES");
    alternatives.Index("HEADTYPE");

    // The one options row with its defaults.
    Recordset user = db->OpenRecordset("USER");
    QCOMPARE(user.Value("OPTION1"), QVariant("0"));
    QCOMPARE(user.Value("OPTION2"), QVariant("Y"));
    QCOMPARE(user.Value("OPTION10"), QVariant("Y"));
    user.MoveNext();
    QVERIFY(user.Eof());
    // Nothing of the making is left beside it.
    QCOMPARE(QDir(QFileInfo(m_target).path()).entryList(QDir::Files), QStringList{"CALVOREN.MDB"});
}

void TestMkdb::existingDatabaseIsLeftByteForByte()
{
    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 0);
    {
        // The user stores something; the next build must keep it.
        auto db = Database::OpenDatabase(m_target);
        Recordset rs = db->OpenRecordset("USER");
        rs.Edit();
        rs.SetValue("OPTION1", "4");
        rs.Update();
    }
    const QByteArray before = fileHash(m_target);
    const QDateTime modified = QFileInfo(m_target).lastModified();
    writeFile(m_starter + "/extra.sql", "INSERT INTO LINKS (TYPEONE) VALUES (1);");

    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 0);
    QCOMPARE(fileHash(m_target), before);
    QCOMPARE(QFileInfo(m_target).lastModified(), modified);
}

void TestMkdb::deletedDatabaseIsMadeAfresh()
{
    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 0);
    {
        auto db = Database::OpenDatabase(m_target);
        db->Execute("Delete * From USER");
    }
    QVERIFY(QFile::remove(m_target));
    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 0);
    auto db = Database::OpenDatabase(m_target);
    Recordset user = db->OpenRecordset("USER");
    QVERIFY(!user.Eof());
    QCOMPARE(user.Value("OPTION1"), QVariant("0"));
}

void TestMkdb::starterFilesAreLoadedInNameOrder()
{
    // The second file relies on the row of the first.
    writeFile(m_starter + "/10-heads.sql", "INSERT INTO LIGHTHEAD (TEXT) VALUES ('Starter');");
    writeFile(m_starter + "/20-lines.sql",
              "INSERT INTO LIGHTLINE (HEADER, COLOUR) SELECT RECORD, 255 FROM LIGHTHEAD WHERE TEXT = 'Starter';");
    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 0);
    auto db = Database::OpenDatabase(m_target);
    Recordset rs = db->OpenRecordset("LIGHTLINE");
    rs.Index("ALTERNATE");
    rs.Seek("=", 1);
    QVERIFY(!rs.NoMatch());
    QCOMPARE(rs.LongValue("COLOUR"), 255L);
}

void TestMkdb::failingStarterLeavesNoDatabase_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("bad-sql-after-good-rows")
        << "starter.sql" << QByteArray("INSERT INTO LIGHTHEAD (TEXT) VALUES ('x');\nINSERT INTO NOWHERE VALUES (1);");
    QTest::addRow("file-without-loader") << "lights.txt" << QByteArray("Starter picture");
}

void TestMkdb::failingStarterLeavesNoDatabase()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    writeFile(m_starter + "/" + file, content);
    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 1);
    QVERIFY(QDir(QFileInfo(m_target).path()).entryList(QDir::Files).isEmpty());
    // Mended starter content makes the database at the next build.
    QVERIFY(QFile::remove(m_starter + "/" + file));
    QCOMPARE(runTool({m_target, TestSchemaFile(), m_starter}), 0);
    QVERIFY(QFile::exists(m_target));
}

void TestMkdb::registeredLoaderReadsItsFiles()
{
    QVERIFY(QDir().mkpath(QFileInfo(m_target).path()));
    writeFile(m_starter + "/a.pictures", "First");
    writeFile(m_starter + "/b.pictures", "Second");
    StarterLoaders loaders;
    loaders.insert("pictures", [](Database &db, const QString &file) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            throw DbError(DbError::FileNotFound, file);
        Recordset rs = db.OpenRecordset("LIGHTHEAD");
        rs.AddNew();
        rs.SetValue("TEXT", QString::fromUtf8(f.readAll()));
        rs.Update();
    });
    CreateDatabase(m_target, TestSchemaFile(), m_starter, loaders);
    auto db = Database::OpenDatabase(m_target);
    Recordset rs = db->OpenRecordset("LIGHTHEAD");
    rs.Index("PRIMARY");
    QCOMPARE(rs.TextValue("TEXT"), QString("First"));
    rs.MoveNext();
    QCOMPARE(rs.TextValue("TEXT"), QString("Second"));
    db->Close();

    // A loader that fails half-way leaves no database.
    QVERIFY(QFile::remove(m_target));
    loaders.insert("pictures", [](Database &db, const QString &) {
        db.Execute("INSERT INTO LIGHTHEAD (TEXT) VALUES (?)", {"half"});
        throw DbError(DbError::ConversionError, "bad picture");
    });
    try {
        CreateDatabase(m_target, TestSchemaFile(), m_starter, loaders);
        QFAIL("a failing loader must fail the creation");
    } catch (const DbError &e) {
        QCOMPARE(e.Number(), DbError::ConversionError);
    }
    QVERIFY(QDir(QFileInfo(m_target).path()).entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(TestMkdb)
#include "tst_mkdb.moc"
