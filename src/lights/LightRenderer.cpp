#include "lights/LightRenderer.h"

#include "data/Database.h"
#include "platform/window/PictureBox.h"

void LightRenderer::Start(PictureBox &shown, double k)
{
    display = &shown;
    scale = k;
    flashLights.clear();
    // A picture that no longer exists does not move with the last one's direction.
    direction = Still;
}

void LightRenderer::ReadHeadFields(const Recordset &row)
{
    const QVariant stored = row.Value(QStringLiteral("DIRECTION"));
    direction = stored.isNull() ? Still : stored.toInt();
}

void LightRenderer::Clear() { display->Cls(); }

void LightRenderer::DrawLine(const Recordset &row)
{
    LightLine light;
    if (session.ReadLineRow([&] { light = ReadLightLine(row); }))
        DrawLight(*display, light, scale, flashLights);
}
