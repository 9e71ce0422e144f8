#pragma once

// Screen measures of the program are twips (1440 to the inch). This is the one
// place where twips and pixels meet.
namespace Twips {

// Twips in one pixel, read from the primary screen (15 at 96 dpi) unless a test
// has fixed them with SetTwipsPerPixel.
int PerPixelX();
int PerPixelY();
void SetTwipsPerPixel(int x, int y);
void ResetTwipsPerPixel();

// Twips to pixels: divide by the twips per pixel, round halves to even.
int ToPixelsX(double twips);
int ToPixelsY(double twips);
// Pixels to twips.
int FromPixelsX(int pixels);
int FromPixelsY(int pixels);

// Screen size in twips (Screen.Width and Screen.Height), from the primary
// screen unless a test has fixed it with SetScreenSize.
int ScreenWidth();
int ScreenHeight();
void SetScreenSize(int widthTwips, int heightTwips);
void ResetScreenSize();

} // namespace Twips
