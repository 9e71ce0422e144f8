#include "shapes/MaintShapeForm.h"

MaintShapeForm::MaintShapeForm()
    : Form(QStringLiteral("Maintain Shapes"), 1600, true)
{
}
