#pragma once

#include "platform/Form.h"

// The collision editor. Only its caption for now.
class MaintColForm : public Form
{
    Q_OBJECT

public:
    MaintColForm();

protected:
    void CreateControls() override {}
};
