#pragma once

#include "platform/sound/SpeakerOutput.h"

#include <QString>

// The speakers module found in a folder: its maker, or why there is none,
// told as the end of "No sound can be heard: ...".
struct SpeakerModule {
    SpeakerOutputMaker make = nullptr;
    QString problem;
};

// Looks for the module in folder alone: the program passes its own folder,
// so a copied program never runs code from where it was built.
SpeakerModule FindSpeakerModule(const QString &folder);
