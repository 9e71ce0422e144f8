// The editor window the five topics share, on a plain editor whose elements
// are blank boxes: dragging with the mouse, the checks before saving, saving
// in one transaction, the text limit, Clear and Quit.

#include "LightPictures.h"
#include "tst_editor_driver.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "quiz/MaintForm.h"
#include "quiz/MaintText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <sqlite3.h>

namespace {
// An editor whose elements are blank boxes of the template's size; it stores
// its pictures in the lights tables.
class PlainEditor : public MaintForm
{
public:
    PlainEditor() : MaintForm(design()) {}

    static EditorDesign design()
    {
        EditorDesign d;
        d.caption = QStringLiteral("Maintain Marks");
        d.clientWidth = 7590;
        d.canvas = QRect(120, 120, 6000, 3000);
        d.canvasColour = 0;
        d.elementTemplate = QRect(0, 2520, 240, 240);
        d.templateColour = 16777215;
        d.thirdLabel = QStringLiteral("Third");
        d.lists = {QRect(6240, 120, 1215, 1620)};
        d.addButton = QRect(6240, 2640, 1215, 375);
        d.topicWord = QStringLiteral("Marks");
        d.listType = 3;
        d.saveLocation = QStringLiteral("MaintMarkForm:SaveData");
        d.headTable = QStringLiteral("LIGHTHEAD");
        d.lineTable = QStringLiteral("LIGHTLINE");
        return d;
    }

protected:
    void BuildLists() override
    {
        Mlist[0]->clear();
        Mlist[0]->addItems({QStringLiteral("One"), QStringLiteral("Two")});
        Mlist[0]->setCurrentRow(0);
    }
    void AddElement() override
    {
        if (MaintElement *element = NewElement())
            SetControlTag(*element, QString::number(PictureCount * 10));
    }
    void WriteHead(Recordset &head) override
    {
        head.SetValue("HINT", Mtext[0]->Text());
        head.SetValue("TEXT", Mtext[1]->Text());
        head.SetValue("FOGSIGNAL", Mtext[2]->Text());
        head.SetValue("DIRECTION", Mlist[0]->currentRow());
    }
    void WriteElement(Recordset &line, const MaintElement &element) override
    {
        line.SetValue("COLOUR", 0);
        line.SetValue("FLASH", false);
        line.SetValue("XPOS", element.Width() / 2 + element.Left());
        line.SetValue("YPOS", element.Height() / 2 + element.Top());
        line.SetValue("SIZE", ControlTag(element).toDouble());
    }
};

// A plain editor that also holds a stack of numbers, stored after its
// elements as rows of their own.
class StackEditor : public PlainEditor
{
public:
    std::vector<double> stack;

protected:
    void WriteOtherLines(Recordset &line, long record) override
    {
        for (double value : stack) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            line.SetValue("COLOUR", 0);
            line.SetValue("XPOS", 0);
            line.SetValue("YPOS", 0);
            line.SetValue("SIZE", value);
            line.Update();
        }
    }
};

struct Row {
    long header;
    double x;
    double y;
    double size;
};

long countRows(Database &db, const QString &table)
{
    Recordset rs = db.OpenQuery("Select Count(*) As N From " + table);
    const long n = rs.LongValue("N");
    rs.Close();
    return n;
}

std::vector<Row> lineRows(Database &db)
{
    std::vector<Row> rows;
    Recordset rs = db.OpenRecordset("LIGHTLINE");
    while (!rs.Eof()) {
        rows.push_back({rs.LongValue("HEADER"), rs.DoubleValue("XPOS"), rs.DoubleValue("YPOS"),
                        rs.DoubleValue("SIZE")});
        rs.MoveNext();
    }
    rs.Close();
    return rows;
}
} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dragByMouse_data();
    void dragByMouse();
    void checksShowTheirMessagesInOrder_data();
    void checksShowTheirMessagesInOrder();
    void saveAppendsOneHeadAndALinePerElement();
    void failureAfterTheHeadRowStoresNothing_data();
    void failureAfterTheHeadRowStoresNothing();
    void lockedSaveIsRetriedWhole();
    void eachLockIsARunOfItsOwn();
    void textsStopAtTheLimit_data();
    void textsStopAtTheLimit();
    void clearKeepsTextsAndChoices();
    void closingEmptiesTheEditor_data();
    void closingEmptiesTheEditor();
    void listOpensTheItemListForMaintenance();
    void otherRowsFollowTheElementsInOneTransaction_data();
    void otherRowsFollowTheElementsInOneTransaction();

private:
    PlainEditor &editor() { return FormInstance<PlainEditor>(); }
    void open() { QVERIFY(ShowEditor(editor())); }
    void add(int count);
    QPoint windowPoint(QPoint canvasPixel) { return editor().Lpicture[0]->mapTo(&editor(), canvasPixel); }
    void runScript(const QString &script) { DriveMouse(editor(), script); }

    PictureFixture *fixture = nullptr;
    QStringList messages;
};

void TestEditor::init()
{
    fixture = new PictureFixture;
    QVERIFY(fixture->Create());
    // Ten twips to the pixel: every pixel of travel is a whole number of twips.
    Twips::SetTwipsPerPixel(10, 10);
    // A steady clock and no real waits: a run of lock errors is retried
    // silently, however fast the retries come.
    SetReportErrorHooks({[] { return 1000.0; }, nullptr, [](std::chrono::microseconds) {}, nullptr});
    RecordMessageBoxes(messages, MsgBoxAnswer::Ok);
}

void TestEditor::cleanup()
{
    delete fixture;
    fixture = nullptr;
}

void TestEditor::add(int count)
{
    for (int i = 0; i < count; ++i)
        QTest::mouseClick(editor().Action[0], Qt::LeftButton);
}

// Expected places follow the drag rule: the first move after the press only
// records the pointer, each later move shifts the element by the pointer's
// travel (10 twips a pixel); the release ends the drag wherever it happens,
// so the move after it changes nothing.
void TestEditor::dragByMouse_data()
{
    QTest::addColumn<int>("elements");
    QTest::addColumn<QString>("script");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");

    QTest::addRow("press-and-release-leave-it") << 1 << "press; release 30,30; move 90,90" << 100.f << 100.f;
    QTest::addRow("first-move-only-records") << 1 << "press; move 50,50; release 50,50; move 90,90" << 100.f
                                             << 100.f;
    QTest::addRow("second-move-applies-the-travel")
        << 1 << "press; move 50,50; move 80,70; release 80,70; move 200,200" << 400.f << 300.f;
    QTest::addRow("grab-offset-kept-over-many-moves")
        << 1 << "press; move 25,25; move 125,75; move 225,125; release 225,125" << 2100.f << 1100.f;
    QTest::addRow("move-on-the-left-edge-counts")
        << 1 << "press; move 0,30; move 40,50; release 40,50; move 90,90" << 500.f << 300.f;
    QTest::addRow("dragged-beyond-the-left-edge") << 1 << "press; move 30,30; move 5,30; release 5,30" << -150.f
                                                  << 100.f;
    QTest::addRow("release-over-another-control-ends-it")
        << 1 << "press; move 30,30; move 700,400; release 700,400; move 30,30" << 6800.f << 3800.f;
    // The pointer's travel to a release point is reported as a move first.
    QTest::addRow("release-outside-the-window-ends-it")
        << 1 << "press; move 30,30; move 50,40; release -100,-100; move 300,200" << -1200.f << -1200.f;
    QTest::addRow("pile-moves-the-newest") << 2 << "press; move 30,30; move 60,30; release 60,30" << 400.f
                                           << 100.f;
}

void TestEditor::dragByMouse()
{
    QFETCH(int, elements);
    QFETCH(QString, script);
    QFETCH(float, left);
    QFETCH(float, top);

    open();
    add(elements);
    runScript(script);

    const MaintElement *dragged = editor().NewPicture[elements];
    QCOMPARE(dragged->Left(), left);
    QCOMPARE(dragged->Top(), top);
    QVERIFY(!editor().Dragging);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    for (int i = 1; i <= elements; ++i)
        QVERIFY(editor().NewPicture[i]->isEnabled());
    if (elements == 2) {
        QCOMPARE(editor().NewPicture[1]->Left(), 100.f);
        QCOMPARE(editor().NewPicture[1]->Top(), 100.f);
    }
}

// The three checks always all run, in this order, one box each.
void TestEditor::checksShowTheirMessagesInOrder_data()
{
    const QString none = "You Have Not Added Any Marks";
    const QString hint = "You Have Not Entered Any Text For The Hint";
    const QString answer = "You Have Not Entered Any Text For The Answer";
    QTest::addColumn<int>("elements");
    QTest::addColumn<QString>("hintText");
    QTest::addColumn<QString>("answerText");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("all-missing") << 0 << "" << "" << QStringList{none, hint, answer};
    QTest::addRow("no-elements-only") << 0 << "h" << "a" << QStringList{none};
    QTest::addRow("no-elements-and-no-hint") << 0 << "" << "a" << QStringList{none, hint};
    QTest::addRow("hint-and-answer-missing") << 1 << "" << "" << QStringList{hint, answer};
    // Blanks are text: only an empty box is missing.
    QTest::addRow("single-blank-hint-passes") << 1 << " " << "a" << QStringList{};
    QTest::addRow("blank-lines-answer-passes") << 1 << "h" << " \n \t" << QStringList{};
    QTest::addRow("complete-third-text-empty") << 1 << "h" << "a" << QStringList{};
}

void TestEditor::checksShowTheirMessagesInOrder()
{
    QFETCH(int, elements);
    QFETCH(QString, hintText);
    QFETCH(QString, answerText);
    QFETCH(QStringList, expected);

    open();
    add(elements);
    editor().Mtext[0]->setPlainText(hintText);
    editor().Mtext[1]->setPlainText(answerText);
    QStringList boxes;
    SetMsgBoxHandler([&](const MsgBoxCall &call) {
        messages << call.prompt;
        boxes << QString("%1 %2").arg(call.style).arg(call.title);
        return MsgBoxAnswer::Ok;
    });

    QCOMPARE(editor().ValidData(), expected.isEmpty());
    QCOMPARE(messages, expected);
    QCOMPARE(boxes, QStringList(expected.size(), "64 Help"));
}

void TestEditor::saveAppendsOneHeadAndALinePerElement()
{
    open();
    add(2);
    runScript("press; move 30,30; move 130,80; release 130,80");
    editor().Mtext[0]->setPlainText("Hint");
    editor().Mtext[1]->setPlainText("Answer");
    editor().Mlist[0]->setCurrentRow(1);

    editor().Action[1]->click();

    QCOMPARE(messages, QStringList{});
    auto db = fixture->Open();
    QCOMPARE(countRows(*db, "LIGHTHEAD"), 1L);
    Recordset head = db->OpenRecordset("LIGHTHEAD");
    const long record = head.LongValue("RECORD");
    QCOMPARE(head.TextValue("HINT"), QString("Hint"));
    QCOMPARE(head.TextValue("TEXT"), QString("Answer"));
    QVERIFY(!head.Value("FOGSIGNAL").isNull());
    QCOMPARE(head.TextValue("FOGSIGNAL"), QString(""));
    QCOMPARE(head.LongValue("DIRECTION"), 1L);
    head.Close();
    // In the order of adding: the first stayed, the second was dragged.
    const std::vector<Row> rows = lineRows(*db);
    db->Close();
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[0].header, record);
    QCOMPARE(rows[0].x, 220.0);
    QCOMPARE(rows[0].y, 220.0);
    QCOMPARE(rows[0].size, 10.0);
    QCOMPARE(rows[1].header, record);
    QCOMPARE(rows[1].x, 1220.0);
    QCOMPARE(rows[1].y, 720.0);
    QCOMPARE(rows[1].size, 20.0);

    // The editor is empty again, the choice kept.
    QCOMPARE(editor().PictureCount, 0L);
    QCOMPARE(editor().NewPicture.Count(), 1);
    for (MaintText *text : editor().Mtext)
        QCOMPARE(text->toPlainText(), QString());
    QCOMPARE(editor().Mlist[0]->currentRow(), 1);
}

// The first line row fails after the head row went in: the transaction takes
// the head row back, one report is shown, and the author keeps the picture.
void TestEditor::failureAfterTheHeadRowStoresNothing_data()
{
    QTest::addColumn<long>("error");
    QTest::addRow("disk-error") << DbError::DiskError;
    QTest::addRow("value-too-large") << DbError::NumericOverflow;
}

void TestEditor::failureAfterTheHeadRowStoresNothing()
{
    QFETCH(long, error);
    open();
    add(2);
    runScript("press; move 30,30; move 60,50; release 60,50");
    editor().Mtext[0]->setPlainText("Hint");
    editor().Mtext[1]->setPlainText("Answer");
    editor().Mtext[2]->setPlainText("Third");
    Database::SetWriteHook([error](const QString &sql) {
        if (sql.contains("LIGHTLINE", Qt::CaseInsensitive))
            throw DbError(error, "Injected");
    });

    editor().Action[1]->click();

    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].startsWith("Unexpected Error In - MaintMarkForm:SaveData, Error Number " +
                                   QString::number(error)));
    Database::SetWriteHook({});
    auto db = fixture->Open();
    QCOMPARE(countRows(*db, "LIGHTHEAD"), 0L);
    QCOMPARE(countRows(*db, "LIGHTLINE"), 0L);
    db->Close();
    QCOMPARE(editor().PictureCount, 2L);
    QCOMPARE(editor().NewPicture[1]->Left(), 100.f);
    QCOMPARE(editor().NewPicture[2]->Left(), 400.f);
    QCOMPARE(editor().NewPicture[2]->Top(), 300.f);
    QVERIFY(editor().NewPicture[2]->isVisible());
    QCOMPARE(editor().Mtext[0]->toPlainText(), QString("Hint"));
    QCOMPARE(editor().Mtext[1]->toPlainText(), QString("Answer"));
    QCOMPARE(editor().Mtext[2]->toPlainText(), QString("Third"));

    // Once the fault is gone the same picture saves whole.
    editor().Action[1]->click();
    QCOMPARE(messages.size(), 1);
    db = fixture->Open();
    QCOMPARE(countRows(*db, "LIGHTHEAD"), 1L);
    QCOMPARE(countRows(*db, "LIGHTLINE"), 2L);
    db->Close();
    QCOMPARE(editor().PictureCount, 0L);
}

// A busy file on a line row is waited out silently; the retry starts the
// picture afresh, so the head row is not stored twice.
void TestEditor::lockedSaveIsRetriedWhole()
{
    open();
    add(2);
    editor().Mtext[0]->setPlainText("Hint");
    editor().Mtext[1]->setPlainText("Answer");
    int failures = 0;
    Database::SetWriteHook([&failures](const QString &sql) {
        if (sql.contains("LIGHTLINE", Qt::CaseInsensitive) && failures < 3) {
            ++failures;
            throw DbError(DbError::Locked, "Busy");
        }
    });

    editor().Action[1]->click();

    QCOMPARE(failures, 3);
    QCOMPARE(messages, QStringList{});
    auto db = fixture->Open();
    QCOMPARE(countRows(*db, "LIGHTHEAD"), 1L);
    QCOMPARE(countRows(*db, "LIGHTLINE"), 2L);
    db->Close();
    QCOMPARE(editor().PictureCount, 0L);
}

// Another user holds the file for a moment at each of two saves a little
// over a minute apart. The save between them ended the first run of lock
// errors, so the second is waited out silently too, not taken as the same
// run gone on for 65 seconds.
void TestEditor::eachLockIsARunOfItsOwn()
{
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open((AppPath + "CALVOREN.MDB").toUtf8().constData(), &other), SQLITE_OK);
    double now = 1000;
    int locks = 0;
    ReportErrorHooks hooks;
    hooks.clock = [&now] { return now; };
    hooks.wait = [](std::chrono::microseconds) {};
    // The other user lets go after the third lock error of each save.
    hooks.idle = [&] {
        if (++locks % 3 == 0)
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        Database::Idle();
    };
    SetReportErrorHooks(hooks);
    open();
    for (long saves = 1; saves <= 2; ++saves) {
        add(1);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        SaveWithTexts(editor(), "Hint", "Answer");
        QCOMPARE(messages, QStringList{});
        QCOMPARE(locks, 3 * saves);
        auto db = fixture->Open();
        QCOMPARE(countRows(*db, "LIGHTHEAD"), saves);
        QCOMPARE(countRows(*db, "LIGHTLINE"), saves);
        db->Close();
        now += 65;
    }
    sqlite3_close(other);
}

void TestEditor::textsStopAtTheLimit_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("length");

    QTest::addRow("typing-stops-at-255") << "" << QString(300, 'a') << "" << 255;
    QTest::addRow("full-box-takes-nothing-more") << QString(255, 'a') << "bcd" << "" << 255;
    QTest::addRow("enter-counts-as-a-character") << QString(254, 'a') << "\rx" << "" << 255;
    QTest::addRow("paste-cut-to-the-room-left") << QString(250, 'a') << "" << QString(20, 'p') << 255;
    QTest::addRow("short-text-typed-whole") << "" << "Two Red Lights" << "" << 14;
}

void TestEditor::textsStopAtTheLimit()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(int, length);

    open();
    for (MaintText *box : editor().Mtext) {
        box->setPlainText(start);
        box->moveCursor(QTextCursor::End);
        box->setFocus();
        for (QChar c : typed) {
            if (c == '\r')
                QTest::keyClick(box, Qt::Key_Return);
            else
                QTest::keyClicks(box, QString(c));
        }
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            box->paste();
        }
        QCOMPARE(box->toPlainText().size(), length);
    }
}

void TestEditor::clearKeepsTextsAndChoices()
{
    open();
    add(3);
    editor().Mtext[0]->setPlainText("Hint");
    editor().Mtext[1]->setPlainText("Answer");
    editor().Mlist[0]->setCurrentRow(1);

    editor().Emenu[0]->trigger();

    QCOMPARE(editor().PictureCount, 0L);
    QCOMPARE(editor().NewPicture.Count(), 1);
    QCOMPARE(editor().Mtext[0]->toPlainText(), QString("Hint"));
    QCOMPARE(editor().Mlist[0]->currentRow(), 1);
    editor().Action[1]->click();
    QCOMPARE(messages, QStringList{"You Have Not Added Any Marks"});
    // The next element is element 1 again, at the starting place.
    add(1);
    QVERIFY(editor().NewPicture.Exists(1));
    QCOMPARE(editor().NewPicture[1]->Left(), 100.f);
}

void TestEditor::closingEmptiesTheEditor_data()
{
    QTest::addColumn<bool>("byQuit");
    QTest::addRow("quit-menu") << true;
    QTest::addRow("close-box") << false;
}

void TestEditor::closingEmptiesTheEditor()
{
    QFETCH(bool, byQuit);
    open();
    add(2);
    runScript("press; move 30,30");
    if (byQuit)
        editor().Fmenu[1]->trigger();
    else
        editor().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(!editor().IsLoaded());
    QCOMPARE(editor().PictureCount, 0L);
    QVERIFY(!editor().Dragging);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);

    open();
    QTest::mouseRelease(editor().windowHandle(), Qt::LeftButton, {}, windowPoint(QPoint(30, 30)));
    QCOMPARE(editor().NewPicture.Count(), 1);
    SaveWithTexts(editor(), "Hint", "Answer");
    QCOMPARE(messages, QStringList{"You Have Not Added Any Marks"});
}

// "&List" opens the item list for the editor's topic in maintenance mode;
// the picture being composed is still there when it closes.
void TestEditor::listOpensTheItemListForMaintenance()
{
    open();
    add(2);
    editor().Mtext[0]->setPlainText("Hint");
    QStringList shown;
    Form::SetModalHook([&](Form &f) {
        shown << QString("%1 %2 %3").arg(f.metaObject()->className()).arg(ListType).arg(ListEdit);
        f.Unload();
    });
    editor().Fmenu[0]->trigger();
    Form::SetModalHook({});

    QCOMPARE(shown, QStringList{"ListForm 3 1"});
    QCOMPARE(editor().PictureCount, 2L);
    QVERIFY(editor().NewPicture[2]->isVisible());
    QCOMPARE(editor().Mtext[0]->toPlainText(), QString("Hint"));
}

// Rows of an editor's second set come after the elements' rows, and a
// failure among them takes the whole picture back.
void TestEditor::otherRowsFollowTheElementsInOneTransaction_data()
{
    QTest::addColumn<int>("failingRow"); // 0: none
    QTest::addColumn<QList<double>>("sizes");
    QTest::addRow("stored-after-the-elements") << 0 << QList<double>{10, 20, 7, 8};
    QTest::addRow("failure-in-the-last-row") << 4 << QList<double>{};
}

void TestEditor::otherRowsFollowTheElementsInOneTransaction()
{
    QFETCH(int, failingRow);
    QFETCH(QList<double>, sizes);

    StackEditor &stacked = FormInstance<StackEditor>();
    QVERIFY(ShowEditor(stacked));
    stacked.Action[0]->click();
    stacked.Action[0]->click();
    stacked.stack = {7, 8};
    stacked.Mtext[0]->setPlainText("Hint");
    stacked.Mtext[1]->setPlainText("Answer");
    int written = 0;
    Database::SetWriteHook([&](const QString &sql) {
        if (sql.contains("LIGHTLINE", Qt::CaseInsensitive) && ++written == failingRow)
            throw DbError(DbError::DiskError, "Injected");
    });

    stacked.Action[1]->click();

    Database::SetWriteHook({});
    QCOMPARE(messages.size(), failingRow ? 1 : 0);
    auto db = fixture->Open();
    QCOMPARE(countRows(*db, "LIGHTHEAD"), failingRow ? 0L : 1L);
    QList<double> stored;
    for (const Row &row : lineRows(*db))
        stored << row.size;
    db->Close();
    QCOMPARE(stored, sizes);
    QCOMPARE(stacked.PictureCount, failingRow ? 2L : 0L);
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
