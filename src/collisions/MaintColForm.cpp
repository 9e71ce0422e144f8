#include "collisions/MaintColForm.h"

MaintColForm::MaintColForm()
    : Form(QStringLiteral("Maintain Collisions"), 1200, true)
{
}
