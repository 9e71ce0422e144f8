#pragma once

#include <QList>
#include <QStringList>

class Form;
class QMenu;
class QMenuBar;
class QWidget;

// A fixed window of the program: its menu bar over a client area of the
// designed size in twips. Controls are children of the client and placed in
// its twips; the window is exactly as big as both and cannot be resized.
struct MenuClient {
    QMenuBar *menuBar = nullptr;
    QList<QMenu *> menus; // one per title, in order
    QWidget *client = nullptr;
};

MenuClient CreateMenuClient(Form &form, const QStringList &menuTitles, int clientWidthTwips, int clientHeightTwips);
