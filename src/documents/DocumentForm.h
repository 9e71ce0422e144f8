#pragma once

#include "documents/Document.h"
#include "platform/window/ControlArray.h"
#include "platform/window/Form.h"
#include "platform/window/Grid.h"

#include <QPointer>

#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The navigation documents window: one of the passage planning sheet, the
// passage log and the navigation sheet as grids the user fills in a cell at
// a time through an input box, and prints. Nothing is kept: choosing a
// document, or closing the window, starts it blank again.
class DocumentForm : public Form
{
    Q_OBJECT

public:
    DocumentForm();

    // Kept for the whole run: the document last laid out, its cells.
    Document Doc;

    // Controls, rebuilt at every opening. Grid 0 is designed; a document
    // loads its further grids. Each shows the model of its index.
    ControlArray<Grid> Dgrid;
    QMenu *FileMenu = nullptr;
    std::array<QAction *, 2> Fmenu{}; // "&Print", "&Quit"
    QMenu *DocumentMenu = nullptr;
    std::array<QAction *, 3> Dmenu{}; // the three documents

    // Removes the previous document's grids and lays out the document Sflag,
    // fits the window's height to it and centres the window.
    void BuildScreen(long Sflag);
    // Offers the current cell of grid Gindex for a new value.
    void EditGrid(long Gindex);
    // Opens the print dialog on the document shown.
    void PrintMe();

    void Dmenu_Click(int Index);
    void Fmenu_Click(int Index);
    void Dgrid_Click(int Index);

    // The window's inner width and outer height, twips.
    int ScaleWidth() const;
    int OuterHeight() const;
    void SetOuterHeight(int height);

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    void LayOutGrid(int index, long Sflag);
    void ConnectGrid(int index);

    QPointer<QMenuBar> menuBar;
    QPointer<QWidget> client;
};
