#pragma once

#include "core/state/ReportError.h"
#include "platform/window/PictureBox.h"
#include "quiz/session/QuizSession.h"

// Draws a picture whose line rows each read into a Line and are drawn on one
// picture at the show's scale. A row that cannot be read is the session's to
// report; a row that cannot be drawn is reported on its own, and the rows
// after it are drawn as usual.
template <class Line>
class OnePictureRenderer : public PictureRenderer
{
public:
    using Read = Line (*)(const Recordset &row);
    using Draw = void (*)(PictureBox &picture, const Line &line, float scale);

    OnePictureRenderer(QuizSession &session, Read read, Draw draw) : session(session), read(read), draw(draw) {}

    // The picture the next show draws on, and its scale.
    void Start(PictureBox &shown, float k)
    {
        picture = &shown;
        scale = k;
    }
    float Scale() const { return scale; }

    void Clear() override { picture->Cls(); }
    void DrawLine(const Recordset &row) override
    {
        Line line;
        if (!session.ReadLineRow([&] { line = read(row); }))
            return;
        Trap(session.Location(QStringLiteral("ShowData")), [&] { draw(*picture, line, scale); });
    }

private:
    QuizSession &session;
    const Read read;
    const Draw draw;
    PictureBox *picture = nullptr;
    float scale = 1;
};
