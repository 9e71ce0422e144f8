#include "platform/window/InputBox.h"

#include <QApplication>
#include <QInputDialog>

namespace {
InputBoxHandler &handler()
{
    static InputBoxHandler h;
    return h;
}
} // namespace

void SetInputBoxHandler(InputBoxHandler h) { handler() = std::move(h); }

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    if (handler())
        return handler()(InputBoxCall{prompt, title, defaultText});

    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}
