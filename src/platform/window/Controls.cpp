#include "platform/window/Controls.h"

#include "platform/graphics/Twips.h"

#include <QVariant>
#include <QWidget>

int ControlLeft(const QWidget &control) { return Twips::FromPixelsX(control.x()); }
int ControlTop(const QWidget &control) { return Twips::FromPixelsY(control.y()); }
int ControlWidth(const QWidget &control) { return Twips::FromPixelsX(control.width()); }
int ControlHeight(const QWidget &control) { return Twips::FromPixelsY(control.height()); }

void MoveControl(QWidget &control, double left, double top)
{
    control.move(Twips::ToPixelsX(left), Twips::ToPixelsY(top));
}

void ResizeControl(QWidget &control, double width, double height)
{
    control.resize(Twips::ToPixelsX(width), Twips::ToPixelsY(height));
}

void PlaceControl(QWidget &control, double left, double top, double width, double height)
{
    control.setGeometry(Twips::ToPixelsX(left), Twips::ToPixelsY(top), Twips::ToPixelsX(width),
                        Twips::ToPixelsY(height));
}

QString ControlTag(const QObject &control) { return control.property("Tag").toString(); }
void SetControlTag(QObject &control, const QString &tag) { control.setProperty("Tag", tag); }
