#include "platform/ask/MsgBox.h"

#include <QtGlobal>

namespace {
MsgBoxHandler &handler()
{
    static MsgBoxHandler h;
    return h;
}

MsgBoxHandler &shower()
{
    static MsgBoxHandler s;
    return s;
}
} // namespace

void SetMsgBoxShower(MsgBoxHandler s) { shower() = std::move(s); }

void SetMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

int MsgBox(const QString &prompt, int style, const QString &title)
{
    const MsgBoxCall call{prompt, style, title};
    if (handler())
        return handler()(call);
    // Only the program's start gives a shower: a test that meets a box it
    // did not expect stops here instead of waiting on a box nobody closes.
    if (!shower())
        qFatal("A message box with no window to show it: %s", qPrintable(prompt));
    return shower()(call);
}
