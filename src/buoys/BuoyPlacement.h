#pragma once

// Where the quiz draws a stored buoy. Buoy pictures are authored on a canvas
// of 3000 x 3000 twips; the quiz keeps its upper half, 3000 x 1500, in view
// whatever the shape of its day picture.
constexpr int BuoyDesignWidth = 3000;
constexpr int BuoyDesignHeight = 1500;

// The factor k from design twips to twips of a day picture width x height:
// width / 3000, or height / 1500 when that is smaller; single precision.
float BuoyPictureScale(double width, double height);

// A stored centre coordinate (XPOS or YPOS) on the day picture: the product
// in single precision, to the nearest whole twip, halves to even.
long BuoyCentre(float position, float k);

// The stored SIZE on the day picture, in single precision and not rounded.
float BuoyUnit(double size, float k);

// A stored buoy ready for DrawBuoyKind in the quiz's form.
struct PlacedBuoy {
    long x = 0;
    long y = 0;
    float s = 0;
    long kind = 0;
    long topmark = 0;
};

// The centre, unit, kind and topmark flag of a stored row (XPOS, YPOS, SIZE,
// LISTPTR, TOPMARK) at factor k; kind and flag to the nearest whole number,
// halves to even.
PlacedBuoy PlaceStoredBuoy(float xpos, float ypos, double size, double listptr, double topmark, float k);
