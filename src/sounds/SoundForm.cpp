#include "sounds/SoundForm.h"

SoundForm::SoundForm()
    : Form(QStringLiteral("Sounds"), 1700, false)
{
}
