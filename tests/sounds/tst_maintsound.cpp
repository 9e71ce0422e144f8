// The sound-signal editor: its lists, the vessels and sounds "&Add" makes,
// the Fog switch, and the rows a save appends.

#include "../quiz/WindowControls.h"
#include "../quiz/tst_editor_driver.h"
#include "SoundPictures.h"

#include "core/state/ReportError.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/sound/Sound.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"
#include "sounds/MaintSoundForm.h"
#include "sounds/SignalWait.h"
#include "sounds/SoundForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
enum { Vessels, Sizes, Sounds, Durations, Repetitions };

constexpr long White = 0xFFFFFF;
constexpr long Grey = 0xC0C0C0;

struct SavedLine {
    QVariant x, y, size, listPtr, type, duration, number;
};

std::vector<SavedLine> savedLines(Database &db, long header)
{
    std::vector<SavedLine> lines;
    Recordset rs = db.OpenQuery("Select * From SOUNDLINE Where HEADER = ? Order By RECORD", {qlonglong(header)});
    while (!rs.Eof()) {
        lines.push_back({rs.Value("XPOS"), rs.Value("YPOS"), rs.Value("SIZE"), rs.Value("LISTPTR"), rs.Value("TYPE"),
                         rs.Value("DURATION"), rs.Value("NUMBER")});
        rs.MoveNext();
    }
    rs.Close();
    return lines;
}

std::vector<long> savedHeads(Database &db)
{
    std::vector<long> heads;
    Recordset rs = db.OpenQuery("Select RECORD From SOUNDHEAD Order By RECORD");
    while (!rs.Eof()) {
        heads.push_back(rs.LongValue("RECORD"));
        rs.MoveNext();
    }
    rs.Close();
    return heads;
}

QList<qlonglong> itemData(const QListWidget *list)
{
    QList<qlonglong> all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->data(Qt::UserRole).toLongLong();
    return all;
}

} // namespace

class TestMaintSound : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        RecordMessageBoxes(messages, MsgBoxAnswer::Ok);
    }
    void cleanup() { fixture.reset(); }

    void listsAtOpening()
    {
        open();
        QCOMPARE(editor().windowTitle(), QString("Maintain Sounds"));
        QCOMPARE(ListTexts(editor().Mlist[Vessels]),
                 QStringList({"No Picture", "Head On Vessel", "Side Vessel", "Head On Barge", "Side Barge",
                              "Fishing Vessel", "Sailing Vessel"}));
        QCOMPARE(ListTexts(editor().Mlist[Sizes]), QStringList({"Large", "Medium", "Small"}));
        QCOMPARE(itemData(editor().Mlist[Sizes]), QList<qlonglong>({150, 120, 80}));
        QCOMPARE(ListTexts(editor().Mlist[Sounds]),
                 QStringList({"No Sound", "Horn", "Bell Stroke", "Bell Rapid", "Gong", "Whistle", "Silence", "Cycle"}));
        QCOMPARE(
            ListTexts(editor().Mlist[Durations]),
            QStringList({"1 Second", "2 Seconds", "3 Seconds", "4 Seconds", "5 Seconds", "10 Seconds", "30 Seconds",
                         "1 Minute", "2 Minutes", "3 Minutes", "4 Minutes", "5 Minutes", "10 Minutes"}));
        QCOMPARE(itemData(editor().Mlist[Durations]),
                 QList<qlonglong>({1, 2, 3, 4, 5, 10, 30, 60, 120, 180, 240, 300, 600}));
        QCOMPARE(ListTexts(editor().Mlist[Repetitions]), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        for (QListWidget *list : editor().Mlist)
            QCOMPARE(list->currentRow(), 0);
        QCOMPARE(editor().Mcheck[0]->text(), QString("Fog"));
        QVERIFY(!editor().Mcheck[0]->isChecked());
        QCOMPARE(editor().Mlabel[0]->text(), QString("Hint"));
        QCOMPARE(editor().Mlabel[1]->text(), QString("Text"));
        QCOMPARE(editor().Mlabel[2]->text(), QString("Extra"));
        QCOMPARE(editor().Lpicture[0]->PixelColour(200, 100), White);
    }

    void controlPlaces_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::addRow("canvas") << "Lpicture0" << QRect(120, 120, 6000, 3000);
        QTest::addRow("fog") << "Mcheck0" << QRect(6240, 120, 3495, 255);
        QTest::addRow("vessel-list") << "Mlist0" << QRect(6240, 480, 1695, 1035);
        QTest::addRow("size-list") << "Mlist1" << QRect(6240, 1800, 1695, 645);
        QTest::addRow("sound-list") << "Mlist2" << QRect(8040, 480, 1695, 1035);
        QTest::addRow("duration-list") << "Mlist3" << QRect(8040, 1800, 1695, 645);
        QTest::addRow("repetitions-list") << "Mlist4" << QRect(8040, 2520, 1695, 645);
        QTest::addRow("add") << "Action0" << QRect(6240, 2640, 1215, 375);
        QTest::addRow("save") << "Action1" << QRect(6240, 4920, 1215, 375);
        QTest::addRow("extra-text") << "Mtext2" << QRect(1320, 4680, 4815, 615);
        QTest::addRow("sound-template") << "NewLabel0" << QRect(3840, 0, 2175, 255);
        QTest::addRow("vessel-template") << "NewPicture0" << QRect(0, 2520, 405, 405);
    }
    void controlPlaces()
    {
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        open();
        const int i = control.back().digitValue();
        QWidget *w = nullptr;
        if (control.startsWith("Lpicture"))
            w = editor().Lpicture[0];
        else if (control.startsWith("Mcheck"))
            w = editor().Mcheck[0];
        else if (control.startsWith("Mlist"))
            w = editor().Mlist[size_t(i)];
        else if (control.startsWith("Action"))
            w = editor().Action[size_t(i)];
        else if (control.startsWith("Mtext"))
            w = editor().Mtext[size_t(i)];
        else if (control.startsWith("NewLabel"))
            w = editor().NewLabel[0];
        else
            w = editor().NewPicture[0];
        QVERIFY(w);
        QCOMPARE(ControlPlace(*w), expected);
    }

    // A vessel chosen sets the sound list back to "No Sound" and the other
    // way round, so "&Add" adds one kind of element.
    void vesselOrSound()
    {
        open();
        editor().Mlist[Vessels]->setCurrentRow(5);
        editor().Mlist[Sounds]->setCurrentRow(4);
        QCOMPARE(editor().Mlist[Vessels]->currentRow(), 0);
        editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 0L);
        QCOMPARE(editor().SoundCount, 1L);
        editor().Mlist[Vessels]->setCurrentRow(2);
        QCOMPARE(editor().Mlist[Sounds]->currentRow(), 0);
        editor().Mlist[Sizes]->setCurrentRow(2);
        editor().Mlist[Durations]->setCurrentRow(3);
        QCOMPARE(editor().Mlist[Vessels]->currentRow(), 2);
    }

    void addNothing()
    {
        open();
        editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 0L);
        QCOMPARE(editor().SoundCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        QVERIFY(!editor().NewLabel.Exists(1));
    }

    // Each vessel's element picture takes its kind's size before the
    // silhouette is drawn; side vessel and fishing vessel use the unit 1.6 s.
    void vesselElements_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("sizeRow");
        QTest::addColumn<QSizeF>("box");
        QTest::addColumn<QString>("tag");
        QTest::addRow("head-on-vessel-large") << 1 << 0 << QSizeF(3000, 1500) << "150\\1";
        QTest::addRow("side-vessel-large") << 2 << 0 << QSizeF(5760, 4320) << "150\\2";
        QTest::addRow("side-vessel-medium") << 2 << 1 << QSizeF(4608, 3456) << "120\\2";
        QTest::addRow("head-on-barge-small") << 3 << 2 << QSizeF(800, 480) << "80\\3";
        QTest::addRow("side-barge-medium") << 4 << 1 << QSizeF(2400, 720) << "120\\4";
        QTest::addRow("fishing-vessel-small") << 5 << 2 << QSizeF(2816, 1536) << "80\\5";
        QTest::addRow("sailing-vessel-medium") << 6 << 1 << QSizeF(2640, 2880) << "120\\6";
    }
    void vesselElements()
    {
        QFETCH(int, kind);
        QFETCH(int, sizeRow);
        QFETCH(QSizeF, box);
        QFETCH(QString, tag);
        open();
        editor().Mlist[Vessels]->setCurrentRow(kind);
        editor().Mlist[Sizes]->setCurrentRow(sizeRow);
        editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 1L);
        const MaintElement *element = editor().NewPicture[1];
        QVERIFY(element->isVisible());
        QCOMPARE(QSizeF(element->Width(), element->Height()), box);
        QCOMPARE(element->Left(), 100.f);
        QCOMPARE(element->Top(), 100.f);
        QCOMPARE(ControlTag(*element), tag);
        // Outlined in black, filled light grey, on white.
        const QImage &image = element->Image();
        bool black = false, grey = false, white = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const long c = element->PixelColour(x, y);
                black |= c == 0;
                grey |= c == Grey;
                white |= c == White;
            }
        QVERIFY(black);
        QVERIFY(grey);
        QVERIFY(white);
    }

    // Three medium side vessels all stand at (100, 100), the last in front.
    void lastVesselInFront()
    {
        open();
        editor().Mlist[Vessels]->setCurrentRow(2);
        editor().Mlist[Sizes]->setCurrentRow(1);
        for (int i = 0; i < 3; ++i)
            editor().Action[0]->click();
        QCOMPARE(editor().PictureCount, 3L);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(ControlTag(*editor().NewPicture[i]), QString("120\\2"));
        QCOMPARE(editor().Lpicture[0]->childAt(20, 20), editor().NewPicture[3]);
    }

    // Sound elements stack down the canvas from 255 twips, each carrying
    // its caption and its tag.
    void soundElements_data()
    {
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tag");
        QTest::addRow("horn-5s-twice") << 1 << 4 << 1 << "2 Horn 5 Seconds" << "1\\5/2";
        QTest::addRow("bell-rapid") << 3 << 4 << 0 << "1 Bell Rapid 5 Seconds" << "3\\5/1";
        QTest::addRow("cycle-2-minutes") << 7 << 8 << 0 << "1 Cycle 2 Minutes" << "7\\120/1";
        QTest::addRow("silence-30s") << 6 << 6 << 0 << "1 Silence 30 Seconds" << "6\\30/1";
        QTest::addRow("no-plural-for-names") << 1 << 0 << 2 << "3 Horn 1 Second" << "1\\1/3";
    }
    void soundElements()
    {
        QFETCH(int, sound);
        QFETCH(int, duration);
        QFETCH(int, times);
        open();
        editor().Mlist[Sounds]->setCurrentRow(sound);
        editor().Mlist[Durations]->setCurrentRow(duration);
        editor().Mlist[Repetitions]->setCurrentRow(times);
        editor().Action[0]->click();
        editor().Action[0]->click();
        QCOMPARE(editor().SoundCount, 2L);
        for (int i = 1; i <= 2; ++i) {
            const QLabel *label = editor().NewLabel[i];
            QVERIFY(label->isVisible());
            QCOMPARE(ControlPlace(*label), QRect(3840, 255 * i, 2175, 255));
            QTEST(label->text(), "caption");
            QTEST(ControlTag(*label), "tag");
        }
    }

    // The twelfth sound and later lie below the canvas, but still count and
    // are saved.
    void soundsBelowTheCanvasStillCount()
    {
        open();
        editor().Mlist[Sounds]->setCurrentRow(2);
        for (int i = 0; i < 13; ++i)
            editor().Action[0]->click();
        QCOMPARE(editor().SoundCount, 13L);
        QCOMPARE(ControlTop(*editor().NewLabel[12]), 3060);
        save("hint", "answer");
        auto db = fixture->Open();
        QCOMPARE(savedLines(*db, savedHeads(*db).at(0)).size(), size_t(13));
        db->Close();
    }

    // "Fog" empties the canvas both ways; ticked, it greys the canvas and
    // the new sounds and keeps vessels out.
    void fogSwitch()
    {
        open();
        editor().Mlist[Vessels]->setCurrentRow(1);
        editor().Action[0]->click();
        editor().Mlist[Sounds]->setCurrentRow(1);
        editor().Action[0]->click();
        editor().Mlist[Vessels]->setCurrentRow(3);
        editor().Mcheck[0]->click();
        QCOMPARE(editor().PictureCount, 0L);
        QCOMPARE(editor().SoundCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        QVERIFY(!editor().NewLabel.Exists(1));
        QCOMPARE(editor().Lpicture[0]->PixelColour(200, 100), Grey);
        QCOMPARE(editor().Mlist[Vessels]->currentRow(), 0);
        QVERIFY(!editor().Mlist[Vessels]->isEnabled());
        QVERIFY(!editor().Mlist[Sizes]->isEnabled());
        QVERIFY(editor().Mlist[Sounds]->isEnabled());

        editor().Mlist[Sounds]->setCurrentRow(4);
        editor().Action[0]->click();
        QCOMPARE(editor().NewLabel[1]->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(editor().NewLabel[1]->autoFillBackground());

        editor().Mcheck[0]->click();
        QCOMPARE(editor().SoundCount, 0L);
        QVERIFY(!editor().NewLabel.Exists(1));
        QCOMPARE(editor().Lpicture[0]->PixelColour(200, 100), White);
        QVERIFY(editor().Mlist[Vessels]->isEnabled());
        QVERIFY(editor().Mlist[Sizes]->isEnabled());
        QCOMPARE(editor().Mlist[Vessels]->currentRow(), 0);
    }

    void clearRemovesBoth()
    {
        open();
        editor().Mlist[Vessels]->setCurrentRow(4);
        editor().Action[0]->click();
        editor().Mlist[Sounds]->setCurrentRow(5);
        editor().Action[0]->click();
        editor().Emenu[0]->trigger();
        QCOMPARE(editor().PictureCount, 0L);
        QCOMPARE(editor().SoundCount, 0L);
        QVERIFY(!editor().NewPicture.Exists(1));
        QVERIFY(!editor().NewLabel.Exists(1));
    }

    // "&Quit" or the close box: the next opening starts empty, its first
    // sound again at 255.
    void reopenStartsEmpty_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addRow("quit") << false;
        QTest::addRow("close-box") << true;
    }
    void reopenStartsEmpty()
    {
        QFETCH(bool, closeBox);
        open();
        editor().Mlist[Vessels]->setCurrentRow(1);
        editor().Action[0]->click();
        editor().Mlist[Sounds]->setCurrentRow(1);
        editor().Action[0]->click();
        editor().Action[0]->click();
        editor().Mcheck[0]->click();
        if (closeBox)
            editor().close();
        else
            editor().Fmenu[1]->trigger();
        QCOMPARE(editor().PictureCount, 0L);
        QCOMPARE(editor().SoundCount, 0L);
        QTest::qWait(0);
        open();
        QVERIFY(!editor().Mcheck[0]->isChecked());
        QCOMPARE(editor().Lpicture[0]->PixelColour(200, 100), White);
        editor().Mlist[Sounds]->setCurrentRow(1);
        editor().Action[0]->click();
        QCOMPARE(editor().SoundCount, 1L);
        QCOMPARE(ControlTop(*editor().NewLabel[1]), 255);
    }

    // A sound element is no handle: pressing it starts no drag.
    void soundsAreNotDragged()
    {
        open();
        editor().Mlist[Sounds]->setCurrentRow(1);
        editor().Action[0]->click();
        QLabel *label = editor().NewLabel[1];
        QTest::mousePress(editor().windowHandle(), Qt::LeftButton, {}, label->mapTo(&editor(), label->rect().center()));
        QVERIFY(!editor().Dragging);
        QTest::mouseRelease(editor().windowHandle(), Qt::LeftButton, {}, label->mapTo(&editor(), QPoint(5, 5)));
        QCOMPARE(ControlTop(*label), 255);
    }

    // The checks in order, each with its own message; blanks are text.
    void checksBeforeSaving_data()
    {
        QTest::addColumn<bool>("addSound");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("expected");
        const QString none = "You Have Not Added Any Sounds";
        const QString noHint = "You Have Not Entered Any Text For The Hint";
        const QString noAnswer = "You Have Not Entered Any Text For The Answer";
        QTest::addRow("nothing-at-all") << false << "" << "" << QStringList{none, noHint, noAnswer};
        QTest::addRow("no-elements") << false << "h" << "a" << QStringList{none};
        QTest::addRow("no-hint") << true << "" << "a" << QStringList{noHint};
        QTest::addRow("blank-answer-passes") << true << "h" << "   " << QStringList{};
        QTest::addRow("single-blank-hint-passes") << true << " " << "a" << QStringList{};
        QTest::addRow("complete") << true << "h" << "a" << QStringList{};
    }
    void checksBeforeSaving()
    {
        QFETCH(bool, addSound);
        QFETCH(QString, hint);
        QFETCH(QString, answer);
        QFETCH(QStringList, expected);
        open();
        if (addSound) {
            editor().Mlist[Sounds]->setCurrentRow(2);
            editor().Action[0]->click();
        }
        save(hint, answer);
        QCOMPARE(messages, expected);
        auto db = fixture->Open();
        QCOMPARE(savedHeads(*db).size(), size_t(expected.isEmpty() ? 1 : 0));
        db->Close();
        QCOMPARE(editor().SoundCount, addSound && expected.isEmpty() ? 0L : long(addSound));
    }

    // A fog signal of three sounds: one head row and three sound rows, in
    // the order they were added.
    void saveFogSignal()
    {
        open();
        editor().Mcheck[0]->click();
        addSoundElement(1, 4, 1); // 2 Horn 5 Seconds
        addSoundElement(6, 1, 0); // 1 Silence 2 Seconds
        addSoundElement(7, 8, 0); // 1 Cycle 2 Minutes
        editor().Mtext[2]->setPlainText("In fog");
        save("Hint", "Power-driven vessel making way");
        QCOMPARE(messages, QStringList{});
        auto db = fixture->Open();
        const std::vector<long> heads = savedHeads(*db);
        QCOMPARE(heads.size(), size_t(1));
        Recordset head = db->OpenRecordset("SOUNDHEAD");
        QCOMPARE(head.TextValue("HINT"), QString("Hint"));
        QCOMPARE(head.TextValue("TEXT"), QString("Power-driven vessel making way"));
        QCOMPARE(head.TextValue("EXTRA"), QString("In fog"));
        head.Close();
        const std::vector<SavedLine> lines = savedLines(*db, heads[0]);
        db->Close();
        QCOMPARE(lines.size(), size_t(3));
        const double expected[3][3] = {{1, 5, 2}, {6, 2, 1}, {7, 120, 1}};
        for (size_t i = 0; i < 3; ++i) {
            QCOMPARE(lines[i].x.toDouble(), 0.0);
            QCOMPARE(lines[i].y.toDouble(), 0.0);
            QCOMPARE(lines[i].size.toDouble(), 0.0);
            QCOMPARE(lines[i].type.toInt(), 1);
            QCOMPARE(lines[i].listPtr.toDouble(), expected[i][0]);
            QCOMPARE(lines[i].duration.toDouble(), expected[i][1]);
            QCOMPARE(lines[i].number.toDouble(), expected[i][2]);
        }
        // Saved and cleared; the Fog box and the lists stay.
        QCOMPARE(editor().SoundCount, 0L);
        QVERIFY(!editor().NewLabel.Exists(1));
        for (MaintText *text : editor().Mtext)
            QCOMPARE(text->Text(), QString());
        QVERIFY(editor().Mcheck[0]->isChecked());
        QCOMPARE(editor().Mlist[Sounds]->currentRow(), 7);
        // A second save at once has nothing to save.
        editor().Action[1]->click();
        QCOMPARE(messages.size(), 3);
    }

    // The vessel's row holds the centre of its picture; the vessel is stored
    // before a sound added ahead of it; DURATION and NUMBER stay unwritten.
    void saveVesselAndSound()
    {
        open();
        addSoundElement(4, 4, 0);
        editor().Mlist[Vessels]->setCurrentRow(6);
        editor().Mlist[Sizes]->setCurrentRow(1);
        editor().Action[0]->click();
        MaintElement *vessel = editor().NewPicture[1];
        vessel->SetLeft(1000);
        vessel->SetTop(500);
        save("h", "a");
        auto db = fixture->Open();
        const std::vector<SavedLine> lines = savedLines(*db, savedHeads(*db).at(0));
        db->Close();
        QCOMPARE(lines.size(), size_t(2));
        QCOMPARE(lines[0].x.toDouble(), 2320.0);
        QCOMPARE(lines[0].y.toDouble(), 1940.0);
        QCOMPARE(lines[0].size.toDouble(), 120.0);
        QCOMPARE(lines[0].listPtr.toDouble(), 6.0);
        QCOMPARE(lines[0].type.toInt(), 0);
        QVERIFY(lines[0].duration.isNull());
        QVERIFY(lines[0].number.isNull());
        QCOMPARE(lines[1].listPtr.toDouble(), 4.0);
        QCOMPARE(lines[1].type.toInt(), 1);
    }

    // The same signal composed again is a second signal with its own key.
    void saveAgainMakesNewSignal()
    {
        open();
        for (int i = 0; i < 2; ++i) {
            addSoundElement(5, 0, 0);
            save("h", "a");
        }
        auto db = fixture->Open();
        const std::vector<long> heads = savedHeads(*db);
        QCOMPARE(heads.size(), size_t(2));
        QVERIFY(heads[1] > heads[0]);
        QCOMPARE(savedLines(*db, heads[0]).size(), size_t(1));
        QCOMPARE(savedLines(*db, heads[1]).size(), size_t(1));
        db->Close();
    }

    // A failing write stores nothing, is reported once, and the editor keeps
    // what was composed.
    void failedSaveKeepsEverything()
    {
        open();
        editor().Mlist[Vessels]->setCurrentRow(1);
        editor().Action[0]->click();
        addSoundElement(1, 0, 0);
        addSoundElement(2, 0, 0);
        int writes = 0;
        Database::SetWriteHook([&](const QString &) {
            if (++writes == 4)
                throw DbError(DbError::DiskError, "Disk or network error.");
        });
        save("h", "a");
        Database::SetWriteHook({});
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith("Unexpected Error In - MaintSoundForm:SaveData, Error Number 3043"));
        auto db = fixture->Open();
        QCOMPARE(savedHeads(*db).size(), size_t(0));
        Recordset lines = db->OpenQuery("Select * From SOUNDLINE");
        QVERIFY(lines.Eof());
        lines.Close();
        db->Close();
        QCOMPARE(editor().PictureCount, 1L);
        QCOMPARE(editor().SoundCount, 2L);
        QCOMPARE(editor().Mtext[0]->Text(), QString("h"));
    }

    // "&List" opens the item list of the sounds topic for maintenance.
    void listItems()
    {
        open();
        int shown = 0;
        Form::SetModalHook([&](Form &form) {
            ++shown;
            QCOMPARE(ListType, 3);
            QVERIFY(ListEdit);
            form.Unload();
        });
        editor().Fmenu[0]->trigger();
        QCOMPARE(shown, 1);
    }

    // What the editor saves, the quiz draws and plays.
    void savedSignalPlaysInTheQuiz()
    {
        open();
        editor().Mlist[Vessels]->setCurrentRow(1);
        editor().Action[0]->click();
        addSoundElement(1, 4, 1);
        addSoundElement(5, 0, 0);
        save("h", "Vessel making way");
        QCOMPARE(messages, QStringList{});
        editor().Fmenu[1]->trigger();

        QStringList heard;
        SetSoundRecorder([&](const SoundCall &call) {
            if (call.command == "Play")
                heard << QString(call.file).remove(AppPath);
        });
        SetSignalWaitHook([&](double seconds) { heard << QString("wait %1").arg(seconds); });
        SetShuffleRandom([](long upper) { return upper; });
        SoundMode = 3;
        // The quiz plays its first signal as it opens.
        SoundForm &quiz = FormInstance<SoundForm>();
        quiz.Load();
        SetSoundRecorder({});
        SetSignalWaitHook({});
        SetShuffleRandom({});
        QCOMPARE(heard, QStringList({"HORN5.WAV", "wait 5", "HORN5.WAV", "wait 5", "WHISTLE1.WAV", "wait 1", "wait 2"}));
        QCOMPARE(quiz.SignalText(), QString(" Horn Horn,  Whistle"));
        // The head-on vessel's hull, centred where it stood in the editor.
        // Its centre (1600, 850) at 15 twips a pixel: (107, 57).
        QCOMPARE(quiz.Lpicture[0]->PixelColour(110, 61), Grey);
        QCOMPARE(quiz.Lpicture[0]->PixelColour(20, 61), White);
    }

private:
    MaintSoundForm &editor() { return FormInstance<MaintSoundForm>(); }
    void open() { QVERIFY(ShowEditor(editor())); }
    void addSoundElement(int sound, int duration, int times)
    {
        editor().Mlist[Sounds]->setCurrentRow(sound);
        editor().Mlist[Durations]->setCurrentRow(duration);
        editor().Mlist[Repetitions]->setCurrentRow(times);
        editor().Action[0]->click();
    }
    void save(const QString &hint, const QString &answer) { SaveWithTexts(editor(), hint, answer); }

    std::unique_ptr<PictureFixture> fixture;
    QStringList messages;
};

QTEST_MAIN(TestMaintSound)
#include "tst_maintsound.moc"
