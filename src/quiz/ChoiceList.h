#pragma once

#include <QListWidget>

// The list of possible answers of a quiz window. Each entry carries its item
// value (-1 right, 0 wrong) and, as its tooltip, its number and text, so the
// tip always names the entry under the pointer, however far the list is
// scrolled; where no entry lies under the pointer no tip shows.
class ChoiceList : public QListWidget
{
    Q_OBJECT

public:
    explicit ChoiceList(QWidget *parent = nullptr);

    // Replaces the entries.
    void SetChoices(const QList<QPair<QString, int>> &entries);
    int ItemValue(int row) const;

signals:
    // The user selected an entry: a click on it, or the keyboard moving the
    // selection to another entry.
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
