#include "platform/window/WrapEntries.h"

#include <QListWidget>

void WrapEntries(QListWidget &list)
{
    list.setWordWrap(true);
    list.setTextElideMode(Qt::ElideNone);
    list.setUniformItemSizes(false);
    list.setResizeMode(QListView::Adjust);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
