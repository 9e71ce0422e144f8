// Texts an author stored are shown as typed in every window, markup and all:
// under the picture of each topic's quiz, in the collision caption, in the
// choice list with its tips, in the answer window and in the item list.

#include "PictureFixture.h"
#include "ShownText.h"

#include "buoys/BuoyForm.h"
#include "collisions/ColForm.h"
#include "lights/LightForm.h"
#include "platform/graphics/Twips.h"
#include "platform/sound/Sound.h"
#include "quiz/AnswerForm.h"
#include "quiz/ChoiceList.h"
#include "quiz/ListBox.h"
#include "quiz/ListForm.h"
#include "quiz/session/Topics.h"
#include "shapes/ShapeForm.h"
#include "sounds/SignalWait.h"
#include "sounds/SoundForm.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

namespace {
// Texts that a label in the automatic format would take as markup: a red
// heading with a picture read from the disk, entities, a line break and the
// "<qt>" opening.
const QStringList Hostile{
    R"(<h1 style="color:red">BIG</h1><img src="/usr/share/pixmaps/debian-logo.png">)",
    "<b>Masthead</b> &amp; <i>sidelights</i>",
    "Vessel &lt; 50 m<br>at anchor",
    "<qt>Sternlight  only",
};

// The head field each topic keeps its further text in.
QString FurtherField(int topic)
{
    switch (topic) {
    case 1:
    case 2:
        return "FOGSIGNAL";
    case 3:
        return "LIGHT";
    default:
        return "EXTRA";
    }
}

QPushButton *Button(QuizForm &form, const QString &caption)
{
    for (QPushButton *button : form.findChildren<QPushButton *>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

QuizForm &OpenQuiz(int topic)
{
    QuizForm *form = nullptr;
    switch (topic) {
    case 1:
        form = &FormInstance<LightForm>();
        break;
    case 2:
        form = &FormInstance<ShapeForm>();
        break;
    case 3:
        form = &FormInstance<BuoyForm>();
        break;
    case 4:
        form = &FormInstance<SoundForm>();
        break;
    default:
        form = &FormInstance<ColForm>();
        break;
    }
    form->Load();
    form->show();
    // A signal's texts are read when it is played.
    if (topic == 4)
        QTest::mouseClick(Button(*form, "&Play"), Qt::LeftButton);
    return *form;
}

// Clicks an entry of a list where a person would.
void ClickEntry(ListBox &list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}
} // namespace

class TestStoredText : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
        Twips::SetTwipsPerPixel(15, 15);
        RecordMessageBoxes(boxes, MsgBoxAnswer::No);
        SetSoundRecorder([](const SoundCall &) {});
        SetSignalWaitHook([](double) {});
    }
    void cleanup() { fixture.reset(); }

    // The button puts the stored field under the picture; a collision's
    // caption stands under it from the start.
    void textLine_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("stored");
        const struct {
            int topic;
            const char *name;
            const char *button;
            const char *field;
            int label;
        } places[] = {
            {1, "lights-hint", "&Hint", "HINT", 0},
            {1, "lights-answer", "?", "TEXT", 0},
            {1, "lights-fog-signal", "&Fog Signal", "FOGSIGNAL", 0},
            {2, "shapes-hint", "&Hint", "HINT", 0},
            {2, "shapes-answer", "?", "TEXT", 0},
            {2, "shapes-fog-signal", "&Fog Signal", "FOGSIGNAL", 0},
            {3, "buoys-hint", "&Hint", "HINT", 0},
            {3, "buoys-answer", "?", "TEXT", 0},
            {3, "buoys-light-info", "&Light Info", "LIGHT", 0},
            {4, "sounds-hint", "&Hint", "HINT", 0},
            {4, "sounds-answer", "?", "TEXT", 0},
            {5, "collisions-hint", "&Hint", "HINT", 0},
            {5, "collisions-answer", "?", "TEXT", 0},
            {5, "collisions-caption", "", "EXTRA", 1},
        };
        for (const auto &p : places)
            for (int i = 0; i < Hostile.size(); ++i)
                QTest::addRow("%s-%d", p.name, i)
                    << p.topic << QString(p.button) << QString(p.field) << p.label << Hostile[i];
    }
    void textLine()
    {
        QFETCH(int, topic);
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(int, label);
        QFETCH(QString, stored);
        RowFields head{{"HINT", "a hint"}, {"TEXT", "an answer"}, {FurtherField(topic), "more"}};
        for (auto &[name, value] : head)
            if (name == field)
                value = stored;
        fixture->AddHead(Topics::HeadTable(topic), head);
        QuizForm &form = OpenQuiz(topic);
        if (!button.isEmpty()) {
            QPushButton *shows = Button(form, button);
            QVERIFY(shows);
            QTest::mouseClick(shows, Qt::LeftButton);
        }
        QCOMPARE(ShownText(*form.Llabel[label]), stored);
        QCOMPARE(boxes, QStringList());
    }

    // In multiple-choice mode the picture's own answer is the one entry of
    // the choice list; its tip numbers it, and choosing it opens the answer
    // window with it.
    void choiceListAndAnswerWindow_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("stored");
        for (int topic = Topics::First; topic <= Topics::Last; ++topic)
            for (int i = 0; i < Hostile.size(); ++i)
                QTest::addRow("%s-%d", qPrintable(Topics::Name(topic).toLower()), i) << topic << Hostile[i];
    }
    void choiceListAndAnswerWindow()
    {
        QFETCH(int, topic);
        QFETCH(QString, stored);
        MultiChoice = true;
        fixture->AddHead(Topics::HeadTable(topic), {{"HINT", "h"}, {"TEXT", stored}, {FurtherField(topic), "f"}});
        QStringList answered;
        Form::SetModalHook([&](Form &shown) {
            if (auto *answer = qobject_cast<AnswerForm *>(&shown))
                answered << ShownText(*answer->Alabel[0]);
            shown.Unload();
        });
        QuizForm &form = OpenQuiz(topic);
        ChoiceList &list = *form.Clist;
        QTRY_VERIFY(list.isVisible());
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.item(0)->text(), stored);

        const QPoint entry = list.visualItemRect(list.item(0)).center();
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, entry, list.viewport()->mapToGlobal(entry));
        QCoreApplication::sendEvent(list.viewport(), &help);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(ShownTip(QToolTip::text()), "(1) " + stored);
        QToolTip::hideText();

        ClickEntry(list, 0);
        QCOMPARE(answered, QStringList{stored});
    }

    // The item list that "&List" opens names each picture by its answer.
    void itemList_data() { choiceListAndAnswerWindow_data(); }
    void itemList()
    {
        QFETCH(int, topic);
        QFETCH(QString, stored);
        fixture->AddHead(Topics::HeadTable(topic), {{"HINT", "h"}, {"TEXT", stored}, {FurtherField(topic), "f"}});
        QStringList entries;
        Form::SetModalHook([&](Form &shown) {
            if (auto *list = qobject_cast<ListForm *>(&shown))
                for (int row = 0; row < list->Llist[0]->count(); ++row)
                    entries << list->Llist[0]->item(row)->text();
            shown.Unload();
        });
        QuizForm &form = OpenQuiz(topic);
        form.Fmenu[1]->trigger();
        QCOMPARE(entries, QStringList{stored});
    }

private:
    std::unique_ptr<PictureFixture> fixture;
    QStringList boxes;
};

QTEST_MAIN(TestStoredText)
#include "tst_storedtext.moc"
