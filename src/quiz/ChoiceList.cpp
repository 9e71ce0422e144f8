#include "quiz/ChoiceList.h"

#include <QKeyEvent>

ChoiceList::ChoiceList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // List boxes show the button-face colour behind their entries.
    QPalette face = palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    setPalette(face);
    connect(this, &QListWidget::itemClicked, this, [this] { emit Click(); });
}

void ChoiceList::SetChoices(const QList<QPair<QString, int>> &entries)
{
    clear();
    for (int row = 0; row < entries.size(); ++row) {
        auto *item = new QListWidgetItem(entries[row].first, this);
        item->setData(Qt::UserRole, entries[row].second);
        item->setToolTip(QStringLiteral("(%1) %2").arg(row + 1).arg(entries[row].first));
    }
}

int ChoiceList::ItemValue(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry ? entry->data(Qt::UserRole).toInt() : 0;
}

void ChoiceList::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0 && currentItem()->isSelected())
        emit Click();
}
