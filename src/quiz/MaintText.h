#pragma once

#include <QPlainTextEdit>

// A multi-line text box of an editor that takes at most a set number of
// characters: typing stops at the limit and a paste is cut to what fits.
class MaintText : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MaintText(QWidget *parent = nullptr, int maxLength = 255);

    int MaxLength() const { return maxLength; }
    // The text as typed; an empty box gives the empty text, never a null one.
    QString Text() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Characters that may still be added once the selection is replaced.
    int Room() const;

    int maxLength;
};
