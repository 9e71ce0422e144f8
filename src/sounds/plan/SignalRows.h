#pragma once

#include "quiz/session/QuizSession.h"
#include "sounds/plan/SoundRows.h"

#include <vector>

// The rows of a signal, read for its plan rather than drawn one by one: the
// vessels and sounds in the order they are presented.
class SignalRows : public PictureRenderer
{
public:
    explicit SignalRows(QuizSession &session) : session(session) {}

    // The next signal is read at this scale.
    void Start(double k) { scale = k; }
    const std::vector<SoundRow> &Rows() const { return rows; }

    void Clear() override { rows.clear(); }
    void DrawLine(const Recordset &row) override;
    void WalkLines(Database &db, const QString &lineTable, long record) override;

private:
    QuizSession &session;
    double scale = 1;
    std::vector<SoundRow> rows;
};
