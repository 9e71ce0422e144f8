#pragma once

// Printed pages read back as a sailor reads them: a PDF file's pages as
// text laid out as on the page (pdftotext), as words with the boxes their
// glyphs stand in, and as grey pixels (pdftoppm).

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

inline constexpr double PointsPerMm = 72 / 25.4;
inline constexpr int Dpi = 200;
inline constexpr double PixelsPerPoint = Dpi / 72.0;

inline QByteArray Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// One page's text as laid out on the page.
inline QStringList PageTexts(const QString &pdf)
{
    QStringList pages = QString::fromUtf8(Run("pdftotext", {"-layout", pdf, "-"})).split(QChar('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

struct Word {
    QString text;
    QRectF box; // points from the paper's top-left corner
};

// The words of every page with the boxes their glyphs stand in.
inline std::vector<std::vector<Word>> PageWords(const QString &pdf)
{
    const QString html = QString::fromUtf8(Run("pdftotext", {"-bbox", pdf, "-"}));
    static const QRegularExpression page("<page [^>]*>(.*?)</page>", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<std::vector<Word>> pages;
    for (auto p = page.globalMatch(html); p.hasNext();) {
        std::vector<Word> words;
        const QString body = p.next().captured(1);
        for (auto w = word.globalMatch(body); w.hasNext();) {
            const QRegularExpressionMatch m = w.next();
            // Ligatures read as their letters.
            words.push_back({m.captured(5).normalized(QString::NormalizationForm_KC), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
        }
        pages.push_back(words);
    }
    return pages;
}

// Every page as grey pixels, in page order.
inline std::vector<QImage> PageImages(const QString &pdf, const QString &folder)
{
    const QDir pages(QDir(folder).filePath("pages"));
    pages.mkpath(".");
    Run("pdftoppm", {"-r", QString::number(Dpi), "-gray", pdf, pages.filePath("page")});
    // Page numbers are padded to one width, so names sort in page order.
    std::vector<QImage> images;
    for (const QString &name : pages.entryList({"page-*.pgm"}, QDir::Files, QDir::Name))
        images.push_back(QImage(pages.filePath(name)).convertToFormat(QImage::Format_Grayscale8));
    return images;
}

inline bool Dark(const QImage &image, int x, int y)
{
    return image.rect().contains(x, y) && image.constScanLine(y)[x] < 128;
}
