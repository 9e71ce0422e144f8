#include "buoys/BuoyForm.h"

BuoyForm::BuoyForm()
    : Form(QStringLiteral("Buoys"), 1100, false)
{
}
