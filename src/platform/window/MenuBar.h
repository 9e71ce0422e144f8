#pragma once

class QMenuBar;
class QWidget;

// A window's own menu bar, drawn in the window and in the menu font.
QMenuBar *CreateMenuBar(QWidget *window);
