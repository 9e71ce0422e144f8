#pragma once

#include <QString>

#include <functional>

// A modal box asking for one line of text under a prompt, offering the
// default text. Returns what was typed, or the empty text when cancelled.
QString InputBox(const QString &prompt, const QString &title, const QString &defaultText);

// Tests answer the box: the handler sees each call and gives the text.
// An empty handler restores the real box.
struct InputBoxCall {
    QString prompt;
    QString title;
    QString defaultText;
};
using InputBoxHandler = std::function<QString(const InputBoxCall &)>;
void SetInputBoxHandler(InputBoxHandler handler);
