#pragma once

#include "quiz/MaintForm.h"

// The day-shapes editor: each element is a signal shape or a vessel of the
// chosen kind and size, drawn once on its own element picture; the picture
// gets a fog signal beside its hint and answer.
class MaintShapeForm : public MaintForm
{
    Q_OBJECT

public:
    MaintShapeForm();

    // "&Add": one element of the chosen kind and size at (100, 100).
    void AddShape();

protected:
    void BuildLists() override;
    void AddElement() override { AddShape(); }
    void WriteHead(Recordset &head) override;
    void WriteElement(Recordset &line, const MaintElement &element) override;
};
