#pragma once

#include <QString>

// The text an element picture of the buoy editor carries: the size unit, a
// backslash, the kind, a slash and the topmark flag ("150\0/-1").
QString BuoyTag(int size, long kind, long topmark);

// The numbers read back from a tag when the picture is saved: the number
// before the first backslash, the one after it and the one after the first
// slash, each the leading decimal number of its text (0 when there is none).
struct BuoyTagValues {
    double size = 0;
    double kind = 0;
    double topmark = 0;
};
BuoyTagValues ParseBuoyTag(const QString &tag);
