#include "reference/ReferencePictures.h"

#include "platform/graphics/Twips.h"

#include <QPainter>
#include <QSvgRenderer>

// The resource loader must be named from outside any namespace.
static void LoadResources()
{
    Q_INIT_RESOURCE(reference);
}

QPixmap ReferencePicture(const QString &name, int designWidthPixels, int designHeightPixels)
{
    LoadResources();
    constexpr int DesignTwipsPerPixel = 15;
    QPixmap picture(Twips::ToPixelsX(designWidthPixels * DesignTwipsPerPixel),
                    Twips::ToPixelsY(designHeightPixels * DesignTwipsPerPixel));
    picture.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/reference/pictures/%1.svg").arg(name));
    if (renderer.isValid()) {
        QPainter painter(&picture);
        renderer.render(&painter, QRectF(picture.rect()));
    }
    return picture;
}
