#pragma once

#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QWidget>

#include <optional>
#include <vector>

// A drawing surface. Coordinates are twips from the top-left corner, y
// downwards; colours are 24-bit blue-green-red values. Everything is drawn
// into a backing image without smoothing, so each pixel holds exactly one of
// the drawn colours and the drawing survives hiding, moving and covering.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Picture boxes paint the interiors of boxes and circles with the fill
    // colour; the main window's surface draws outlines only.
    bool FillsShapes() const { return fillsShapes; }
    void SetFillsShapes(bool on) { fillsShapes = on; }

    long BackColor() const { return backColor; }
    // Like the classic picture box, a new back colour also clears the surface.
    void SetBackColor(long colour);
    long FillColor() const { return fillColor; }
    void SetFillColor(long colour) { fillColor = colour; }
    // Line width in pixels (at least 1).
    int DrawWidth() const { return drawWidth; }
    void SetDrawWidth(int pixels);
    double CurrentX() const { return currentX; }
    double CurrentY() const { return currentY; }
    void SetCurrentX(double x) { currentX = x; }
    void SetCurrentY(double y) { currentY = y; }

    // A segment; (x2, y2) becomes the current point.
    void Line(double x1, double y1, double x2, double y2, long colour);
    // A segment from the current point; (x, y) becomes the current point.
    void LineTo(double x, double y, long colour);
    // Rectangle outline; its inside takes the fill colour where the surface
    // fills. (x2, y2) becomes the current point.
    void Box(double x1, double y1, double x2, double y2, long colour);
    // Rectangle with outline and inside in the colour.
    void FilledBox(double x1, double y1, double x2, double y2, long colour);
    // Circle outline (radius in twips of the x direction); its inside takes
    // the fill colour where the surface fills. The centre becomes the current
    // point.
    void Circle(double cx, double cy, double radius, long colour);
    // Ellipse: with aspect below 1 the radius is the horizontal half-axis and
    // the vertical one is radius x aspect; above 1 the radius is vertical.
    void Circle(double cx, double cy, double radius, long colour, double aspect);
    // Arc, outline only, from start to end in radians counter-clockwise from
    // the positive x axis (as seen on the screen).
    void Arc(double cx, double cy, double radius, long colour, double start, double end);
    // A point as wide as the line width; it becomes the current point.
    void PSet(double x, double y, long colour);
    // Paints the whole surface with the back colour; the current point goes
    // back to (0, 0).
    void Cls();

    // Paints with the fill colour the 4-connected area around the pixel
    // (xPixel, yPixel) that is bounded by pixels of the border colour. A seed
    // on the border colour or outside the surface paints nothing. Returns
    // whether anything was painted.
    bool FloodFill(int xPixel, int yPixel, long borderColour);

    // FloodFill for a shape whose outline lies within the rectangle of
    // pixels: only an area that stays within it is painted, so no fill runs
    // out through a gap over the picture around. A seed on the border, or
    // one whose area runs out, gives way to the nearest pixel at most reach
    // pixels from it whose area stays within: a point that rounds onto the
    // outline at some scale still finds the inside. Returns whether anything
    // was painted.
    bool FloodFillWithin(int xPixel, int yPixel, long borderColour, const QRect &within, int reach);
    // Paints with the fill colour every pixel whose centre lies inside the
    // path (twips) but for those of the border colour: the shape is filled
    // whole, whatever line crosses it, and its outline stays.
    void FillPath(const QPainterPath &twips, long borderColour);
    // Paints with the fill colour every pixel whose centre lies inside the
    // path (twips), whatever it held: a shape painted over what lies beneath,
    // its outline drawn after.
    void PaintPath(const QPainterPath &twips);
    // Draws in the colour the pixels of the path's shape, as PaintPath paints
    // it, that have a side neighbour outside it: the shape's edge, one pixel
    // wide, exactly where its paint meets what lies around it.
    void EdgePath(const QPainterPath &twips, long colour);

    // Size of the drawing area in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // The backing image (for tests and renderers that inspect the drawing).
    const QImage &Image() const;
    // Colour at a pixel, -1 outside the surface.
    long PixelColour(int xPixel, int yPixel) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Keeps the image as large as the widget, the drawing where it still fits.
    void ensureImage() const;
    template <class Draw>
    void paint(long outline, Draw draw);
    void drawBox(double x1, double y1, double x2, double y2, long colour, const QBrush &inside);
    // The pixels inside the path in the fill colour, but for those of the
    // kept colour (RGB) when one is given.
    void fillInside(const QPainterPath &twips, std::optional<QRgb> kept);
    // The pixels of the path (twips) as the painter fills it, within bounds,
    // which it sets; null when the path lies off the surface.
    QImage maskOf(const QPainterPath &twips, QRect &bounds) const;

    bool fillsShapes = true;
    long backColor = 0xFFFFFF;
    long fillColor = 0;
    int drawWidth = 1;
    double currentX = 0;
    double currentY = 0;
    mutable QImage image;
};
