#include "platform/print/Printer.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Fonts.h"
#include "platform/values/Rounding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <optional>

namespace {
constexpr double TwipsPerMm = 1440.0 / 25.4;
// Text is measured as a 1200-dot-per-inch device lays it out, the
// resolution the PDF writer and high-resolution printers draw at.
constexpr int MeasureDpi = 1200;
constexpr double DotsPerMm = MeasureDpi / 25.4;
// A quarter of an inch all round that a printer cannot reach.
constexpr double PdfMargin = 6.35;

struct PrinterList {
    std::vector<PrinterInfo> printers;
    PrinterInfo defaultPrinter;
};

std::optional<PrinterList> &testPrinters()
{
    static std::optional<PrinterList> list;
    return list;
}

PrintSetupHook &setupHook()
{
    static PrintSetupHook hook;
    return hook;
}

PrinterInfo FromSystem(const QPrinterInfo &system)
{
    QPrinter printer(system, QPrinter::HighResolution);
    PrinterInfo info;
    info.DriverName = system.makeAndModel();
    info.DeviceName = system.printerName();
    info.Port = system.location();
    info.Layout = printer.pageLayout();
    info.Colour = system.supportedColorModes().contains(QPrinter::Color);
    return info;
}

PrinterInfo DefaultPdfWriter()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    PrinterInfo info;
    info.DriverName = QStringLiteral("PDF");
    info.DeviceName = QStringLiteral("PDF file");
    info.Port = QDir(folder).filePath(QStringLiteral("Norvanta.pdf"));
    info.Layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                              QMarginsF(PdfMargin, PdfMargin, PdfMargin, PdfMargin), QPageLayout::Millimeter);
    info.PdfWriter = true;
    return info;
}

const QPaintDevice &MeasureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(MeasureDpi / 0.0254));
        image.setDotsPerMeterY(qRound(MeasureDpi / 0.0254));
        return image;
    }();
    return device;
}

Qt::BrushStyle BrushFor(int fillStyle)
{
    switch (fillStyle) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern;
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

// The device's measures: millimetres to its dots.
struct DeviceScale {
    double x;
    double y;
    QPointF operator()(QPointF mm) const { return QPointF(mm.x() * x, mm.y() * y); }
};

void DrawItem(QPainter &painter, const PrintItem &item, const DeviceScale &scale)
{
    QPen pen(BgrToQColor(item.colour));
    pen.setWidthF(item.penWidth * scale.x);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (item.kind) {
    case PrintItem::Text: {
        painter.setFont(item.font);
        painter.setPen(pen);
        const QFontMetricsF metrics(item.font, painter.device());
        painter.drawText(scale(item.from) + QPointF(0, metrics.ascent()), item.text);
        break;
    }
    case PrintItem::Line:
        painter.setPen(pen);
        painter.drawLine(scale(item.from), scale(item.to));
        break;
    case PrintItem::Box:
    case PrintItem::FilledBox: {
        const QRectF box = QRectF(scale(item.from), scale(item.to)).normalized();
        if (item.kind == PrintItem::FilledBox) {
            painter.fillRect(box, BgrToQColor(item.colour));
            break;
        }
        QBrush brush(BgrToQColor(item.fillColour), BrushFor(item.fillStyle));
        // Hatches as far apart as on the screen, not a dot of the device.
        brush.setTransform(QTransform::fromScale(scale.x * 25.4 / 96, scale.y * 25.4 / 96));
        painter.setBrush(brush);
        painter.setPen(pen);
        painter.drawRect(box);
        break;
    }
    }
}

[[noreturn]] void Fail(const QString &reason) { throw PrinterError(482, reason.toUtf8().constData()); }

// The PDF file for a job: the port's name while it is free, else the first
// free one of name-2, name-3, ... An earlier file is never written over.
QFile &OpenNewPdf(QFile &file, const QString &port)
{
    const QFileInfo info(port);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (long n = 1;; ++n) {
        const QString name = n == 1 ? port : info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + QString::number(n) + suffix);
        file.setFileName(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file;
        // Any entry of that name is taken, a link that points nowhere too.
        const QFileInfo taken(name);
        if (!taken.exists() && !taken.isSymLink())
            Fail(QStringLiteral("%1 cannot be written: %2").arg(QDir::toNativeSeparators(name), file.errorString()));
    }
}

QString WritePdf(const PrintJob &job)
{
    QFile file;
    OpenNewPdf(file, job.printer.Port);
    QPdfWriter writer(&file);
    writer.setTitle(QStringLiteral("Norvanta"));
    writer.setResolution(MeasureDpi);
    const bool rendered = RenderJob(job, writer);
    file.close();
    if (!rendered || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.remove();
        Fail(QStringLiteral("%1 cannot be written: %2").arg(QDir::toNativeSeparators(file.fileName()), reason));
    }
    return file.fileName();
}

// Sends a job to its printer, or from a PDF writer to a new PDF file whose
// name it returns. A printer the system no longer knows is a failure, never
// a file.
QString SendToDevice(const PrintJob &job)
{
    if (job.printer.PdfWriter)
        return WritePdf(job);
    const QPrinterInfo system = QPrinterInfo::printerInfo(job.printer.DeviceName);
    if (system.isNull())
        Fail(QStringLiteral("The printer %1 cannot be reached").arg(job.printer.DeviceName));
    QPrinter printer(system, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Norvanta"));
    if (!RenderJob(job, printer))
        Fail(QStringLiteral("The printer %1 cannot take the job").arg(job.printer.DeviceName));
    return {};
}
} // namespace

std::vector<PrinterInfo> Printers()
{
    if (testPrinters())
        return testPrinters()->printers;
    std::vector<PrinterInfo> printers;
    for (const QPrinterInfo &system : QPrinterInfo::availablePrinters())
        printers.push_back(FromSystem(system));
    return printers;
}

PrinterInfo DefaultPrinter()
{
    if (testPrinters())
        return testPrinters()->defaultPrinter;
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    return system.isNull() ? DefaultPdfWriter() : FromSystem(system);
}

void SetPrinters(std::vector<PrinterInfo> printers, PrinterInfo defaultPrinter)
{
    testPrinters() = PrinterList{std::move(printers), std::move(defaultPrinter)};
}

void ResetPrinters() { testPrinters().reset(); }

bool RenderJob(const PrintJob &job, QPagedPaintDevice &device)
{
    device.setPageLayout(job.printer.Layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const DeviceScale scale{device.logicalDpiX() / 25.4, device.logicalDpiY() / 25.4};
    for (size_t p = 0; p < job.pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        for (const PrintItem &item : job.pages[p])
            DrawItem(painter, item, scale);
    }
    return painter.end();
}

// --- The printer ----------------------------------------------------------

Printer::Printer() : info(DefaultPrinter()), font(PrintFont(false))
{
    font.setPointSizeF(10);
    colorMode = info.Colour ? 2 : 1;
}

void Printer::Use(const PrinterInfo &printer)
{
    info = printer;
    const auto chosen = chosenLayouts.find(info.DeviceName);
    if (chosen != chosenLayouts.end())
        info.Layout = chosen->second;
    colorMode = info.Colour ? 2 : 1;
}

void Printer::SetPageLayout(const QPageLayout &layout)
{
    info.Layout = layout;
    chosenLayouts[info.DeviceName] = layout;
}

void Printer::SetScaleMode(int mode)
{
    if (mode != UnitTwips && mode != UnitMillimetres)
        throw PrinterError(380, "Invalid property value");
    scaleMode = mode;
}

double Printer::ToMm(double value) const { return scaleMode == UnitTwips ? value / TwipsPerMm : value; }
double Printer::FromMm(double mm) const { return scaleMode == UnitTwips ? mm * TwipsPerMm : mm; }

double Printer::ScaleWidth() const { return FromMm(info.Layout.paintRect(QPageLayout::Millimeter).width()); }
double Printer::ScaleHeight() const { return FromMm(info.Layout.paintRect(QPageLayout::Millimeter).height()); }

int Printer::Width() const { return static_cast<int>(RoundHalfEven(info.Layout.fullRect(QPageLayout::Millimeter).width() * TwipsPerMm)); }

double Printer::CurrentX() const { return FromMm(currentX); }
double Printer::CurrentY() const { return FromMm(currentY); }
void Printer::SetCurrentX(double x) { currentX = ToMm(x); }
void Printer::SetCurrentY(double y) { currentY = ToMm(y); }

double Printer::TextWidth(const QString &text) const
{
    return FromMm(QFontMetricsF(font, &MeasureDevice()).horizontalAdvance(text) / DotsPerMm);
}

double Printer::TextHeight(const QString &) const
{
    return FromMm(QFontMetricsF(font, &MeasureDevice()).height() / DotsPerMm);
}

void Printer::SetFontName(const QString &name)
{
    if (name.isEmpty())
        throw PrinterError(380, "Invalid property value");
    font.setFamily(name);
}

void Printer::SetFontSize(double points)
{
    if (!(points > 0) || points > 2160)
        throw PrinterError(380, "Invalid property value");
    font.setPointSizeF(points);
}

void Printer::SetFillStyle(int style)
{
    if (style < 0 || style > 7)
        throw PrinterError(380, "Invalid property value");
    fillStyle = style;
}

void Printer::SetColorMode(int mode)
{
    if (mode != 1 && mode != 2)
        throw PrinterError(380, "Invalid property value");
    colorMode = info.Colour ? mode : 1;
}

void Printer::SetDrawWidth(int dots)
{
    if (dots < 1 || dots > 32767)
        throw PrinterError(380, "Invalid property value");
    drawWidth = dots;
}

std::vector<PrintItem> &Printer::CurrentPage()
{
    if (!jobOpen) {
        jobOpen = true;
        ++jobNumber;
        job = PrintJob{info, {{}}};
    }
    return job.pages.back();
}

void Printer::Add(PrintItem item) { CurrentPage().push_back(std::move(item)); }

void Printer::NewPage()
{
    CurrentPage();
    job.pages.emplace_back();
    ++page;
    currentX = 0;
    currentY = 0;
}

void Printer::EndDoc()
{
    writtenFile.clear();
    if (!jobOpen)
        return;
    PrintJob done = std::move(job);
    KillDoc();
    if (output)
        output(done);
    else
        writtenFile = SendToDevice(done);
}

void Printer::KillDoc()
{
    jobOpen = false;
    job = PrintJob{};
    page = 1;
    currentX = 0;
    currentY = 0;
}

void Printer::AddShape(PrintItem::Kind kind, double x1, double y1, double x2, double y2, long colour)
{
    PrintItem item;
    item.kind = kind;
    item.from = QPointF(ToMm(x1), ToMm(y1));
    item.to = QPointF(ToMm(x2), ToMm(y2));
    item.colour = colour;
    item.penWidth = drawWidth * 25.4 / 600;
    item.fillStyle = fillStyle;
    item.fillColour = fillColour;
    Add(item);
    currentX = item.to.x();
    currentY = item.to.y();
}

void Printer::Line(double x1, double y1, double x2, double y2, long colour)
{
    AddShape(PrintItem::Line, x1, y1, x2, y2, colour);
}

void Printer::Box(double x1, double y1, double x2, double y2, long colour)
{
    AddShape(PrintItem::Box, x1, y1, x2, y2, colour);
}

void Printer::FilledBox(double x1, double y1, double x2, double y2, long colour)
{
    AddShape(PrintItem::FilledBox, x1, y1, x2, y2, colour);
}

void Printer::Print(const QString &text)
{
    if (text.isEmpty())
        return;
    PrintItem item;
    item.kind = PrintItem::Text;
    item.from = QPointF(currentX, currentY);
    item.text = text;
    item.font = font;
    Add(item);
    currentX += ToMm(TextWidth(text));
}

void Printer::SetOutput(Output out) { output = std::move(out); }

Printer &PrinterInUse()
{
    static Printer printer;
    return printer;
}

// --- Print setup ----------------------------------------------------------

void SetPrintSetupHook(PrintSetupHook hook) { setupHook() = std::move(hook); }

bool ShowPrintSetup(Printer &printer, QWidget *parent)
{
    QPageLayout layout = printer.PageLayout();
    bool accepted = false;
    if (setupHook()) {
        accepted = setupHook()(layout);
    } else {
        const QPrinterInfo system = QPrinterInfo::printerInfo(printer.Info().DeviceName);
        std::optional<QPrinter> device;
        if (system.isNull()) {
            device.emplace(QPrinter::HighResolution);
            device->setOutputFormat(QPrinter::PdfFormat);
        } else {
            device.emplace(system, QPrinter::HighResolution);
        }
        device->setPageLayout(layout);
        QPageSetupDialog dialog(&*device, parent);
        accepted = dialog.exec() == QDialog::Accepted;
        layout = device->pageLayout();
    }
    if (accepted)
        printer.SetPageLayout(layout);
    return accepted;
}
