#pragma once

#include <QChar>
#include <QString>

// An element an editor adds to a picture carries its size unit and kind in
// its tag text until the picture is saved: the size, "\", the kind ("150\17").
// Some topics put a further number after a "/" ("150\0/-1").
QString FormatElementTag(long size, long kind);

// The number before the first mark of the tag and the number after it, each
// read by Val; 0 when the tag has no such mark.
double TagNumberBefore(const QString &tag, QChar mark);
double TagNumberAfter(const QString &tag, QChar mark);

struct ElementTag {
    double size = 0;
    double kind = 0;
};
// The size before the first "\", the kind after it; a tag without "\" reads
// no size and no kind.
ElementTag ParseElementTag(const QString &tag);
