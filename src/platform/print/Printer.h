#pragma once

#include "platform/values/NumberedError.h"

#include <QFont>
#include <QPageLayout>
#include <QPointF>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QPagedPaintDevice;
class QWidget;

// What the printer raises: 380 when it refuses a property value (a font
// size, a unit or a fill style it cannot take), 482 when the printer itself
// fails.
class PrinterError : public NumberedError
{
public:
    using NumberedError::NumberedError;
};

// A printer the system knows: its names, the paper it takes with the area
// it can print on, and whether it prints in colour. A PDF writer is no
// printer of the system: its port names the file its pages go to.
struct PrinterInfo {
    QString DriverName;
    QString DeviceName;
    QString Port;
    QPageLayout Layout;
    bool Colour = true;
    bool PdfWriter = false;
};

// The system's printers in their order, and its default printer. With no
// printer installed the default one writes PDF files; its port names the
// first file, later ones are numbered beside it.
// Tests put their own printers in place.
std::vector<PrinterInfo> Printers();
PrinterInfo DefaultPrinter();
void SetPrinters(std::vector<PrinterInfo> printers, PrinterInfo defaultPrinter);
void ResetPrinters();

// One drawing on a printed page, in millimetres from the top-left corner of
// the printable area. A text stands with its top-left corner at `from`.
struct PrintItem {
    enum Kind { Text, Line, Box, FilledBox };
    Kind kind = Text;
    QPointF from;
    QPointF to;
    QString text;
    QFont font;
    long colour = 0;     // text, line and outline colour, blue-green-red
    double penWidth = 0; // millimetres
    int fillStyle = 1;   // boxes: 0 solid, 1 none, 2 to 7 hatches
    long fillColour = 0;
};

// A finished print job: the printer it was printed for and its pages.
struct PrintJob {
    PrinterInfo printer;
    std::vector<std::vector<PrintItem>> pages;
};

// Draws a job on a paged device (a printer or a PDF writer), page by page.
// False when the device cannot be opened.
bool RenderJob(const PrintJob &job, QPagedPaintDevice &device);

// The printer the program prints on. Positions and sizes are in its scale
// unit (twips or millimetres) and count from the top-left corner of the
// printable area. The first drawing opens a print job; the job's pages go to
// the printer only when the job is ended, so a discarded job leaves nothing.
class Printer
{
public:
    static constexpr int UnitTwips = 1;
    static constexpr int UnitMillimetres = 6;
    // Fill styles of boxes.
    static constexpr int FillSolid = 0;
    static constexpr int FillTransparent = 1;

    Printer();

    // Makes another printer the one in use. Its paper is what the print-setup
    // dialog last chose for it in this run, else its own.
    void Use(const PrinterInfo &printer);
    const PrinterInfo &Info() const { return info; }

    int ScaleMode() const { return scaleMode; }
    void SetScaleMode(int mode);
    // The printable area in the current unit.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // The paper's width in twips.
    int Width() const;

    double CurrentX() const;
    double CurrentY() const;
    void SetCurrentX(double x);
    void SetCurrentY(double y);

    // Measures of one line of text in the current font and unit.
    double TextWidth(const QString &text) const;
    double TextHeight(const QString &text) const;

    QString FontName() const { return font.family(); }
    void SetFontName(const QString &name);
    double FontSize() const { return font.pointSizeF(); }
    void SetFontSize(double points);
    bool FontBold() const { return font.bold(); }
    void SetFontBold(bool on) { font.setBold(on); }
    bool FontItalic() const { return font.italic(); }
    void SetFontItalic(bool on) { font.setItalic(on); }

    int FillStyle() const { return fillStyle; }
    void SetFillStyle(int style);
    long FillColor() const { return fillColour; }
    void SetFillColor(long colour) { fillColour = colour; }
    // 1 monochrome, 2 colour; a printer without colour stays monochrome.
    int ColorMode() const { return colorMode; }
    void SetColorMode(int mode);
    // Line width in dots of a 600-dot-per-inch printer.
    int DrawWidth() const { return drawWidth; }
    void SetDrawWidth(int dots);

    // The number of the page being printed, from 1.
    int Page() const { return page; }
    void NewPage();
    // Sends the job's pages to the printer; nothing happens without a job.
    // A PDF writer writes a new file (see WrittenFile). Raises 482 with the
    // reason when the pages cannot go out.
    void EndDoc();
    // The PDF file the last ended job was written to; empty when it went
    // to a printer.
    QString WrittenFile() const { return writtenFile; }
    // Discards the job.
    void KillDoc();
    bool JobOpen() const { return jobOpen; }
    // Counts the jobs opened in this run, so that page 1 of one job is told
    // from page 1 of the next.
    long JobNumber() const { return jobNumber; }

    // Each leaves the current position at the second point.
    void Line(double x1, double y1, double x2, double y2, long colour);
    // Outline in the colour, filled with the fill style in the fill colour.
    void Box(double x1, double y1, double x2, double y2, long colour);
    // Filled in the colour.
    void FilledBox(double x1, double y1, double x2, double y2, long colour);
    // Prints the text at the current position; the position moves on by the
    // text's width and stays on the same line.
    void Print(const QString &text);

    QPageLayout PageLayout() const { return info.Layout; }
    // Kept for this printer for the rest of the run.
    void SetPageLayout(const QPageLayout &layout);

    // Where an ended job goes; by default to the printer's device (a PDF
    // writer writes the file named by its port). Tests record jobs instead.
    using Output = std::function<void(const PrintJob &job)>;
    void SetOutput(Output output);

private:
    double ToMm(double value) const;
    double FromMm(double mm) const;
    std::vector<PrintItem> &CurrentPage();
    void Add(PrintItem item);
    void AddShape(PrintItem::Kind kind, double x1, double y1, double x2, double y2, long colour);

    PrinterInfo info;
    std::map<QString, QPageLayout> chosenLayouts;
    int scaleMode = UnitTwips;
    double currentX = 0; // millimetres
    double currentY = 0;
    QFont font;
    int fillStyle = FillTransparent;
    long fillColour = 0;
    int colorMode = 2;
    int drawWidth = 1;
    int page = 1;
    bool jobOpen = false;
    long jobNumber = 0;
    PrintJob job;
    QString writtenFile;
    Output output;
};

// The printer the program prints on, shared by its windows.
Printer &PrinterInUse();

// The print-setup dialog for the printer in use (paper and orientation);
// what the user chooses stays with that printer. False when cancelled.
bool ShowPrintSetup(Printer &printer, QWidget *parent);
// Tests answer the dialog: the hook may change the layout and returns
// whether it was accepted. An empty hook restores the real dialog.
using PrintSetupHook = std::function<bool(QPageLayout &layout)>;
void SetPrintSetupHook(PrintSetupHook hook);
