// Every text a user needs is whole on screen: each window opened at its
// design size shows every caption, button text, menu and list entry whole in
// the window font, and the quiz windows show every hint, answer and further
// text of the starter pictures whole in their text line and every answer
// whole in their choice list.

#include "ProgramState.h"
#include "WholeTexts.h"

#include "buoys/BuoyForm.h"
#include "buoys/MaintBuoyForm.h"
#include "collisions/ColForm.h"
#include "collisions/MaintColForm.h"
#include "core/AboutForm.h"
#include "core/IntroForm.h"
#include "core/UserForm.h"
#include "core/state/Global.h"
#include "data/Database.h"
#include "documents/DocumentForm.h"
#include "lights/LightForm.h"
#include "lights/MaintLightForm.h"
#include "mainwindow/MenuForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/Twips.h"
#include "platform/sound/Sound.h"
#include "platform/window/Grid.h"
#include "printing/CopyForm.h"
#include "quiz/AnswerForm.h"
#include "quiz/ChoiceList.h"
#include "quiz/ListForm.h"
#include "quiz/StatForm.h"
#include "reference/BeaufortForm.h"
#include "reference/ChillForm.h"
#include "reference/SailForm.h"
#include "reference/SymbolForm.h"
#include "reference/YachtForm.h"
#include "shapes/MaintShapeForm.h"
#include "shapes/ShapeForm.h"
#include "sounds/MaintSoundForm.h"
#include "sounds/SignalWait.h"
#include "sounds/SoundForm.h"

#include <QFontInfo>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

namespace {
template <class T>
QWidget *Open()
{
    T &form = FormInstance<T>();
    form.Load();
    form.show();
    return &form;
}

QWidget *OpenList(int topic)
{
    ListType = topic;
    return Open<ListForm>();
}

QWidget *OpenMeteorology(int menu)
{
    auto *form = static_cast<BeaufortForm *>(Open<BeaufortForm>());
    // The menu bar's items in their order: the tables come from "&Beaufort
    // Scale", the terms' submenu and "&Pressure Changes".
    QList<QAction *> tables{form->BeaufortMenu};
    tables += form->TermMenu->actions();
    tables << form->PressureMenu;
    tables[menu]->trigger();
    return form;
}

// The quiz windows by topic code, with the buttons that put a text of the
// picture on show into the text line.
struct Quiz {
    std::function<QuizForm &()> open;
    QStringList textButtons;
};

const std::map<int, Quiz> &Quizzes()
{
    static const std::map<int, Quiz> quizzes{
        {1, {[]() -> QuizForm & { return FormInstance<LightForm>(); }, {"&Hint", "&Fog Signal", "?"}}},
        {2, {[]() -> QuizForm & { return FormInstance<ShapeForm>(); }, {"&Hint", "&Fog Signal", "?"}}},
        {3, {[]() -> QuizForm & { return FormInstance<BuoyForm>(); }, {"&Hint", "&Light Info", "?"}}},
        {4, {[]() -> QuizForm & { return FormInstance<SoundForm>(); }, {"&Hint", "&Info", "?"}}},
        {5, {[]() -> QuizForm & { return FormInstance<ColForm>(); }, {"&Hint", "?"}}},
    };
    return quizzes;
}

const QStringList HeadTables{"LIGHTHEAD", "SHAPEHEAD", "BUOYHEAD", "SOUNDHEAD", "COLHEAD"};

long PictureCount(int topic)
{
    auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
    Recordset rows = db->OpenQuery("Select Count(*) As N From " + HeadTables[topic - 1]);
    const long count = rows.LongValue("N");
    rows.Close();
    db->Close();
    return count;
}

QWidget *OpenDocument(int document)
{
    auto *form = static_cast<DocumentForm *>(Open<DocumentForm>());
    form->Dmenu[document]->trigger();
    return form;
}

// The columns share the grid's width beside its upright scroll bar: no
// sideways scroll bar, and none of them hides at the right.
QString ColumnsPastTheView(const Grid &grid)
{
    if (grid.horizontalScrollBar()->isVisible())
        return QStringLiteral("a sideways scroll bar");
    int columns = 0;
    for (int c = 0; c < grid.Cols(); ++c)
        columns += Twips::ToPixelsX(grid.ColWidth(c));
    if (columns > grid.viewport()->width())
        return QStringLiteral("columns %1 wide in a view %2 wide").arg(columns).arg(grid.viewport()->width());
    return {};
}

QuizForm &ShowQuiz(int topic)
{
    QuizForm &form = Quizzes().at(topic).open();
    form.Load();
    form.show();
    return form;
}

QPushButton *ButtonCaptioned(QuizForm &form, const QString &caption)
{
    for (QPushButton *button : form.findChildren<QPushButton *>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

QString Joined(const QStringList &cut) { return cut.join(QStringLiteral("\n  ")); }
} // namespace

class TestWholeTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program's database as the build makes it, with every starter
        // picture of every topic.
        QVERIFY(folder.isValid());
        QProcess mkdb;
        const QString source = qEnvironmentVariable("NORVANTA_SOURCE_DIR");
        mkdb.start(MKDB_PATH, {folder.filePath("CALVOREN.MDB"), source + "/data/schema.sql", source + "/data/starter"});
        QVERIFY(mkdb.waitForFinished(60000));
        QCOMPARE(mkdb.exitCode(), 0);
    }

    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        AppPath = folder.path() + '/';
        SetMsgBoxHandler([](const MsgBoxCall &) { return MsgBoxAnswer::No; });
        Form::SetModalHook([](Form &form) { form.Unload(); });
        FormInstance<AboutForm>().SplashShown = true;
        // The signals are shown, not heard: no sound and no wait between
        // blasts or before a repeat.
        SetSoundRecorder([](const SoundCall &) {});
        SetSignalWaitHook([](double) {});
    }
    void cleanup()
    {
        menu.reset();
        ResetProgramState();
    }

    // The window font and the print font are the faces the build installs,
    // not stand-ins the system picked because they were missing.
    void facesAreInstalled_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addRow("window-bold") << FormFont(true);
        QTest::addRow("window-regular") << FormFont(false);
        QTest::addRow("print-bold") << PrintFont(true);
        QTest::addRow("print-regular") << PrintFont(false);
    }
    void facesAreInstalled()
    {
        QFETCH(QFont, font);
        QCOMPARE(QFontInfo(font).family(), font.family());
        QCOMPARE(QFontInfo(font).bold(), font.bold());
    }

    void everyWindowAtDesignSize_data()
    {
        QTest::addColumn<QString>("window");
        const QStringList windows{"main",        "introduction", "user-options", "about",       "answer",
                                  "statistics",  "lights",       "shapes",       "buoys",       "sounds",
                                  "collisions",  "lights-editor", "shapes-editor", "buoys-editor",
                                  "sounds-editor", "collisions-editor", "wind-chill", "symbols", "parts-of-yacht",
                                  "sails",       "print"};
        for (const QString &w : windows)
            QTest::newRow(qPrintable(w)) << w;
        const char *documents[] = {"planning", "log", "sheet"};
        for (int document = 0; document < 3; ++document)
            QTest::addRow("documents-%s", documents[document]) << QStringLiteral("documents-%1").arg(document);
        for (int topic = 0; topic < 5; ++topic)
            QTest::addRow("item-list-%d", topic + 1) << QStringLiteral("item-list-%1").arg(topic);
        QTest::newRow("meteorology") << QStringLiteral("meteorology-0");
    }
    void everyWindowAtDesignSize()
    {
        QFETCH(QString, window);
        const std::map<QString, std::function<QWidget *()>> openers{
            {"main", [this] { menu = std::make_unique<MenuForm>(); menu->show(); return menu.get(); }},
            {"introduction", Open<IntroForm>},
            {"user-options", Open<UserForm>},
            {"about", Open<AboutForm>},
            {"answer", [] { ChosenAnswer = LongestAnswer(); return Open<AnswerForm>(); }},
            {"statistics", Open<StatForm>},
            {"lights", Open<LightForm>},
            {"shapes", Open<ShapeForm>},
            {"buoys", Open<BuoyForm>},
            {"sounds", Open<SoundForm>},
            {"collisions", Open<ColForm>},
            {"lights-editor", Open<MaintLightForm>},
            {"shapes-editor", Open<MaintShapeForm>},
            {"buoys-editor", Open<MaintBuoyForm>},
            {"sounds-editor", Open<MaintSoundForm>},
            {"collisions-editor", Open<MaintColForm>},
            {"wind-chill", Open<ChillForm>},
            {"symbols", Open<SymbolForm>},
            {"parts-of-yacht", Open<YachtForm>},
            {"sails", Open<SailForm>},
            {"print", Open<CopyForm>},
        };
        QWidget *form = nullptr;
        if (window.startsWith("item-list-"))
            form = OpenList(window.back().digitValue());
        else if (window.startsWith("meteorology-"))
            form = OpenMeteorology(window.back().digitValue());
        else if (window.startsWith("documents-"))
            form = OpenDocument(window.back().digitValue());
        else
            form = openers.at(window)();
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QStringList cut = CutTexts(*form);
        QVERIFY2(cut.isEmpty(), qPrintable("\n  " + Joined(cut)));
    }

    // Each table of the meteorology window, through its menu item, shares
    // the grid's width among its columns: no column hides at the right.
    void meteorologyColumnsSideBySide_data()
    {
        QTest::addColumn<int>("table");
        const char *names[] = {"beaufort-scale", "warnings", "times", "visibility",
                               "pressure-and-tendency", "speed", "pressure-changes"};
        for (int table = 0; table < 7; ++table)
            QTest::newRow(names[table]) << table;
    }
    void meteorologyColumnsSideBySide()
    {
        QFETCH(int, table);
        auto *form = static_cast<BeaufortForm *>(OpenMeteorology(table));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QString past = ColumnsPastTheView(*form->Bgrid);
        QVERIFY2(past.isEmpty(), qPrintable(past));
    }

    // Every grid of every document, through the document menu, likewise.
    void documentColumnsSideBySide_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("grid");
        const char *documents[] = {"planning", "log", "sheet"};
        const int grids[] = {5, 3, 5};
        for (int document = 0; document < 3; ++document)
            for (int grid = 0; grid < grids[document]; ++grid)
                QTest::addRow("%s-%d", documents[document], grid) << document << grid;
    }
    void documentColumnsSideBySide()
    {
        QFETCH(int, document);
        QFETCH(int, grid);
        auto *form = static_cast<DocumentForm *>(OpenDocument(document));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QString past = ColumnsPastTheView(*form->Dgrid[grid]);
        QVERIFY2(past.isEmpty(), qPrintable(past));
    }

    // Each starter picture in turn, as the Next button brings it: the text
    // line shows its hint, further text and answer whole.
    void starterTextsInTheTextLine_data() { topics(); }
    void starterTextsInTheTextLine()
    {
        QFETCH(int, topic);
        const Quiz &quiz = Quizzes().at(topic);
        QuizForm &form = ShowQuiz(topic);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const long pictures = PictureCount(topic);
        QStringList cut;
        for (long shown = 0; shown < pictures; ++shown) {
            for (const QString &caption : quiz.textButtons) {
                QPushButton *button = ButtonCaptioned(form, caption);
                QVERIFY2(button, qPrintable(caption));
                if (!button->isVisible())
                    continue;
                QTest::mouseClick(button, Qt::LeftButton);
                cut << CutLabel(*form.Llabel[0]);
            }
            if (shown + 1 < pictures)
                QTest::mouseClick(ButtonCaptioned(form, "&Next >"), Qt::LeftButton);
        }
        cut.removeAll(QString());
        QVERIFY2(cut.isEmpty(), qPrintable("\n  " + Joined(cut)));
    }

    // In multiple-choice mode each starter picture offers its answer among
    // others; every one is whole in the list.
    void starterAnswersInTheChoiceList_data() { topics(); }
    void starterAnswersInTheChoiceList()
    {
        QFETCH(int, topic);
        MultiChoice = true;
        QuizForm &form = ShowQuiz(topic);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const long pictures = PictureCount(topic);
        QStringList cut;
        for (long shown = 0; shown < pictures; ++shown) {
            QVERIFY(form.Clist->isVisible());
            QVERIFY(form.Clist->count() > 0);
            cut << CutEntries(*form.Clist);
            if (shown + 1 < pictures)
                QTest::mouseClick(ButtonCaptioned(form, "&Next >"), Qt::LeftButton);
        }
        QVERIFY2(cut.isEmpty(), qPrintable("\n  " + Joined(cut)));
    }

private:
    void topics()
    {
        QTest::addColumn<int>("topic");
        const char *names[] = {"lights", "shapes", "buoys", "sounds", "collisions"};
        for (int topic = 1; topic <= 5; ++topic)
            QTest::newRow(names[topic - 1]) << topic;
    }

    static QString LongestAnswer()
    {
        QString longest;
        auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
        for (const QString &table : HeadTables) {
            Recordset rows = db->OpenQuery("Select TEXT From " + table);
            for (; !rows.Eof(); rows.MoveNext())
                if (rows.TextValue("TEXT").size() > longest.size())
                    longest = rows.TextValue("TEXT");
            rows.Close();
        }
        db->Close();
        return longest;
    }

    QTemporaryDir folder;
    std::unique_ptr<MenuForm> menu;
};

QTEST_MAIN(TestWholeTexts)
#include "tst_wholetexts.moc"
