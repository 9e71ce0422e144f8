#pragma once

#include <QListWidget>

// A list box of the program: entries with a number kept beside each text,
// each wrapped onto as many lines as it needs and with its text as its
// tooltip, the button-face colour behind them, and the two user events the
// windows react to beyond a selection change.
// A tip is read as markup whenever it looks like some: the tip that shows a
// stored text as it is, blanks kept.
QString PlainTip(const QString &text);

class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void AddItem(const QString &text, long itemData);
    // The number kept with the entry; 0 for a row that does not exist.
    long ItemData(int row) const;
    // Rows of the selected entries, top to bottom.
    QList<int> SelectedRows() const;

signals:
    // A key press moved the selection to another entry.
    void KeyMoved();
    // A mouse button was released over the list.
    void MouseUp();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
