#pragma once

#include "platform/window/Form.h"
#include "reference/MeteorologyTables.h"

#include <QMenuBar>
#include <QPointer>

#include <array>

class Grid;
class QAction;
class QMenu;

// The meteorology window: one of the seven reference tables at a time in a
// grid that tests the user. Loading a table hides random answers behind "?",
// a click on a cell reveals or hides its answer, "&Shuffle" hides more and
// "&Cheat" shows everything. Its menus also open the weather symbols chart
// and the wind-chill calculator.
class BeaufortForm : public Form
{
    Q_OBJECT

public:
    BeaufortForm();

    // Kept for the whole run: the table shown, its answers, and the table the
    // grid was last laid out for.
    int TableNo = 0;
    AnswerTexts Answers;
    int LastTable = 0;

    // Controls, rebuilt at every opening.
    Grid *Bgrid = nullptr;
    QMenu *FileMenu = nullptr;
    std::array<QAction *, 3> Fmenu{}; // "&Shuffle", "&Cheat", "&Quit"
    QAction *BeaufortMenu = nullptr;
    QMenu *TermMenu = nullptr;
    std::array<QAction *, 5> Tmenu{}; // tables 1 to 5
    QAction *SymbolMenu = nullptr;
    QAction *PressureMenu = nullptr;
    QAction *WindMenu = nullptr;

    // The inner area below the menu bar, twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    void BeaufortMenu_Click();
    void Tmenu_Click(int Index);
    void PressureMenu_Click();
    void SymbolMenu_Click();
    void WindMenu_Click();
    void Fmenu_Click(int Index);
    void Bgrid_Click();
    void Bgrid_MouseUp();

    // Shows table TableNo: lays the grid out when the table changed, writes
    // every text, then hides answers unless "&Cheat" is checked.
    void LoadData();
    // Sizes the grid to the window and lays it out for TableNo.
    void SetGrid();
    // Shows every answer.
    void FillGrid();
    // Puts "?" into one more random answer cell of every data row.
    void HideCells();

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Resize() override;
    // Minimising brings no resize; the next window still opens minimised.
    void changeEvent(QEvent *event) override;

private:
    void PlaceClient();
    void CheatChanged();

    QPointer<QMenuBar> menuBar;
    QPointer<QWidget> client;
};
