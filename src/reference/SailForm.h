#pragma once

#include "reference/LabelledPictureForm.h"

// The parts of the sails: the mainsail and the headsail with the names of
// their corners and edges on labels to reveal.
class SailForm : public LabelledPictureForm
{
    Q_OBJECT

public:
    SailForm();
};
