#include "sounds/MaintSoundForm.h"

MaintSoundForm::MaintSoundForm()
    : Form(QStringLiteral("Maintain Sounds"), 1700, true)
{
}
