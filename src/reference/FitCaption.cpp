#include "reference/FitCaption.h"

#include <QFontMetrics>
#include <QLabel>

void FitCaption(QLabel &label)
{
    QFont font = label.font();
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
        font.setStretch(stretch);
        const QRect need =
            QFontMetrics(font).boundingRect(label.contentsRect(), int(label.alignment()), label.text());
        if (need.width() <= label.contentsRect().width())
            break;
    }
    label.setFont(font);
}
