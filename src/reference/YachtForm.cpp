#include "reference/YachtForm.h"

YachtForm::YachtForm()
    : Form(QStringLiteral("Parts Of Yacht"), 1500, true)
{
}
