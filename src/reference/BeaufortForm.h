#pragma once

#include "platform/Form.h"

// The meteorology tables window. Only its caption for now.
class BeaufortForm : public Form
{
    Q_OBJECT

public:
    BeaufortForm();

protected:
    void CreateControls() override {}
};
