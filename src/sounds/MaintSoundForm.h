#pragma once

#include "platform/window/ControlArray.h"
#include "quiz/MaintForm.h"

#include <array>

class QCheckBox;
class QLabel;

// The sound-signal editor: vessels dragged into place on the canvas and a
// stack of sounds down its right side, or, with "Fog", sounds alone on a
// grey canvas. A save appends the signal as a new one.
class MaintSoundForm : public MaintForm
{
    Q_OBJECT

public:
    MaintSoundForm();

    // The sound elements; 0 is the hidden template.
    ControlArray<QLabel> NewLabel;
    std::array<QCheckBox *, 1> Mcheck{}; // "Fog"

    // Sound elements 1 to SoundCount exist; kept from one opening to the next.
    long SoundCount = 0;

    // "&Add": a vessel, a sound, or nothing, as the lists are set.
    void AddSound();
    // The vessel and the sound lists never both show a choice.
    void Mlist_Click(int Index);
    // "Fog": empties the canvas and turns it grey (ticked) or white.
    void Mcheck_Click(int Index);

    void ClearPicture() override;

protected:
    void CreateControls() override;
    void Form_Unload() override;
    void BuildLists() override;
    void AddElement() override { AddSound(); }
    bool ElementsAdded() const override { return PictureCount > 0 || SoundCount > 0; }
    void WriteHead(Recordset &head) override;
    void WriteElement(Recordset &line, const MaintElement &element) override;
    void WriteOtherLines(Recordset &line, long record) override;

private:
    void AddVessel();
    void AddSoundLabel();
};
