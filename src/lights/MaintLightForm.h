#pragma once

#include "lights/DrawLight.h"
#include "quiz/MaintForm.h"

// The lights editor: each element is one light, a disc of the chosen colour
// in one of two sizes, or the grey marker of a flashing yellow light; the
// picture gets a direction of movement and a fog signal beside its texts.
class MaintLightForm : public MaintForm
{
    Q_OBJECT

public:
    MaintLightForm();

    // "&Add": one light of the chosen colour and size at (100, 100).
    void AddLight();

protected:
    void BuildLists() override;
    void AddElement() override { AddLight(); }
    void WriteHead(Recordset &head) override;
    void WriteElement(Recordset &line, const MaintElement &element) override;
};
