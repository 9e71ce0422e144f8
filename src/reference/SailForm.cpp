#include "reference/SailForm.h"

// Labels 0 to 3, 9 and 11 name the mainsail's parts, the others the headsail's.
SailForm::SailForm()
    : LabelledPictureForm({QStringLiteral("Parts Of Sail"),
                           1500,
                           QStringLiteral("sails"),
                           520,
                           409,
                           7785,
                           6105,
                           {QStringLiteral("&Shuffle"), QStringLiteral("&Cheat"), QStringLiteral("&Quit")},
                           {{
                               {"Head", 2760, 1200, 465, 195},
                               {"Leech", 1920, 2880, 540, 195},
                               {"Clew", 840, 4920, 420, 195},
                               {"Tack", 2760, 4920, 450, 195},
                               {"Head", 4320, 1200, 465, 195},
                               {"Leech", 3960, 3120, 540, 195},
                               {"Clew", 3840, 4800, 420, 195},
                               {"Tack", 6600, 5280, 450, 195},
                               {"Luff", 5760, 3120, 345, 195},
                               {"Foot", 1800, 4920, 390, 195},
                               {"Foot", 5280, 5040, 390, 195},
                               {"Luff", 2880, 3480, 345, 195},
                           }},
                           {}})
{
}
