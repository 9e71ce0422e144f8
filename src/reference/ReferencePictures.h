#pragma once

#include <QPixmap>
#include <QString>

// The line drawings kept with the program: "yacht", "sails" and "symbols".
// Each was drawn at a size in pixels of a screen of 15 twips to the pixel;
// it is rendered at that size in twips, so that it keeps its place under the
// controls laid over it at any screen density. A missing picture gives a
// white one.
QPixmap ReferencePicture(const QString &name, int designWidthPixels, int designHeightPixels);
