#include "quiz/ListBox.h"

#include "platform/window/WrapEntries.h"

#include <QKeyEvent>
#include <QMouseEvent>

QString PlainTip(const QString &text)
{
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped());
}

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    QPalette face = palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    setPalette(face);
    WrapEntries(*this);
}

void ListBox::AddItem(const QString &text, long itemData)
{
    auto *entry = new QListWidgetItem(text, this);
    // An entry taller than the list still shows whole under the pointer.
    entry->setToolTip(PlainTip(text));
    entry->setData(Qt::UserRole, static_cast<qlonglong>(itemData));
}

long ListBox::ItemData(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry ? static_cast<long>(entry->data(Qt::UserRole).toLongLong()) : 0;
}

QList<int> ListBox::SelectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            rows << row;
    return rows;
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem() && currentItem()->isSelected())
        emit KeyMoved();
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    emit MouseUp();
}
