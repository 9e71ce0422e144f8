#pragma once

#include "platform/Form.h"

// The day-shapes editor. Only its caption for now.
class MaintShapeForm : public Form
{
    Q_OBJECT

public:
    MaintShapeForm();

protected:
    void CreateControls() override {}
};
