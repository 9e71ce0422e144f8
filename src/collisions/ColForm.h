#pragma once

#include "platform/Form.h"

// The collision-situations quiz window. Only its caption for now.
class ColForm : public Form
{
    Q_OBJECT

public:
    ColForm();

protected:
    void CreateControls() override {}
};
