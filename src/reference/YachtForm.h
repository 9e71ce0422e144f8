#pragma once

#include "reference/LabelledPictureForm.h"

// The parts of a yacht: a drawing of a yacht from the side with its twelve
// parts named on labels to reveal; "&Sails" opens the parts of its sails.
class YachtForm : public LabelledPictureForm
{
    Q_OBJECT

public:
    YachtForm();

    void Fmenu_Click(int Index) override;
};
