#pragma once

#include "platform/Form.h"

// The buoy editor. Only its caption for now.
class MaintBuoyForm : public Form
{
    Q_OBJECT

public:
    MaintBuoyForm();

protected:
    void CreateControls() override {}
};
