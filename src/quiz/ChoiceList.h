#pragma once

#include "quiz/ListBox.h"

// The list of possible answers of a quiz window. Each entry keeps its item
// value (-1 right, 0 wrong) and, as its tooltip, its number and text, so the
// tip always names the entry under the pointer, however far the list is
// scrolled; where no entry lies under the pointer no tip shows.
class ChoiceList : public ListBox
{
    Q_OBJECT

public:
    explicit ChoiceList(QWidget *parent = nullptr);

    // Replaces the entries.
    void SetChoices(const QList<QPair<QString, int>> &entries);
    int ItemValue(int row) const { return static_cast<int>(ItemData(row)); }

signals:
    // The user selected an entry: a click on it, or the keyboard moving the
    // selection to another entry.
    void Click();
};
