#include "quiz/ListForm.h"

#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/MousePointer.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuClient.h"
#include "quiz/ListBox.h"
#include "quiz/session/ListRows.h"
#include "quiz/session/Topics.h"

#include <QMenu>
#include <QPushButton>

#include <memory>

namespace {
constexpr int ClientWidth = 7365;
constexpr int ClientHeight = 4710;
constexpr int ListTop = 120;
} // namespace

long PickListItem(int listType)
{
    ListType = listType;
    ListEdit = false;
    FormInstance<ListForm>().ShowModal();
    return ListRecord;
}

void MaintainListItems(int listType)
{
    ListType = listType;
    ListEdit = true;
    FormInstance<ListForm>().ShowModal();
}

ListForm::ListForm() : Form(QStringLiteral("Existing Items"), 10000, true) {}

void ListForm::CreateControls()
{
    const MenuClient parts = CreateMenuClient(*this, {QStringLiteral("&File")}, ClientWidth, ClientHeight);
    client = parts.client;

    for (int i = 0; i < 3; ++i)
        Llist[i] = new ListBox(client);
    PlaceControl(*Llist[0], 120, ListTop, 7095, 3930);
    PlaceControl(*Llist[1], 2280, 4080, 735, 255);
    PlaceControl(*Llist[2], 1440, 4200, 1575, 450);
    Llist[0]->setSelectionMode(QAbstractItemView::SingleSelection);
    Llist[1]->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Llist[2]->setSelectionMode(QAbstractItemView::SingleSelection);
    Llist[1]->hide();
    Llist[2]->hide();

    static const char *const captions[] = {"&Ok", "&Cancel", "&Save Multichoice Alternatives"};
    static const int places[3][4] = {{6000, 4200, 1215, 375}, {120, 4200, 1215, 375}, {3120, 4200, 2775, 375}};
    for (int i = 0; i < 3; ++i) {
        Action[i] = new QPushButton(QString::fromLatin1(captions[i]), client);
        PlaceControl(*Action[i], places[i][0], places[i][1], places[i][2], places[i][3]);
        connect(Action[i], &QPushButton::clicked, this, [this, i] { Action_Click(i); });
    }
    Action[2]->hide();
    SetDefaultButton(Action[0]);
    SetCancelButton(Action[1]);
    setTabOrder(Llist[0], Action[0]);
    setTabOrder(Action[0], Action[1]);
    setTabOrder(Action[1], Llist[1]);
    setTabOrder(Llist[1], Action[2]);
    setTabOrder(Action[2], Llist[2]);

    static const char *const items[] = {"&Delete", "&Set Multichoice Alternatives", "&Links", "&Quit"};
    for (int i = 0; i < 4; ++i) {
        Fmenu[i] = parts.menus[0]->addAction(QString::fromLatin1(items[i]));
        connect(Fmenu[i], &QAction::triggered, this, [this, i] { Fmenu_Click(i); });
    }

    // A click on a picture (also the one already selected) or a key moving
    // to another reads its saved rows. The release, not the press, is the
    // click: a press makes its entry current before it selects it.
    connect(Llist[0], &ListBox::MouseUp, this, [this] {
        if (!Llist[0]->SelectedRows().isEmpty())
            ItemList_Click();
    });
    connect(Llist[0], &ListBox::KeyMoved, this, [this] { ItemList_Click(); });
    // Choosing a topic, by a mouse release (also on the entry already chosen)
    // or by the keyboard, lists its pictures.
    connect(Llist[2], &ListBox::MouseUp, this, [this] { IgnoreErrors([this] { ReadOthers(); }); });
    connect(Llist[2], &ListBox::KeyMoved, this, [this] {
        if (TopicsShown())
            IgnoreErrors([this] { ReadOthers(); });
    });
}

void ListForm::Form_Load()
{
    chosen = false;
    Form_Resize();
    CentreForm(*this);
    LoadData();
    for (int i = 0; i < 3; ++i)
        Fmenu[i]->setEnabled(ListEdit);
    Llist[2]->clear();
    for (long topic = Topics::First; topic <= Topics::Last; ++topic)
        Llist[2]->AddItem(Topics::Name(topic), topic);
    // Hidden now, so choosing "Lights" starts nothing.
    Llist[2]->setCurrentRow(0);
}

void ListForm::Form_Resize()
{
    if (!client)
        return;
    double listHeight = ControlHeight(*client) - 780;
    const double listWidth = ControlWidth(*client) - 270;
    const double buttonTop = ListTop + listHeight + 100;
    for (QPushButton *button : Action)
        MoveControl(*button, ControlLeft(*button), buttonTop);
    MoveControl(*Llist[2], ControlLeft(*Llist[2]), buttonTop);
    if (!Llist[1]->isHidden()) {
        // The two lists share the height the item list had alone.
        listHeight = (listHeight - 100) / 2;
        PlaceControl(*Llist[1], ControlLeft(*Llist[1]), ListTop + listHeight + 100, listWidth, listHeight);
    }
    ResizeControl(*Llist[0], listWidth, listHeight);
}

void ListForm::Form_Unload()
{
    // Only "&Ok" chooses; every other way of closing leaves no choice, whatever
    // an earlier showing or an edit left in ListRecord.
    if (!chosen)
        ListRecord = 0;
}

void ListForm::Action_Click(int Index)
{
    switch (Index) {
    case 0: {
        const QList<int> rows = Llist[0]->SelectedRows();
        ListRecord = rows.isEmpty() ? 0 : Llist[0]->ItemData(rows.first());
        chosen = true;
        Unload();
        break;
    }
    case 1:
        ListRecord = 0;
        Unload();
        break;
    default:
        if (TopicsShown()) {
            if (!Llist[1]->SelectedRows().isEmpty() ||
                MsgBox(QStringLiteral("You Have Not Chosen Any Links, Save Anyway"),
                       MsgBoxStyle::YesNo + MsgBoxStyle::Question, QStringLiteral("Help")) == MsgBoxAnswer::Yes)
                SaveLinks();
        } else if (Llist[1]->SelectedRows().isEmpty()) {
            MsgBox(QStringLiteral("You Have Not Chosen Any Alternatives"), MsgBoxStyle::Information,
                   QStringLiteral("Help"));
        } else {
            SaveChoices();
        }
        break;
    }
}

void ListForm::Fmenu_Click(int Index)
{
    switch (Index) {
    case 0:
        DeleteItem();
        break;
    case 1:
        IgnoreErrors([this] { SetChoices(); });
        break;
    case 2:
        IgnoreErrors([this] { SetLinks(); });
        break;
    default:
        ListRecord = 0;
        Unload();
        break;
    }
}

void ListForm::ItemList_Click()
{
    // In item mode a click only chooses.
    if (!SaveShown())
        return;
    if (TopicsShown())
        ReadLinks();
    else
        ReadChoices();
}

bool ListForm::SaveShown() const
{
    return Action[2] && !Action[2]->isHidden();
}
bool ListForm::TopicsShown() const
{
    return Llist[2] && !Llist[2]->isHidden();
}

bool ListForm::CurrentItem(const QString &location, long &record)
{
    const QList<int> rows = Llist[0]->SelectedRows();
    if (rows.isEmpty()) {
        // An empty list has no current picture; nothing is read or written
        // for a number left over from elsewhere.
        ReportError(location, 381, QStringLiteral("Invalid property array index"));
        return false;
    }
    record = Llist[0]->ItemData(rows.first());
    return true;
}

long ListForm::ChosenTopic() const
{
    const QList<int> rows = Llist[2]->SelectedRows();
    return rows.isEmpty() ? 0 : Llist[2]->ItemData(rows.first());
}

bool ListForm::WithDatabase(const QString &location, const std::function<void(Database &)> &step)
{
    std::unique_ptr<Database> db;
    Trap(location, [&] { db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB")); });
    if (!db)
        return false;
    const bool done = Trap(location, [&] { step(*db); });
    Trap(location, [&] { db->Close(); });
    return done;
}

void ListForm::LoadData()
{
    const QString location = QStringLiteral("ListForm:LoadData");
    MousePointer::Set(MousePointer::Hourglass);
    Llist[0]->clear();
    Llist[1]->clear();
    std::vector<HeadEntry> entries;
    WithDatabase(location, [&](Database &db) { entries = ReadHeadEntries(db, ListType + 1); });
    for (const HeadEntry &entry : entries) {
        if (entry.textMissing)
            ReportError(location, DbError::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
        Llist[0]->AddItem(entry.text, entry.record);
        Llist[1]->AddItem(entry.text, entry.record);
    }
    // Selecting is a click: in the editing modes it marks the first
    // picture's saved rows.
    if (Llist[0]->count() > 0) {
        Llist[0]->setCurrentRow(0);
        ItemList_Click();
    }
    MousePointer::Set(MousePointer::Default);
}

void ListForm::DeleteItem()
{
    if (MsgBox(QStringLiteral("Delete The Current Item"), MsgBoxStyle::YesNo + MsgBoxStyle::Question,
               QStringLiteral("Help")) != MsgBoxAnswer::Yes)
        return;
    const QString location = QStringLiteral("ListForm:DeleteItem");
    setCursor(Qt::WaitCursor);
    long record = 0;
    if (CurrentItem(location, record))
        WithDatabase(location, [&](Database &db) { DeletePicture(db, ListType + 1, record); });
    LoadData();
    if (TopicsShown())
        ReadOthers();
    unsetCursor();
}
