#include "collisions/ColForm.h"

ColForm::ColForm()
    : Form(QStringLiteral("Collision"), 1200, false)
{
}
