#pragma once

#include "platform/Form.h"

// The day-shapes quiz window. Only its caption for now.
class ShapeForm : public Form
{
    Q_OBJECT

public:
    ShapeForm();

protected:
    void CreateControls() override {}
};
