#pragma once

// The routine of each element kind; the dispatch in ColDraw.cpp chooses one.
class ColDraw;

// Marks of the day-shape vocabulary (ColMarks.cpp).
void DrawMast(ColDraw &d);
void DrawBall(ColDraw &d);
void DrawConeUp(ColDraw &d);
void DrawConeDown(ColDraw &d);
void DrawDiamond(ColDraw &d);
void DrawCylinder(ColDraw &d);
void DrawVertical(ColDraw &d);
void DrawHorizontal(ColDraw &d);

// Seen from ahead, and the barges (ColBarges.cpp).
void DrawHeadOnVessel(ColDraw &d);
void DrawHeadOnBarge(ColDraw &d);
void DrawSideBarge(ColDraw &d);

// Vessels seen from the side, bow to starboard or to port.
void DrawSideVessel(ColDraw &d);     // ColSideVessel.cpp
void DrawFishingVessel(ColDraw &d);  // ColFishingVessel.cpp
void DrawSailingVessel(ColDraw &d);  // ColSailingVessel.cpp

// The surroundings, laid out from the surface's size (ColSurroundings.cpp).
void DrawFog(ColDraw &d);
void DrawChannel(ColDraw &d);
