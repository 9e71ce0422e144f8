#pragma once

#include "platform/Form.h"

// The navigation documents window. Only its caption for now.
class DocumentForm : public Form
{
    Q_OBJECT

public:
    DocumentForm();

protected:
    void CreateControls() override {}
};
