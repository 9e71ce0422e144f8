#include "lights/LightRows.h"

#include "data/Database.h"

void SetLightHead(Recordset &head, const QString &hint, const QString &text, const QString &fogSignal,
                  int direction)
{
    head.SetValue(QStringLiteral("HINT"), hint);
    head.SetValue(QStringLiteral("TEXT"), text);
    head.SetValue(QStringLiteral("FOGSIGNAL"), fogSignal);
    head.SetValue(QStringLiteral("DIRECTION"), direction);
}

LightLine StoredLight(long chosenColour, float x, float y, double radius)
{
    LightLine light;
    light.flash = chosenColour == FlashMarker;
    light.colour = light.flash ? FlashYellow : chosenColour;
    light.x = x;
    light.y = y;
    light.size = radius;
    return light;
}

void SetLightLine(Recordset &line, const LightLine &light)
{
    line.SetValue(QStringLiteral("COLOUR"), static_cast<qlonglong>(light.colour));
    line.SetValue(QStringLiteral("FLASH"), light.flash);
    line.SetValue(QStringLiteral("XPOS"), light.x);
    line.SetValue(QStringLiteral("YPOS"), light.y);
    line.SetValue(QStringLiteral("SIZE"), light.size);
}
