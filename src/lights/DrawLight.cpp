#include "lights/DrawLight.h"

#include "data/Database.h"
#include "platform/window/PictureBox.h"
#include "quiz/session/PictureScale.h"

LightLine ReadLightLine(const Recordset &row)
{
    const QVariant flash = row.Value(QStringLiteral("FLASH"));
    LightLine light;
    light.colour = row.LongValue(QStringLiteral("COLOUR"));
    light.flash = !flash.isNull() && flash.toInt() != 0;
    light.x = row.DoubleValue(QStringLiteral("XPOS"));
    light.y = row.DoubleValue(QStringLiteral("YPOS"));
    light.size = row.DoubleValue(QStringLiteral("SIZE"));
    return light;
}

void DrawLight(PictureBox &picture, const LightLine &light, double k, std::vector<DrawnLight> &flashLights)
{
    const long colour = light.flash ? FlashMarker : light.colour;
    const DrawnLight drawn{colour, ScaleToPicture(light.x, k), ScaleToPicture(light.y, k),
                           ScaleToPicture(light.size, k)};
    picture.SetFillColor(colour);
    picture.Circle(drawn.x, drawn.y, drawn.radius, colour);
    flashLights.push_back(drawn);
}

void FlashTick(PictureBox &picture, const std::vector<DrawnLight> &flashLights, bool &flashOn)
{
    flashOn = !flashOn;
    const long colour = flashOn ? FlashBlack : FlashYellow;
    for (const DrawnLight &light : flashLights) {
        if (light.colour != FlashMarker)
            continue;
        picture.SetFillColor(colour);
        picture.Circle(light.x, light.y, light.radius, colour);
    }
}

PicturePlace MoveStep(int direction, PicturePlace place, int width, int height)
{
    constexpr int step = 10;
    switch (direction) {
    case Up:
        place.top = place.top > -height ? place.top - step : height;
        break;
    case Right:
        place.left = place.left < width ? place.left + step : -width;
        break;
    case Down:
        place.top = place.top < height ? place.top + step : -height;
        break;
    case Left:
        place.left = place.left > -width ? place.left - step : width;
        break;
    default:
        break;
    }
    return place;
}
