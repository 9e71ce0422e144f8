#include "platform/graphics/Twips.h"

#include "platform/values/Rounding.h"

#include <QGuiApplication>
#include <QScreen>

namespace Twips {
namespace {
int overrideX = 0;
int overrideY = 0;
int screenWidthOverride = 0;
int screenHeightOverride = 0;

int fromDpi(qreal dpi)
{
    if (dpi <= 0)
        return 15;
    return static_cast<int>(RoundHalfEven(1440.0 / dpi));
}

QScreen *screen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                          : nullptr;
}
} // namespace

int PerPixelX()
{
    if (overrideX > 0)
        return overrideX;
    QScreen *s = screen();
    return s ? fromDpi(s->logicalDotsPerInchX()) : 15;
}

int PerPixelY()
{
    if (overrideY > 0)
        return overrideY;
    QScreen *s = screen();
    return s ? fromDpi(s->logicalDotsPerInchY()) : 15;
}

void SetTwipsPerPixel(int x, int y)
{
    overrideX = x;
    overrideY = y;
}

void ResetTwipsPerPixel()
{
    overrideX = 0;
    overrideY = 0;
}

int ToPixelsX(double twips) { return static_cast<int>(RoundHalfEven(twips / PerPixelX())); }
int ToPixelsY(double twips) { return static_cast<int>(RoundHalfEven(twips / PerPixelY())); }
int FromPixelsX(int pixels) { return pixels * PerPixelX(); }
int FromPixelsY(int pixels) { return pixels * PerPixelY(); }

void SetScreenSize(int widthTwips, int heightTwips)
{
    screenWidthOverride = widthTwips;
    screenHeightOverride = heightTwips;
}

void ResetScreenSize()
{
    screenWidthOverride = 0;
    screenHeightOverride = 0;
}

int ScreenWidth()
{
    if (screenWidthOverride > 0)
        return screenWidthOverride;
    QScreen *s = screen();
    return s ? FromPixelsX(s->geometry().width()) : 0;
}

int ScreenHeight()
{
    if (screenHeightOverride > 0)
        return screenHeightOverride;
    QScreen *s = screen();
    return s ? FromPixelsY(s->geometry().height()) : 0;
}

} // namespace Twips
