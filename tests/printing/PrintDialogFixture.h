#pragma once

// The print dialog over the documents window, printing on the printers a
// test names and driven as a person drives it: the documents window's
// "&Print", then clicks and keys on the dialog's controls. Message boxes are
// answered "OK" and kept for the test to read; PDF files go to a folder of
// the fixture's own.

#include "ProgramState.h"

#include "core/state/Global.h"
#include "documents/DocumentForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/print/Printer.h"
#include "platform/window/Form.h"
#include "printing/CopyForm.h"
#include "printing/FormatDate.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

// Paper with the quarter inch all round that the PDF writer leaves.
inline QPageLayout PdfPaper(QPageSize::PageSizeId size, QPageLayout::Orientation orientation)
{
    constexpr double Margin = 6.35;
    return QPageLayout(QPageSize(size), orientation, QMarginsF(Margin, Margin, Margin, Margin),
                       QPageLayout::Millimeter);
}

// A PDF writer: its pages go to the file.
inline PrinterInfo PdfPrinter(const QString &name, const QString &file, const QPageLayout &paper)
{
    return PrinterInfo{QStringLiteral("PDF"), name, file, paper, true, true};
}

// The documents of the documents window's menu, in its order.
inline const char *const Documents[] = {"planning", "log", "sheet"};

// The papers the printed pages are read on.
struct Paper {
    const char *name;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
    QPageLayout Layout() const { return PdfPaper(size, orientation); }
};
inline const Paper Papers[] = {{"a4", QPageSize::A4, QPageLayout::Portrait},
                               {"a4-on-its-side", QPageSize::A4, QPageLayout::Landscape},
                               {"a5", QPageSize::A5, QPageLayout::Portrait},
                               {"a5-on-its-side", QPageSize::A5, QPageLayout::Landscape}};

// Wider than the paper once measured (the first grid's columns and 128.4
// twips each, times 1.15), so "&Truncate" is offered: the planning sheet
// (11959 twips) on upright A4 (11906) and on A5 either way (8391 and
// 11906), every document on upright A5.
inline const bool TooWide[3][4] = {{true, false, true, true}, {false, false, true, false}, {false, false, true, false}};

class PrintDialogFixture
{
public:
    PrintDialogFixture()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(19200, 14400);
        SetDateSource([] { return QDate(2003, 6, 15); });
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            boxes.push_back(call);
            return MsgBoxAnswer::Ok;
        });
        FormInstance<DocumentForm>().Load();
    }
    ~PrintDialogFixture()
    {
        ResetProgramState();
        PrinterInUse().KillDoc();
    }
    PrintDialogFixture(const PrintDialogFixture &) = delete;
    PrintDialogFixture &operator=(const PrintDialogFixture &) = delete;

    DocumentForm &Document() { return FormInstance<DocumentForm>(); }

    // Chooses "&Print" in the documents window and runs the steps inside the
    // dialog's modal wait; the dialog is hidden afterwards if they left it
    // open. True when the dialog had closed itself.
    bool Print(const std::function<void(CopyForm &)> &steps)
    {
        CopyForm &copy = FormInstance<CopyForm>();
        bool closedItself = false;
        QTimer::singleShot(0, &copy, [&copy, &closedItself, steps] {
            steps(copy);
            closedItself = !copy.isVisible();
            if (copy.isVisible())
                copy.hide();
        });
        Document().Fmenu[0]->trigger();
        return closedItself;
    }

    // The PDF file the paper printers write.
    QString Pdf() const { return folder.filePath(QStringLiteral("Norvanta.pdf")); }

    // A PDF writer for every paper, in the dialog's list from entry 1 in
    // the order of Papers; the first is the default printer. Their names
    // are new to every fixture, so no paper chosen earlier stays with them.
    void UsePaperPrinters()
    {
        static int run = 0;
        ++run;
        std::vector<PrinterInfo> printers;
        for (const Paper &paper : Papers)
            printers.push_back(PdfPrinter(QStringLiteral("%1 %2").arg(paper.name).arg(run), Pdf(), paper.Layout()));
        SetPrinters(printers, printers.front());
    }

    // Prints the document shown on the paper's printer, so many copies,
    // scaled or cut off at the page edge. True when "&Truncate" was there to
    // click where asked for and the dialog closed itself.
    bool PrintOn(int paper, bool cut, int copies = 1)
    {
        bool offered = true;
        const bool closed = Print([&](CopyForm &copy) {
            ChoosePrinter(copy, paper + 1);
            TypeCopies(copy, QString::number(copies));
            offered = copy.Coption[0]->isEnabled();
            if (cut)
                Click(copy.Coption[0]);
            Click(copy.Action[0]);
        });
        return (!cut || offered) && closed;
    }

    static void Click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    static void ChoosePrinter(CopyForm &copy, int entry)
    {
        QListWidget *list = copy.Plist;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(entry)).center());
    }

    static void TypeCopies(CopyForm &copy, const QString &copies)
    {
        copy.CopyText->setFocus(Qt::TabFocusReason);
        QTest::keyClick(copy.CopyText, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(copy.CopyText, Qt::Key_Backspace);
        QTest::keyClicks(copy.CopyText, copies);
    }

    std::vector<MsgBoxCall> boxes;
    QTemporaryDir folder;
};
