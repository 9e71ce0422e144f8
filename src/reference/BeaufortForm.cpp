#include "reference/BeaufortForm.h"

BeaufortForm::BeaufortForm()
    : Form(QStringLiteral("Meteorology"), 1400, false)
{
}
