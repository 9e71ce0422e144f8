#pragma once

#include <QString>


class PictureBox;
class Recordset;

// The hint field holds the hint and the rule that governs the situation,
// joined by "~": the hint is what stands before the first "~", the rule all
// after it (further "~" included). Without "~" the whole text is the hint.
struct HintAndRule {
    QString hint;
    QString rule;
};
HintAndRule SplitHint(const QString &stored);

// One element of a collision picture as stored: the centre on the 6000 x
// 3000 design canvas, the size unit and the kind.
struct ColLine {
    double x = 0;
    double y = 0;
    double size = 0;
    double kind = 0;
};

// Reads the current COLLINE row; the colour is not drawn from. A Null or
// non-numeric place, size or kind throws the typed read's DbError.
ColLine ReadColLine(const Recordset &row);

// Where and how large a stored element is drawn at scale factor k: its
// centre and unit in twips of the quiz picture and its kind, each the nearest
// whole number. A centre or unit beyond the 32-bit range throws
// DbError ColOverflow; a kind far outside the list gives -1.
struct ColPlacement {
    long cx = 0;
    long cy = 0;
    long s = 0;
    long kind = -1;
};
ColPlacement PlaceColLine(const ColLine &line, float k);

// Draws a stored element on the quiz picture at scale factor k, with a black
// fill colour to start from. A kind outside 0 to 18 draws nothing; an
// element reaching beyond the 32-bit twips range throws DbError ColOverflow
// and draws nothing.
void DrawCol(PictureBox &picture, const ColLine &line, float k);

// The fields of a collision picture's rows as the editor writes them: the
// texts exactly as typed; the colour always 0.
void SetColHead(Recordset &head, const QString &hint, const QString &text, const QString &extra);
void SetColLine(Recordset &line, float x, float y, double size, double kind);
