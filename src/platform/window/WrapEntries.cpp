#include "platform/window/WrapEntries.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <climits>
#include <cmath>

namespace {
QStyle *StyleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

// Room between the row's edges and its text, as the style leaves it.
int TextMargin(const QStyleOptionViewItem &option)
{
    return StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

int HangingIndent(const QFont &font) { return QFontMetrics(font).horizontalAdvance(QStringLiteral("MM")); }

// Lays the text out in the width given, breaking between words (inside a
// word only when it is wider than a line); the lines after the first stand
// in by the hanging indent. Returns the room the lines take.
QSizeF LayOut(QTextLayout &layout, int width)
{
    const int indent = HangingIndent(layout.font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    qreal height = 0;
    qreal used = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        const int left = line.lineNumber() == 0 ? 0 : indent;
        line.setLineWidth(qMax(1, width - left));
        line.setPosition(QPointF(left, height));
        height += line.height();
        used = qMax(used, left + line.naturalTextWidth());
    }
    layout.endLayout();
    return QSizeF(used, height);
}

int TextWidth(const QStyleOptionViewItem &option)
{
    return option.rect.isValid() ? option.rect.width() - 2 * TextMargin(option) : INT_MAX / 2;
}

class HangingEntries : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem entry = option;
        initStyleOption(&entry, index);
        // The style's row for one line tells the room above and below the text.
        QStyleOptionViewItem oneLine = entry;
        oneLine.text = QStringLiteral("X");
        oneLine.rect = QRect();
        const int row = StyleOf(entry)->sizeFromContents(QStyle::CT_ItemViewItem, &oneLine, QSize(), entry.widget).height();
        QTextLayout x(oneLine.text, entry.font);
        const qreal line = LayOut(x, INT_MAX / 2).height();

        QTextLayout text(entry.text, entry.font);
        const QSizeF lines = LayOut(text, TextWidth(entry));
        return QSize(static_cast<int>(std::ceil(lines.width())) + 2 * TextMargin(entry),
                     row + static_cast<int>(std::ceil(lines.height() - line)));
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem entry = option;
        initStyleOption(&entry, index);
        const QString text = entry.text;
        // The style draws the row, its selection and focus; the text follows.
        entry.text.clear();
        StyleOf(entry)->drawControl(QStyle::CE_ItemViewItem, &entry, painter, entry.widget);

        QTextLayout layout(text, entry.font);
        const QSizeF lines = LayOut(layout, TextWidth(entry));
        const QPalette::ColorGroup group = !(entry.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (entry.state & QStyle::State_Active) ? QPalette::Normal
                                                                                  : QPalette::Inactive;
        const QPalette::ColorRole role =
            (entry.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setClipRect(entry.rect);
        painter->setPen(entry.palette.color(group, role));
        const QPointF origin(entry.rect.left() + TextMargin(entry),
                             entry.rect.top() + (entry.rect.height() - lines.height()) / 2);
        layout.draw(painter, origin);
        painter->restore();
    }
};
} // namespace

void WrapEntries(QListWidget &list)
{
    list.setItemDelegate(new HangingEntries(&list));
    list.setWordWrap(true);
    list.setTextElideMode(Qt::ElideNone);
    list.setUniformItemSizes(false);
    list.setResizeMode(QListView::Adjust);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
