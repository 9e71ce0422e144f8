#pragma once

// Pictures are authored in twips on a design space (6000 x 3000 for most
// topics) and drawn from the display picture's top-left corner, not centred.
constexpr int DesignWidth = 6000;
constexpr int DesignHeight = 3000;

// The factor that maps the design space onto a picture of width x height
// twips: the smaller of the two ratios, so the whole space stays visible.
double PictureScale(double width, double height, int designWidth = DesignWidth, int designHeight = DesignHeight);

// A stored position or size drawn at factor k: the nearest integer, halves to even.
long ScaleToPicture(double value, double k);
