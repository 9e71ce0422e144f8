#include "platform/window/MenuClient.h"

#include "platform/graphics/Twips.h"
#include "platform/window/Form.h"
#include "platform/window/MenuBar.h"

#include <QMenuBar>

MenuClient CreateMenuClient(Form &form, const QStringList &menuTitles, int clientWidthTwips, int clientHeightTwips)
{
    MenuClient parts;
    const int width = Twips::ToPixelsX(clientWidthTwips);
    const int height = Twips::ToPixelsY(clientHeightTwips);
    parts.menuBar = CreateMenuBar(&form);
    for (const QString &title : menuTitles)
        parts.menus << parts.menuBar->addMenu(title);
    const int barHeight = parts.menuBar->sizeHint().height();
    parts.menuBar->setGeometry(0, 0, width, barHeight);
    parts.client = new QWidget(&form);
    parts.client->setGeometry(0, barHeight, width, height);
    form.setFixedSize(width, barHeight + height);
    return parts;
}
