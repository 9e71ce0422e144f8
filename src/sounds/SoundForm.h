#pragma once

#include "platform/Form.h"

// The sound-signals quiz window. Only its caption for now.
class SoundForm : public Form
{
    Q_OBJECT

public:
    SoundForm();

protected:
    void CreateControls() override {}
};
