#pragma once

#include <QEventLoop>
#include <QPointF>

#include <functional>
#include <vector>

class PictureBox;
class QWidget;

// Centres a window on the whole screen; its size does not change. A window
// larger than the screen gets a negative left or top.
void CentreForm(QWidget &Frm);

// Selects the whole text of a single-line text box, so that typing replaces
// it; a multi-line box is left as it is.
void SelectText(QWidget *Box);

// Draws a circle as a closed polygon of short lines in the picture's current
// line width, without fill: 63 lines for the angles 0, 0.1, ... 6.2 (the
// angle kept in single precision, the first line of zero length) and a last
// line to the angle 6.283185.
void DrawCircle(PictureBox &Pic, float CentreX, float CentreY, float Radius, long LineColour);

// The points DrawCircle visits, each in single precision: the starting
// point, then the end of each of its 64 lines.
std::vector<QPointF> CirclePolygon(float CentreX, float CentreY, float Radius);

// Waits the given seconds while every pending window event runs. Returns at
// once for 0; any other value runs at least one pass of the events.
void Pause(float Seconds);

// Waits until done answers true, for at most the given seconds, while the
// events that flags let through run; a timer wakes the event loop at the
// end, so a long wait takes no processor time. True once done answered true.
bool WaitUntil(const std::function<bool()> &done, double Seconds, QEventLoop::ProcessEventsFlags flags);

// Waits until a window just shown has been painted, for at most timeoutMs
// milliseconds, while its events run but none of the user's input. Under a
// window manager a window is shown, and so painted, only some moments after
// it is mapped. True once it has been painted.
bool WaitUntilPainted(QWidget &Window, int TimeoutMs);
