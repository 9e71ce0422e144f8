#pragma once

class Form;
class QEvent;
class QWidget;

// Quiz and reference windows share one window state, kept in WindowMode
// (0 normal, 1 minimised, 2 maximised): each opens in the state the last
// one left. Errors are ignored, as in any event handler.

// Gives the window the state WindowMode holds.
void TakeWindowMode(QWidget &window);

// Keeps the window's present state in WindowMode.
void KeepWindowMode(const QWidget &window);

// A loaded window being minimised keeps that at once: it gets no resize
// that would keep it.
void KeepWindowModeOnMinimise(const Form &window, const QEvent &event);
