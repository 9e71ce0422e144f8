#pragma once

#include "platform/Form.h"

// The labelled picture of a yacht. Only its caption for now.
class YachtForm : public Form
{
    Q_OBJECT

public:
    YachtForm();

protected:
    void CreateControls() override {}
};
