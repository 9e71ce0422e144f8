#pragma once

// What a label or a tip puts on the screen. A label takes its text as markup
// when its format says so, or, in the automatic format, when the text looks
// like markup; it then lays out the document the markup makes, so what shows
// is that document's text.

#include <QLabel>
#include <QTextDocument>

inline QString ShownText(const QString &text, Qt::TextFormat format)
{
    const bool markup = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    if (!markup)
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

inline QString ShownText(const QLabel &label) { return ShownText(label.text(), label.textFormat()); }

// A tip is shown by a label in the automatic format.
inline QString ShownTip(const QString &tip) { return ShownText(tip, Qt::AutoText); }
