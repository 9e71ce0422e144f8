#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

// A row's pixels from left to right, both ends included.
struct PixelRun {
    int y;
    int left;
    int right;
};

// Marks of the pixels a fill has looked at, one byte a pixel, row after row:
// apart from the colours, because the fill colour may equal the border's or
// what is already there.
using SeenPixels = std::vector<std::uint8_t>;

// The 4-connected area of pixels not of the border colour (RGB, no alpha)
// around seed, a pixel of limit (which lies on the image), as runs of a
// row, every pixel of it marked in seen. Only the four direct neighbours
// count, so an area cannot slip between two border pixels that touch at a
// corner (a one-pixel slanted line). Empty when the seed is of the border
// colour or already marked, and when the area runs out of limit; then what
// of it lies within limit is marked all the same.
std::vector<PixelRun> AreaAround(const QImage &image, QPoint seed, QRgb border, SeenPixels &seen,
                                 const QRect &limit);

// Paints every run in colour.
void PaintArea(QImage &image, const std::vector<PixelRun> &area, QRgb colour);
