#include "reference/FitCaption.h"

#include <QFontMetrics>
#include <QLabel>

void FitCaption(QLabel &label)
{
    QFont font = label.font();
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label.text()) <= label.width())
            break;
    }
    label.setFont(font);
}
