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

// The colours the drawings and windows name.
namespace Colours {
constexpr long Black = 0;
constexpr long Red = 255;
constexpr long Green = 65280;
constexpr long Yellow = 65535;
constexpr long Blue = 16711680;
constexpr long White = 16777215;
constexpr long Grey = 8421504;
constexpr long LightGrey = 12632256;
} // namespace Colours
