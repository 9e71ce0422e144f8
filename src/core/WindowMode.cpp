#include "core/WindowMode.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/window/Form.h"

#include <QEvent>
#include <QWidget>

void TakeWindowMode(QWidget &window)
{
    IgnoreErrors([&] {
        if (WindowMode == 1)
            window.setWindowState(Qt::WindowMinimized);
        else if (WindowMode == 2)
            window.setWindowState(Qt::WindowMaximized);
        else
            window.setWindowState(Qt::WindowNoState);
    });
}

void KeepWindowMode(const QWidget &window)
{
    if (window.windowState() & Qt::WindowMinimized)
        WindowMode = 1;
    else if (window.windowState() & Qt::WindowMaximized)
        WindowMode = 2;
    else
        WindowMode = 0;
}

void KeepWindowModeOnMinimise(const Form &window, const QEvent &event)
{
    if (event.type() == QEvent::WindowStateChange && window.IsLoaded() && (window.windowState() & Qt::WindowMinimized))
        WindowMode = 1;
}
