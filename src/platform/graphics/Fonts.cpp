#include "platform/graphics/Fonts.h"

namespace {
// The layouts were drawn for a narrow bitmap face of 8.25 points; this face
// (from the fonts-liberation package) keeps their captions and list entries
// whole at the same sizes, where a wide face cuts them.
const QString WindowFace = QStringLiteral("Liberation Sans Narrow");

QFont SansFont(const QString &face, bool bold)
{
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}
} // namespace

QFont FormFont(bool bold) { return SansFont(WindowFace, bold); }

QFont PrintFont(bool bold)
{
    // In the narrow window face the descenders of a row one text line high
    // touch the row line under it; this face's clear it, and it is narrow
    // enough for the documents' headings to stay whole on one line.
    return SansFont(QStringLiteral("DejaVu Sans Condensed"), bold);
}

QFont MenuFont()
{
    // Menu bars keep the system's menu font, never a window's bold text.
    return FormFont(false);
}
