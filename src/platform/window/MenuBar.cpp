#include "platform/window/MenuBar.h"

#include "platform/graphics/Fonts.h"

#include <QMenuBar>

QMenuBar *CreateMenuBar(QWidget *window)
{
    auto *bar = new QMenuBar(window);
    bar->setNativeMenuBar(false);
    bar->setFont(MenuFont());
    return bar;
}
