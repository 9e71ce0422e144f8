#include "quiz/MaintText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

MaintText::MaintText(QWidget *parent, int maxLength) : QPlainTextEdit(parent), maxLength(maxLength)
{
    // Tab moves on to the next control, as in every other box of the program.
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString MaintText::Text() const
{
    const QString text = toPlainText();
    return text.isNull() ? QStringLiteral("") : text;
}

int MaintText::Room() const
{
    const int kept = static_cast<int>(toPlainText().size() - textCursor().selectedText().size());
    return maxLength - kept;
}

void MaintText::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const bool adds = !command && !text.isEmpty()
                      && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\r') || text.at(0) == QLatin1Char('\n'));
    if (adds && Room() < static_cast<int>(text.size())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MaintText::inputMethodEvent(QInputMethodEvent *event)
{
    const int room = Room();
    if (event->commitString().size() > room) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(event->commitString().left(room < 0 ? 0 : room), event->replacementStart(),
                            event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void MaintText::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const int room = Room();
    if (room <= 0)
        return;
    insertPlainText(source->text().left(room));
}
