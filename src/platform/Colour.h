#pragma once

#include <QColor>
#include <QRgb>

// The program keeps colours as 24-bit blue-green-red integers (red 255,
// blue 16711680). These are the only conversions to and from Qt's colours.
inline QRgb BgrToRgb(long bgr)
{
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline long RgbToBgr(QRgb rgb)
{
    return static_cast<long>(qRed(rgb)) | (static_cast<long>(qGreen(rgb)) << 8)
           | (static_cast<long>(qBlue(rgb)) << 16);
}

inline QColor BgrToQColor(long bgr) { return QColor(BgrToRgb(bgr)); }
inline long QColorToBgr(const QColor &colour) { return RgbToBgr(colour.rgb()); }
