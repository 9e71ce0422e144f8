#pragma once

#include "quiz/session/OfferedChoices.h"
#include "quiz/session/PictureRecords.h"
#include "quiz/session/QuizSeries.h"

#include <QString>

#include <functional>

class Database;
class Recordset;

// What a topic draws a picture with: the session reads the picture's rows
// and hands them over in this order.
class PictureRenderer
{
public:
    virtual ~PictureRenderer() = default;
    // Reads the topic's own head fields from the row found.
    virtual void ReadHeadFields(const Recordset &) {}
    // Clears the picture to its background.
    virtual void Clear() = 0;
    // Draws one line row.
    virtual void DrawLine(const Recordset &row) = 0;
    // Hands the picture's line rows to DrawLine; by default in the order of
    // the index "ALTERNATE".
    virtual void WalkLines(Database &db, const QString &lineTable, long record);
};

// A quiz's series and what it shows, without a window: the pictures in play
// order and the one on show, navigation, the end-of-series rule, the picture's
// hint, answer and further texts, and the reading of its rows. Failures go to
// the error reporter with the window's locations.
class QuizSession
{
public:
    struct Tables {
        QString formName;     // before the colon of the error locations
        QString loaderName;   // the series loader's name in its error location
        QString headTable;
        QString lineTable;
        QString furtherField; // head field of the topic's further text
        int topicCode = 0;    // 1 lights .. 5 collisions
    };
    // Why a picture is shown. Only navigation can end the series: a resize, a
    // toggle, "Cheat" or a timer shows the picture again without asking.
    enum class Cause { Navigation, Restart, Refresh };

    explicit QuizSession(Tables tables);

    // "FormName:Procedure".
    QString Location(const QString &procedure) const;

    // Reads the pictures of the series, those linked to the picture the links
    // window came from in link mode, in the order read.
    void LoadSeries();
    // A new order, at the first picture.
    void Shuffle();
    void ShowFirst() { series.ShowFirst(); }
    void ShowPrevious() { series.ShowPrevious(); }
    void ShowNext() { series.ShowNext(); }
    void ShowLast() { series.ShowLast(); }
    // Moves to a picture of the series; false, and no move, for any other.
    bool JumpTo(long record) { return series.JumpTo(record); }

    const QuizSeries &Series() const { return series; }
    long RecordNo() const { return series.RecordNo(); }
    // An empty series offers nothing to move to.
    bool CanNavigate() const { return !series.IsEmpty(); }
    // The end of the series: navigation asked for the last picture again
    // right after it was shown.
    bool EndReached(Cause cause) const { return cause == Cause::Navigation && series.EndReachedAgain(); }
    // A show has completed.
    void MarkShown() { series.MarkShown(); }

    // Reads the picture on show into the renderer: its head row and texts,
    // headRead told whether the row was found, then, when it was, the line
    // rows. A number without a head row (a deleted picture) clears the picture
    // and draws nothing.
    void ReadPicture(PictureRenderer &renderer, const std::function<void(bool found)> &headRead = {});

    // Reads one line row. A row with a Null or a non-numeric value where a
    // number is needed cannot be drawn: it is left out, and the first such
    // row is reported once while its picture stays on show (a resize or a
    // toggle shows it again without a box). Returns whether it was read.
    bool ReadLineRow(const std::function<void()> &read);

    // The answers offered for the picture on show in multiple-choice mode,
    // in a random order.
    std::vector<Choice> Choices() const;
    // The other topics the picture on show links to.
    std::vector<long> LinkedTopics() const;

    const QString &HintText() const { return head.hintText; }
    const QString &AnswerText() const { return head.answerText; }
    const QString &FurtherText() const { return head.furtherText; }
    // A topic may keep only part of the stored hint.
    void SetHintText(const QString &text) { head.hintText = text; }

private:
    const Tables tables;
    QuizSeries series;
    PictureHead head;
    long reportedBadRows = 0; // the picture whose unreadable line row was reported
};
