#include "buoys/BuoyPlacement.h"

#include "platform/values/Rounding.h"
#include "quiz/session/PictureScale.h"

float BuoyPictureScale(double width, double height)
{
    return static_cast<float>(PictureScale(width, height, BuoyDesignWidth, BuoyDesignHeight));
}

long BuoyCentre(float position, float k)
{
    const float product = position * k;
    return RoundHalfEven(product);
}

float BuoyUnit(double size, float k)
{
    return static_cast<float>(size * k);
}

PlacedBuoy PlaceStoredBuoy(float xpos, float ypos, double size, double listptr, double topmark, float k)
{
    PlacedBuoy placed;
    placed.x = BuoyCentre(xpos, k);
    placed.y = BuoyCentre(ypos, k);
    placed.s = BuoyUnit(size, k);
    placed.kind = RoundHalfEven(listptr);
    placed.topmark = RoundHalfEven(topmark);
    return placed;
}
