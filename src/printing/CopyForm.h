#pragma once

#include "platform/window/Form.h"
#include "printing/PrintEngine.h"

#include <array>
#include <vector>

class GridModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The print dialog of the navigation documents: the printer, the number of
// copies and, for a document wider than the paper, cutting it off at the
// page edge or scaling it to the page. It prints the grids its opener hands
// it, in order. Once made it is only hidden and shown again, so its choices
// stay from one printing to the next.
class CopyForm : public Form
{
    Q_OBJECT

public:
    CopyForm();

    // Kept for the whole run: the document to print (2 passage planning,
    // 3 passage log, 4 navigation sheet) and the grid print engine with its
    // stop flag and the document's print width.
    long PrintMode = 0;
    PrintEngine Engine;

    // Controls, kept while the dialog is hidden.
    QListWidget *Plist = nullptr;
    QGroupBox *Cframe = nullptr;
    QLabel *CopyLabel = nullptr;
    QLineEdit *CopyText = nullptr;
    std::array<QRadioButton *, 2> Coption{}; // "&Truncate", "&Scale"
    std::array<QPushButton *, 3> Action{};   // "&Print", "&Cancel", "&Setup"

    // Shows the dialog modally for a document's grids, which must outlive
    // the call; returns once it is hidden.
    void ShowCopy(long ModeFlag, std::vector<GridModel *> grids);

    // Fills the printer list: the system's default printer, then every printer.
    void BuildList();
    // Measures the document's first grid for the printer chosen; enables
    // "&Truncate" and "&Scale" when it is wider than the paper.
    float CheckTruncate();
    void PrinterSetup();
    void PrintThis();

    void Plist_Click(int Index);
    void Action_Click(int Index);
    void CopyText_GotFocus();

    // The title printed over a document, with today's date.
    static QString ReportTitle(long Mode);

protected:
    void CreateControls() override;
    void Form_Load() override;
    // On every showing: "&Print" enabled and the document measured.
    void Form_Activate() override;
    // Closing the dialog is cancelling it: it is hidden, never unloaded.
    bool Form_QueryUnload() override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<GridModel *> documentGrids;
    // The printer of the list's selected entry becomes the printer in use;
    // an entry whose printer is gone leaves it as it is.
    void UseSelectedPrinter();
};
