#include "platform/ask/MsgBox.h"

#include <QtGlobal>

namespace {
MsgBoxHandler &handler()
{
    static MsgBoxHandler h;
    return h;
}
} // namespace

void SetMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

int MsgBox(const QString &prompt, int style, const QString &title)
{
    // Only the program's start gives a handler that shows the box: a test
    // that meets a box it did not expect stops here instead of waiting on a
    // box nobody closes.
    if (!handler())
        qFatal("A message box with no window to show it: %s", qPrintable(prompt));
    return handler()(MsgBoxCall{prompt, style, title});
}
