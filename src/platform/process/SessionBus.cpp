#include "platform/process/SessionBus.h"

#include <QFileInfo>
#include <QtGlobal>

void NeverStartSessionBus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // D-Bus finds a session's bus here on its own, without starting one.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;
    // An address D-Bus cannot connect to: it says so at once, and the parts
    // of Qt that would use the bus (accessibility, a global menu) do without.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
