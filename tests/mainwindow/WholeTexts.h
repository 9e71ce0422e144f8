#pragma once

// Finds the texts of a window that its controls cannot show whole, measured
// with the font metrics of each control's own font and the style's own
// content rectangles.

#include "platform/graphics/Twips.h"
#include "platform/window/Grid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

// A caption as drawn: "&&" shows one "&", a single "&" underlines the next letter.
inline QString DrawnText(const QString &caption)
{
    QString drawn;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                drawn += caption[++i];
            continue;
        }
        drawn += caption[i];
    }
    return drawn;
}

inline QString Describe(const QWidget &control, const QString &text, const QSize &need, const QSize &room)
{
    return QStringLiteral("%1 \"%2\" in %7 needs %3x%4, has %5x%6")
        .arg(control.metaObject()->className(), text)
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height())
        .arg(QFontInfo(control.font()).family());
}

inline bool Fits(const QSize &need, const QRect &room)
{
    return need.width() <= room.width() && need.height() <= room.height();
}

inline QString CutLabel(const QLabel &label)
{
    const QString text = label.text();
    if (text.isEmpty())
        return QString();
    const QFontMetrics fm(label.font());
    QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    const int indent = label.indent() >= 0 ? label.indent()
                       : label.frameWidth() > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2
                                                : 0;
    const Qt::Alignment align = label.alignment();
    if (align & Qt::AlignLeft)
        room.setLeft(room.left() + indent);
    if (align & Qt::AlignRight)
        room.setRight(room.right() - indent);
    QSize need;
    if (label.textFormat() == Qt::RichText ||
        (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setDefaultFont(label.font());
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        if (label.wordWrap())
            doc.setTextWidth(room.width());
        need = QSize(qCeil(doc.idealWidth()), qCeil(doc.size().height()));
    } else {
        const int flags = int(align) | (label.wordWrap() ? Qt::TextWordWrap : 0);
        need = fm.boundingRect(room, flags, text).size();
    }
    return Fits(need, room) ? QString() : Describe(label, text, need, room.size());
}

inline QString CutButton(const QAbstractButton &button)
{
    const QString text = DrawnText(button.text());
    if (text.isEmpty())
        return QString();
    QStyleOptionButton opt;
    opt.initFrom(&button);
    opt.text = button.text();
    opt.icon = button.icon();
    opt.iconSize = button.iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(&button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(&button))
        contents = QStyle::SE_RadioButtonContents;
    else if (const auto *push = qobject_cast<const QPushButton *>(&button); push && push->isDefault())
        opt.features |= QStyleOptionButton::DefaultButton;
    const QRect room = button.style()->subElementRect(contents, &opt, &button);
    const QFontMetrics fm(button.font());
    const QSize need(fm.horizontalAdvance(text), fm.height());
    return Fits(need, room) ? QString() : Describe(button, text, need, room.size());
}

inline QString CutGroupTitle(const QGroupBox &box)
{
    const QString text = DrawnText(box.title());
    if (text.isEmpty())
        return QString();
    const QFontMetrics fm(box.font());
    // The title stands on the frame, a little in from either end.
    const QSize need(fm.horizontalAdvance(text) + fm.horizontalAdvance(QLatin1Char('x')) * 2, fm.height());
    return Fits(need, box.rect()) ? QString() : Describe(box, text, need, box.size());
}

// Every entry must fit its row, and its row the list's width: a list may
// scroll up and down, never sideways.
inline QStringList CutEntries(const QListWidget &list)
{
    QStringList cut;
    const QRect viewport = list.viewport()->rect();
    for (int row = 0; row < list.count(); ++row) {
        const QModelIndex index = list.model()->index(row, 0);
        QStyleOptionViewItem opt;
        opt.initFrom(list.viewport());
        opt.font = list.font();
        opt.rect = list.visualRect(index);
        opt.features = QStyleOptionViewItem::HasDisplay;
        if (list.wordWrap())
            opt.features |= QStyleOptionViewItem::WrapText;
        opt.textElideMode = list.textElideMode();
        const QSize need = list.itemDelegateForIndex(index)->sizeHint(opt, index);
        const bool inside = opt.rect.left() >= viewport.left() && opt.rect.right() <= viewport.right();
        if (!inside || !Fits(need, opt.rect))
            cut << Describe(list, list.item(row)->text(), need, inside ? opt.rect.size() : viewport.size());
    }
    return cut;
}

// The rows (columns) of a grid from the top (left) of its viewport: the
// heading ones, then the scrolled ones from the first on show.
inline std::vector<int> ShownInOrder(int count, int fixed, int first)
{
    std::vector<int> shown;
    for (int i = 0; i < count; ++i)
        if (i < fixed || i >= first)
            shown.push_back(i);
    return shown;
}

// Every cell text, placed in its cell's text area (2 pixels in from either
// side) as its alignment puts it, must lie in the part the grid shows: a
// right-aligned or centred text in a column under the upright scroll bar is
// cut. Rows below the foot scroll into view.
inline QStringList CutCells(const Grid &grid)
{
    QStringList cut;
    const QRect view = grid.viewport()->rect();
    const int topRow = grid.FixedRows() + grid.verticalScrollBar()->value();
    int y = 0;
    for (const int r : ShownInOrder(grid.Rows(), grid.FixedRows(), topRow)) {
        const int height = Twips::ToPixelsY(grid.RowHeight(r));
        if (y + height > view.height())
            break;
        int x = 0;
        for (const int c : ShownInOrder(grid.Cols(), grid.FixedCols(), grid.LeftCol())) {
            const int width = Twips::ToPixelsX(grid.ColWidth(c));
            const QString text = grid.TextMatrix(r, c);
            const QRect area = QRect(x, y, width, height).adjusted(2, 0, -3, -1);
            x += width;
            if (text.isEmpty())
                continue;
            const QModelIndex cell = grid.Model().index(r, c);
            const QFontMetrics fm(cell.data(Qt::FontRole).value<QFont>());
            const int flags = cell.data(Qt::TextAlignmentRole).toInt() | (grid.WordWrap() ? Qt::TextWordWrap : 0);
            const QRect drawn = fm.boundingRect(area, flags, text);
            const QRect room = area.intersected(view);
            if (!room.contains(drawn))
                cut << Describe(grid, text, drawn.size(), room.size());
        }
        y += height;
    }
    return cut;
}

// A menu bar holds its menus on one row; a separator is a line without text.
inline QStringList CutMenus(const QMenuBar &bar)
{
    QStringList cut;
    const auto actions = bar.actions();
    for (QAction *action : actions) {
        if (!action->isVisible())
            continue;
        const QRect place = bar.actionGeometry(action);
        if (place.right() >= bar.width() || place.bottom() >= bar.height())
            cut << QStringLiteral("menu \"%1\" outside its bar").arg(DrawnText(action->text()));
        if (QMenu *menu = action->menu())
            for (QAction *item : menu->actions())
                if (item->isSeparator() && !item->text().isEmpty())
                    cut << QStringLiteral("separator of \"%1\" drawn with \"%2\"")
                               .arg(DrawnText(action->text()), item->text());
    }
    return cut;
}

// Every text of the window's shown controls that is not shown whole.
inline QStringList CutTexts(const QWidget &window)
{
    QStringList cut;
    const auto controls = window.findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        if (!control->isVisibleTo(&window))
            continue;
        QString one;
        if (const auto *label = qobject_cast<const QLabel *>(control))
            one = CutLabel(*label);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            one = CutButton(*button);
        else if (const auto *box = qobject_cast<const QGroupBox *>(control))
            one = CutGroupTitle(*box);
        else if (const auto *list = qobject_cast<const QListWidget *>(control))
            cut << CutEntries(*list);
        else if (const auto *bar = qobject_cast<const QMenuBar *>(control))
            cut << CutMenus(*bar);
        else if (const auto *grid = qobject_cast<const Grid *>(control))
            cut << CutCells(*grid);
        if (!one.isEmpty())
            cut << one;
    }
    return cut;
}
