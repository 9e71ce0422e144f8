#include "shapes/ShapeForm.h"

ShapeForm::ShapeForm()
    : Form(QStringLiteral("Shapes"), 1600, false)
{
}
