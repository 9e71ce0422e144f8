#include "buoys/MaintBuoyForm.h"

MaintBuoyForm::MaintBuoyForm()
    : Form(QStringLiteral("Maintain Buoys"), 1100, true)
{
}
