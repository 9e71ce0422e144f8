// The item list's alternatives and links modes: entering them, reading the
// saved rows of the selected picture and replacing them.
#include "quiz/ListForm.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/window/Controls.h"
#include "quiz/ListBox.h"
#include "quiz/session/ListRows.h"

#include <QAction>
#include <QPushButton>

#include <algorithm>

namespace {
// The window's own pointer shows the hourglass while an operation works.
class WindowHourglass
{
public:
    explicit WindowHourglass(QWidget &window) : window(window) { window.setCursor(Qt::WaitCursor); }
    ~WindowHourglass() { window.unsetCursor(); }
    WindowHourglass(const WindowHourglass &) = delete;
    WindowHourglass &operator=(const WindowHourglass &) = delete;

private:
    QWidget &window;
};
} // namespace

void ListForm::SetChoices()
{
    ResizeControl(*Llist[0], ControlWidth(*Llist[0]), 1785);
    PlaceControl(*Llist[1], ControlLeft(*Llist[0]), ControlTop(*Llist[0]) + ControlHeight(*Llist[0]) + 100,
                 ControlWidth(*Llist[0]), ControlHeight(*Llist[0]));
    Llist[1]->show();
    Action[2]->show();
}

void ListForm::SetLinks()
{
    Fmenu[1]->setEnabled(false);
    ResizeControl(*Llist[0], ControlWidth(*Llist[0]), 1785);
    PlaceControl(*Llist[1], ControlLeft(*Llist[0]), ControlTop(*Llist[0]) + ControlHeight(*Llist[0]) + 100,
                 ControlWidth(*Llist[0]), ControlHeight(*Llist[0]));
    Llist[1]->show();
    Llist[2]->show();
    Action[2]->setText(QStringLiteral("&Save Links"));
    Action[2]->show();
    ReadOthers();
}

void ListForm::FillSelectionList(const QString &location, long topicCode)
{
    Llist[1]->clear();
    std::vector<HeadEntry> entries;
    WithDatabase(location, [&](Database &db) { entries = ReadHeadEntries(db, topicCode); });
    for (const HeadEntry &entry : entries) {
        if (entry.textMissing)
            ReportError(location, DbError::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
        Llist[1]->AddItem(entry.text, entry.record);
    }
}

void ListForm::ReadOthers()
{
    WindowHourglass hourglass(*this);
    FillSelectionList(QStringLiteral("ListForm:ReadOthers"), ChosenTopic());
    ReadLinks();
}

void ListForm::MarkSaved(const std::vector<long> &records)
{
    for (int row = 0; row < Llist[1]->count(); ++row) {
        const long record = Llist[1]->ItemData(row);
        if (std::find(records.begin(), records.end(), record) != records.end())
            Llist[1]->item(row)->setSelected(true);
    }
}

std::vector<long> ListForm::MarkedRecords() const
{
    std::vector<long> records;
    for (int row : Llist[1]->SelectedRows())
        records.push_back(Llist[1]->ItemData(row));
    return records;
}

void ListForm::ReadSaved(const QString &location, const std::function<std::vector<long>(Database &, long)> &read)
{
    WindowHourglass hourglass(*this);
    long record = 0;
    const bool current = CurrentItem(location, record);
    if (current)
        ListRecord = record;
    Llist[1]->clearSelection();
    if (!current)
        return;
    std::vector<long> saved;
    WithDatabase(location, [&](Database &db) { saved = read(db, record); });
    MarkSaved(saved);
}

void ListForm::ReadChoices()
{
    ReadSaved(QStringLiteral("ListForm:ReadChoices"),
              [](Database &db, long record) { return ReadSavedAlternatives(db, ListType + 1, record); });
}

void ListForm::ReadLinks()
{
    const long typeTwo = ChosenTopic();
    ReadSaved(QStringLiteral("ListForm:ReadLinks"),
              [typeTwo](Database &db, long record) { return ReadSavedLinks(db, ListType + 1, record, typeTwo); });
}

void ListForm::SaveMarked(const QString &location,
                          const std::function<void(Database &, long, const std::vector<long> &)> &replace,
                          const QString &saved)
{
    WindowHourglass hourglass(*this);
    long record = 0;
    if (!CurrentItem(location, record))
        return;
    ListRecord = record;
    const std::vector<long> marked = MarkedRecords();
    // The message comes only once the whole replacement is stored.
    if (WithDatabase(location, [&](Database &db) { replace(db, record, marked); }))
        MsgBox(saved, MsgBoxStyle::Information, QStringLiteral("Help"));
}

void ListForm::SaveChoices()
{
    SaveMarked(
        QStringLiteral("ListForm:SaveChoices"),
        [](Database &db, long record, const std::vector<long> &marked) {
            ReplaceAlternatives(db, ListType + 1, record, marked);
        },
        QStringLiteral("Alternatives Saved As Requested"));
}

void ListForm::SaveLinks()
{
    const long typeTwo = ChosenTopic();
    SaveMarked(
        QStringLiteral("ListForm:SaveLinks"),
        [typeTwo](Database &db, long record, const std::vector<long> &marked) {
            ReplaceLinks(db, ListType + 1, record, typeTwo, marked);
        },
        QStringLiteral("Links Saved As Requested"));
}
