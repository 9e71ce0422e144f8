#include "documents/DocumentForm.h"

DocumentForm::DocumentForm()
    : Form(QStringLiteral("Documents"), 0, true)
{
}
