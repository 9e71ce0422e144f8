#include "platform/graphics/AreaFill.h"

#include <algorithm>

std::vector<PixelRun> AreaAround(const QImage &image, QPoint seed, QRgb border, SeenPixels &seen, const QRect &limit)
{
    const int w = image.width();
    const uchar *bits = image.constBits();
    const qsizetype stride = image.bytesPerLine();
    auto row = [&](int y) { return reinterpret_cast<const QRgb *>(bits + y * stride); };
    auto marks = [&](int y) { return seen.data() + static_cast<size_t>(y) * w; };
    auto inside = [&](const QRgb *line, int x) { return (line[x] & 0xFFFFFF) != border; };
    auto open = [&](const QRgb *line, const std::uint8_t *marked, int x) { return !marked[x] && inside(line, x); };
    // Whether the row beside a run, outside the limit, has a pixel of the area.
    auto beyond = [&](int y, int left, int right) {
        if (y < 0 || y >= image.height())
            return false;
        const QRgb *line = row(y);
        for (int x = left; x <= right; ++x) {
            if (inside(line, x))
                return true;
        }
        return false;
    };

    // Each run found is marked whole, and the neighbouring rows give a seed
    // for every run of open pixels beside it.
    std::vector<PixelRun> area;
    bool runOut = false;
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        const QRgb *line = row(p.y());
        std::uint8_t *marked = marks(p.y());
        if (!open(line, marked, p.x()))
            continue;
        int left = p.x();
        int right = p.x();
        while (left > limit.left() && open(line, marked, left - 1))
            --left;
        while (right < limit.right() && open(line, marked, right + 1))
            ++right;
        std::fill(marked + left, marked + right + 1, 1);
        area.push_back({p.y(), left, right});
        runOut = runOut || (left == limit.left() && left > 0 && inside(line, left - 1)) ||
                 (right == limit.right() && right + 1 < w && inside(line, right + 1));
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < limit.top() || y > limit.bottom()) {
                runOut = runOut || beyond(y, left, right);
                continue;
            }
            const QRgb *next = row(y);
            const std::uint8_t *nextMarked = marks(y);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = open(next, nextMarked, x);
                if (isOpen && !inRun)
                    pending.emplace_back(x, y);
                inRun = isOpen;
            }
        }
    }
    // The whole of it within the limit stays marked, so a later seed in it
    // is not tried again.
    if (runOut)
        area.clear();
    return area;
}

void PaintArea(QImage &image, const std::vector<PixelRun> &area, QRgb colour)
{
    for (const PixelRun &run : area) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(run.y));
        std::fill(line + run.left, line + run.right + 1, colour);
    }
}
