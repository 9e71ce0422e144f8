#include "platform/Fonts.h"

QFont FormFont(bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QFont MenuFont()
{
    // Menu bars keep the system's menu font, never a window's bold text, and
    // the narrow cut lets a window's menus fit its designed width.
    QFont font = FormFont(false);
    font.setStretch(QFont::SemiCondensed);
    return font;
}
