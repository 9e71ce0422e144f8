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
        QTest::keyClicks(copy.CopyText, copies);
    }

    std::vector<MsgBoxCall> boxes;
    QTemporaryDir folder;
};
