#pragma once

#include "platform/window/Form.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class Database;
class ListBox;
class QAction;
class QPushButton;
class QWidget;

// The item list: every picture of one topic by its answer text. A quiz window
// opens it as a picker, an editor as its maintenance window, where pictures
// are deleted and their multiple-choice alternatives and links are chosen.
// Inputs ListType (TopicCode - 1) and ListEdit (maintenance); after it has
// closed ListRecord holds the RECORD chosen by "&Ok", 0 however else it
// closed.
class ListForm : public Form
{
    Q_OBJECT

public:
    ListForm();

    // The controls as designed, rebuilt at every load: 0 the item list, 1 the
    // selection list (several entries marked at once), 2 the topic list; the
    // buttons "&Ok", "&Cancel" and the save button; the File menu items
    // "&Delete", "&Set Multichoice Alternatives", "&Links", "&Quit".
    std::array<ListBox *, 3> Llist{};
    std::array<QPushButton *, 3> Action{};
    std::array<QAction *, 4> Fmenu{};

    // Fills the item list and the selection list with the topic's pictures
    // and selects the first.
    void LoadData();
    // Deletes the picture selected in the item list, after asking.
    void DeleteItem();

    // Alternatives mode: the selection list under the item list.
    void SetChoices();
    // Links mode: the selection list lists the pictures of the topic chosen
    // in the topic list.
    void SetLinks();
    // The selection list refilled for the chosen topic, saved links marked.
    void ReadOthers();
    // Marks the saved alternatives, or links toward the chosen topic, of the
    // picture selected in the item list.
    void ReadChoices();
    void ReadLinks();
    // Replaces the saved alternatives, or links toward the chosen topic, of
    // the selected picture with the marked entries.
    void SaveChoices();
    void SaveLinks();

    void Action_Click(int Index);
    void Fmenu_Click(int Index);

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;

private:
    void ItemList_Click();
    bool SaveShown() const;
    bool TopicsShown() const;
    // The RECORD of the picture selected in the item list; without one the
    // failure is reported under location and false returned.
    bool CurrentItem(const QString &location, long &record);
    long ChosenTopic() const;
    // Opens the database, runs the step and closes it, each failure going to
    // the error reporter. True when the step completed.
    bool WithDatabase(const QString &location, const std::function<void(Database &)> &step);
    void FillSelectionList(const QString &location, long topicCode);
    void MarkSaved(const std::vector<long> &records);
    // The two halves of the editing modes: read the saved rows of the picture
    // selected in the item list and mark them; replace them with the marks.
    void ReadSaved(const QString &location, const std::function<std::vector<long>(Database &, long)> &read);
    void SaveMarked(const QString &location,
                    const std::function<void(Database &, long, const std::vector<long> &)> &replace,
                    const QString &saved);
    std::vector<long> MarkedRecords() const;

    QWidget *client = nullptr;
    bool chosen = false; // closed by "&Ok"
};

// The two ways in: a quiz window's picker returns the RECORD chosen, 0 for
// none; an editor's maintenance list returns nothing.
long PickListItem(int listType);
void MaintainListItems(int listType);
