#include "core/WindowServices.h"

#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// Notes whether the window it watches has been painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void CentreForm(QWidget &Frm)
{
    const double left = (Twips::ScreenWidth() - Twips::FromPixelsX(Frm.width())) / 2.0;
    const double top = (Twips::ScreenHeight() - Twips::FromPixelsY(Frm.height())) / 2.0;
    Frm.move(Twips::ToPixelsX(left), Twips::ToPixelsY(top));
}

void SelectText(QWidget *Box)
{
    // Multi-line boxes are other widget kinds and are left alone.
    if (auto *line = qobject_cast<QLineEdit *>(Box))
        line->setSelection(0, static_cast<int>(line->text().length()));
}

std::vector<QPointF> CirclePolygon(float CentreX, float CentreY, float Radius)
{
    auto pointAt = [&](double angle) {
        return QPointF(static_cast<float>(CentreX + Radius * std::cos(angle)),
                       static_cast<float>(CentreY + Radius * std::sin(angle)));
    };
    std::vector<QPointF> points{QPointF(static_cast<float>(CentreX + Radius), CentreY)};
    // The angle is kept in single precision, so 63 steps fit below the
    // single-precision full turn; the last line closes the figure.
    float a = 0.0f;
    do {
        points.push_back(pointAt(a));
        a += 0.1f;
    } while (a <= 6.283185f);
    points.push_back(pointAt(6.283185));
    return points;
}

void DrawCircle(PictureBox &Pic, float CentreX, float CentreY, float Radius, long LineColour)
{
    const std::vector<QPointF> points = CirclePolygon(CentreX, CentreY, Radius);
    Pic.SetCurrentX(points.front().x());
    Pic.SetCurrentY(points.front().y());
    for (size_t i = 1; i < points.size(); ++i)
        Pic.LineTo(points[i].x(), points[i].y(), LineColour);
}

void Pause(float Seconds)
{
    if (Seconds == 0)
        return;
    // A monotonic clock, so a wait across midnight ends on time.
    QElapsedTimer clock;
    clock.start();
    const double end = Seconds;
    double now = 0;
    do {
        now = clock.nsecsElapsed() / 1e9;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (now <= end);
}

bool WaitUntil(const std::function<bool()> &done, double Seconds, QEventLoop::ProcessEventsFlags flags)
{
    // A monotonic clock measures the wait.
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (;;) {
        if (done())
            return true;
        const double left = std::ceil((Seconds * 1e9 - static_cast<double>(clock.nsecsElapsed())) / 1e6);
        if (left <= 0)
            return false;
        wake.start(static_cast<int>(std::min(left, 1e9)));
        QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
    }
}

bool WaitUntilPainted(QWidget &Window, int TimeoutMs)
{
    PaintWatch watch;
    Window.installEventFilter(&watch);
    const bool painted =
        WaitUntil([&watch] { return watch.painted; }, TimeoutMs / 1000.0, QEventLoop::ExcludeUserInputEvents);
    Window.removeEventFilter(&watch);
    return painted;
}
