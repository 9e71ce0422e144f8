#pragma once

#include "platform/Form.h"

// The sound-signal editor. Only its caption for now.
class MaintSoundForm : public Form
{
    Q_OBJECT

public:
    MaintSoundForm();

protected:
    void CreateControls() override {}
};
