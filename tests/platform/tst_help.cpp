#include "ProgramState.h"

#include "platform/ask/MsgBox.h"
#include "platform/help/HelpViewer.h"

#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <random>

// The help viewer on the help file the build compiles into the program's folder.
class TestHelp : public QObject
{
    Q_OBJECT

private:
    QString helpFile;

    static QByteArray fingerprint(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1) +
               QByteArray::number(QFileInfo(path).lastModified().toMSecsSinceEpoch());
    }

    static HelpWindow *open(const QString &file, int command, int data = 0)
    {
        HelpWindow *window = HtmlHelp(nullptr, file, command, data);
        if (window)
            window->WaitUntilReady();
        return window;
    }

    // Page shown as its file name, without the help file's address or anchor.
    static QString pageName(const QUrl &url) { return QFileInfo(url.path()).fileName(); }

    // The titles of the pages, in the order of the contents.
    static QStringList pageTitles()
    {
        return {"The Main Menu", "Lights", "Shapes", "Buoys", "Sounds", "Collision", "Meteorology",
                "Parts Of Yacht And Sails", "User Options", "Printing Documents"};
    }

    static void saveShot(QWidget &window, const QString &name)
    {
        const QString dir = qEnvironmentVariable("NORVANTA_SHOT_DIR");
        if (!dir.isEmpty())
            window.grab().save(QDir(dir).filePath(name));
    }

private slots:
    void initTestCase()
    {
        helpFile = qEnvironmentVariable("NORVANTA_APP_DIR") + QStringLiteral("/NORVANTA.CHM");
        QVERIFY2(QFileInfo::exists(helpFile), qPrintable(helpFile));
    }

    void init() { ResetProgramState(); }

    void cleanup()
    {
        ResetProgramState();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Command 1: the contents, listing every page in order, the first page shown.
    void contentsListEveryPage()
    {
        HelpWindow *window = open(helpFile, HelpCommand::DisplayToc);
        QVERIFY(window && window->IsValid());
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentTab(), 0);
        QCOMPARE(window->ContentTitles(), pageTitles());
        QCOMPARE(pageName(window->CurrentPage()), QStringLiteral("mainmenu.html"));
        saveShot(*window, QStringLiteral("help-contents.png"));
    }

    // Command 2: the index, through which every page of the contents is reached.
    void indexReachesEveryPage()
    {
        HelpWindow *window = open(helpFile, HelpCommand::DisplayIndex);
        QVERIFY(window && window->IsValid());
        QCOMPARE(window->CurrentTab(), 1);
        const QStringList keywords = window->IndexKeywords();
        QSet<QString> reached;
        for (const QString &keyword : keywords)
            for (const QHelpLink &link : window->Engine()->documentsForKeyword(keyword))
                reached << pageName(link.url);
        QCOMPARE(reached.size(), pageTitles().size());
        for (const char *keyword : {"Main Menu", "Lights", "Shapes", "Buoys", "Sounds", "Collision", "Meteorology",
                                    "Parts Of Yacht", "User Options", "Printing Documents"})
            QVERIFY2(keywords.contains(QString::fromLatin1(keyword)), keyword);
        window->ShowPage(window->Engine()->documentsForKeyword(QStringLiteral("Wind Chill")).first().url);
        QCOMPARE(pageName(window->CurrentPage()), QStringLiteral("meteorology.html"));
        saveShot(*window, QStringLiteral("help-index.png"));
    }

    // Each help context number of the program's windows opens its page; a
    // number without a page shows the contents.
    void contextOpensItsPage_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("heading");
        QTest::addRow("user-options-1000") << 1000 << "useroptions.html" << "User Options";
        QTest::addRow("buoys-1100") << 1100 << "buoys.html" << "Buoys";
        QTest::addRow("collision-1200") << 1200 << "collision.html" << "Collision";
        QTest::addRow("lights-1300") << 1300 << "lights.html" << "Lights";
        QTest::addRow("meteorology-1400") << 1400 << "meteorology.html" << "Meteorology";
        QTest::addRow("yacht-1500") << 1500 << "yacht.html" << "Parts Of Yacht And Sails";
        QTest::addRow("shapes-1600") << 1600 << "shapes.html" << "Shapes";
        QTest::addRow("sounds-1700") << 1700 << "sounds.html" << "Sounds";
        QTest::addRow("main-menu-10000") << 10000 << "mainmenu.html" << "The Main Menu";
        QTest::addRow("printing-17000") << 17000 << "printing.html" << "Printing Documents";
        QTest::addRow("unknown-number-shows-contents") << 999 << "mainmenu.html" << "The Main Menu";
    }

    void contextOpensItsPage()
    {
        QFETCH(int, context);
        QFETCH(QString, page);
        QFETCH(QString, heading);
        HelpWindow *window = open(helpFile, HelpCommand::HelpContext, context);
        QVERIFY(window && window->IsValid());
        QTRY_COMPARE(pageName(window->CurrentPage()), page);
        const QString text = window->findChild<QTextBrowser *>()->toPlainText();
        QVERIFY2(text.startsWith(heading), qPrintable(text.left(60)));
        QCOMPARE(window->CurrentTab(), 0);
        // The page's line in the contents is marked, the headings being the titles.
        QCOMPARE(window->MarkedTitle(), heading);
        if (context == 1300)
            saveShot(*window, QStringLiteral("help-lights.png"));
    }

    // One help window at a time: a second command reuses the window open.
    void commandsShareOneWindow()
    {
        HelpWindow *first = open(helpFile, HelpCommand::DisplayToc);
        HelpWindow *second = open(helpFile, HelpCommand::HelpContext, 1000);
        QCOMPARE(second, first);
        QCOMPARE(pageName(second->CurrentPage()), QStringLiteral("useroptions.html"));
    }

    // Command 18 closes every help window.
    void closeAllClosesTheViewer()
    {
        QPointer<HelpWindow> window = open(helpFile, HelpCommand::DisplayToc);
        QVERIFY(window);
        QVERIFY(!HtmlHelp(nullptr, helpFile, HelpCommand::CloseAll, 0));
        QVERIFY(!CurrentHelpWindow());
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        // Closing with nothing open is harmless.
        QVERIFY(!HtmlHelp(nullptr, helpFile, HelpCommand::CloseAll, 0));
    }

    // The help file is only read, even where it cannot be written, and the
    // viewer leaves nothing beside it.
    void helpFileIsOnlyRead()
    {
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("NORVANTA.CHM"));
        QVERIFY(QFile::copy(helpFile, copy));
        QVERIFY(QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QByteArray before = fingerprint(copy);

        HelpWindow *window = open(copy, HelpCommand::DisplayToc);
        QVERIFY(window && window->IsValid());
        QCOMPARE(window->ContentTitles(), pageTitles());
        QCOMPARE(pageName(open(copy, HelpCommand::HelpContext, 1600)->CurrentPage()), QStringLiteral("shapes.html"));
        HtmlHelp(nullptr, copy, HelpCommand::CloseAll, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(fingerprint(copy), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"NORVANTA.CHM"});
    }

    // A help file that is missing or cannot be read: every way of asking for
    // help names the file in a message and opens no window, and help from a
    // good file still opens afterwards.
    void unreadableHelpFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QFile real(helpFile);
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray good = real.readAll();
        QByteArray noise(good.size(), '\0');
        std::mt19937 generator(14);
        for (char &byte : noise)
            byte = static_cast<char>(generator());
        QTest::addRow("missing") << false << QByteArray();
        QTest::addRow("empty") << true << QByteArray();
        QTest::addRow("random-bytes") << true << noise;
        QTest::addRow("text") << true << QByteArray("This is not a help file.\n");
        QTest::addRow("first-half-only") << true << good.left(good.size() / 2);
        QTest::addRow("first-page-only") << true << good.left(4096);
    }

    void unreadableHelpFile()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("NORVANTA.CHM"));
        if (exists) {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(content);
        }
        QList<MsgBoxCall> boxes;
        SetMsgBoxHandler([&](const MsgBoxCall &call) {
            boxes << call;
            return MsgBoxAnswer::Ok;
        });
        for (int command : {HelpCommand::DisplayToc, HelpCommand::DisplayIndex, HelpCommand::HelpContext})
            QVERIFY(!HtmlHelp(nullptr, file, command, 1300));
        SetMsgBoxHandler({});

        QCOMPARE(boxes.size(), 3);
        for (const MsgBoxCall &box : boxes) {
            QVERIFY2(box.prompt.contains(QDir::toNativeSeparators(file)), qPrintable(box.prompt));
            QCOMPARE(box.style, MsgBoxStyle::Exclamation);
        }
        QVERIFY(!CurrentHelpWindow());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<HelpWindow *>(window), "a help window was left");

        HelpWindow *good = open(helpFile, HelpCommand::DisplayToc);
        QVERIFY(good && good->IsValid());
        QCOMPARE(good->ContentTitles(), pageTitles());
    }

    // Help asked for while a modal window is open belongs to that window, so
    // the modal window does not block it, and it closes with it.
    void helpOverModalWindowBelongsToIt()
    {
        auto *modal = new QDialog;
        modal->setWindowModality(Qt::ApplicationModal);
        modal->show();
        QTRY_COMPARE(QApplication::activeModalWidget(), modal);
        QPointer<HelpWindow> window = open(helpFile, HelpCommand::HelpContext, 1000);
        QVERIFY(window);
        QCOMPARE(window->parentWidget(), modal);
        QVERIFY(window->isWindow());
        delete modal;
        QVERIFY(window.isNull());
        QVERIFY(!CurrentHelpWindow());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
