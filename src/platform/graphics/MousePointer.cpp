#include "platform/graphics/MousePointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace MousePointer {
namespace {
int current = Default;
}

void Set(int pointer)
{
    if (pointer == current)
        return;
    const bool gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
    if (gui && current == Hourglass)
        QGuiApplication::restoreOverrideCursor();
    if (gui && pointer == Hourglass)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    current = pointer;
}

int Current() { return current; }

} // namespace MousePointer
