#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

// A window system that shows a window some moments after it is mapped, as a
// window manager does: the window's expose events are held back until
// Release, which sends one anew; a window never released is never shown.
// The window is named by a function, since it may be made only later; its
// paints are counted.
class LateExpose : public QObject
{
public:
    explicit LateExpose(std::function<QWidget *()> window) : window(std::move(window))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    // Shows the window after ms milliseconds.
    void ReleaseAfter(int ms)
    {
        QTimer::singleShot(ms, this, [this] { Release(); });
    }

    void Release()
    {
        holding = false;
        QWidget *widget = window();
        if (QWindow *shown = widget ? widget->windowHandle() : nullptr) {
            QExposeEvent expose(QRegion(QRect(QPoint(), shown->size())));
            QCoreApplication::sendEvent(shown, &expose);
        }
    }

    int Paints() const { return paints; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QWidget *widget = window();
        if (widget && watched == widget && event->type() == QEvent::Paint)
            ++paints;
        if (holding && widget && watched == widget->windowHandle() && event->type() == QEvent::Expose)
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<QWidget *()> window;
    bool holding = true;
    int paints = 0;
};
