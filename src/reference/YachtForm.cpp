#include "reference/YachtForm.h"

#include "reference/SailForm.h"

YachtForm::YachtForm()
    : LabelledPictureForm(
          {QStringLiteral("Parts Of Yacht"),
           1500,
           QStringLiteral("yacht"),
           527,
           316,
           7905,
           4740,
           {QStringLiteral("&Shuffle"), QStringLiteral("&Cheat"), QStringLiteral("&Sails"), QStringLiteral("&Quit")},
           {{
               {"Mast", 4560, 840, 420, 195},
               {"Boom", 2040, 1200, 480, 195},
               {"Stem", 6840, 3360, 435, 195},
               {"Keel", 4680, 4320, 390, 195},
               {"Rudder", 360, 3960, 630, 195},
               {"Pulpit", 6600, 2040, 495, 195},
               {"Pushpit", 120, 2040, 645, 195},
               {"Skeg", 1560, 3960, 450, 195},
               {"Hull", 4080, 3240, 345, 195},
               {"Tiller", 2040, 3000, 435, 195},
               {"Toerail", 5160, 2880, 600, 195},
               {"Stanchion", 1800, 2040, 870, 195},
           }},
           // From the "Stanchion" label down to a stanchion; from the tiller
           // down to the "Tiller" label.
           {QLineF(2640, 2160, 2760, 2400), QLineF(1920, 2760, 2040, 3000)}})
{
}

void YachtForm::Fmenu_Click(int Index)
{
    if (Index == 2)
        FormInstance<SailForm>().ShowModal();
    else
        LabelledPictureForm::Fmenu_Click(Index);
}
