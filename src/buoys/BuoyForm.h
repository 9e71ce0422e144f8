#pragma once

#include "platform/Form.h"

// The buoyage quiz window. Only its caption for now.
class BuoyForm : public Form
{
    Q_OBJECT

public:
    BuoyForm();

protected:
    void CreateControls() override {}
};
