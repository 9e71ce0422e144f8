#pragma once

#include "quiz/MaintForm.h"

// The collision editor: each element is one kind of the collision pictures
// (a mark, a vessel, a barge, the fog or the channel) in one of four sizes,
// drawn in its own box and dragged into place; the picture gets its hint
// and rule ("Hint~Rule"), its answer and its caption.
class MaintColForm : public MaintForm
{
    Q_OBJECT

public:
    MaintColForm();

    // "&Add": one element of the chosen kind and size at (100, 100), or
    // spread over the canvas for the fog and the channel.
    void AddCol();

protected:
    void BuildLists() override;
    void AddElement() override { AddCol(); }
    void WriteHead(Recordset &head) override;
    void WriteElement(Recordset &line, const MaintElement &element) override;
};
