#pragma once

class PictureBox;

// The scene's design space, in scene units.
constexpr int SceneUnitsWide = 7845;
constexpr int SceneUnitsHigh = 4710;

// Twips of the cover picture per scene unit: the smaller of its outer width
// over 7845 and its outer height over 4710.
float CoverSceneScale(const PictureBox &cover);

// Draws the daylight picture on the cover picture at the given scale: a
// buoyed channel between two grey banks, four vessels, three green conical
// buoys, two red can buoys and a cardinal mark. Leaves the fill colour black
// and the line width 2.
void DrawCoverPicture(PictureBox &cover, float sceneScale);
