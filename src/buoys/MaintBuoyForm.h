#pragma once

#include "quiz/MaintForm.h"

// The buoy editor: each element is one buoy or beacon of the chosen kind,
// size and topmark, drawn on its own element picture; adding one also
// appends its kind's name to the answer and its light to the light text.
class MaintBuoyForm : public MaintForm
{
    Q_OBJECT

public:
    MaintBuoyForm();

    // "&Add": one buoy at (100, 100) on the canvas, in front of the others.
    void AddBuoy();

protected:
    void BuildLists() override;
    void AddElement() override { AddBuoy(); }
    void WriteHead(Recordset &head) override;
    void WriteElement(Recordset &line, const MaintElement &element) override;
};
