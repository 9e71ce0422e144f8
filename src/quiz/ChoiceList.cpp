#include "quiz/ChoiceList.h"

ChoiceList::ChoiceList(QWidget *parent) : ListBox(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, &ChoiceList::Click);
    connect(this, &ListBox::KeyMoved, this, &ChoiceList::Click);
}

void ChoiceList::SetChoices(const QList<QPair<QString, int>> &entries)
{
    clear();
    for (int row = 0; row < entries.size(); ++row) {
        AddItem(entries[row].first, entries[row].second);
        item(row)->setToolTip(PlainTip(QStringLiteral("(%1) %2").arg(row + 1).arg(entries[row].first)));
    }
}
