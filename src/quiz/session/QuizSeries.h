#pragma once

#include <vector>

// The series of a quiz window: the picture numbers in play order and the place
// of the picture on show. It holds every picture loaded, however many.
class QuizSeries
{
public:
    // Takes the numbers in the order loaded; the place goes back to the start.
    void Load(std::vector<long> records);
    // Puts the series in a new random order (Fisher-Yates).
    void Shuffle();

    bool IsEmpty() const { return items.empty(); }
    long LastIndex() const { return static_cast<long>(items.size()) - 1; }
    long Position() const { return position; }
    // RECORD of the picture on show; 0 names no picture (an empty series).
    long RecordNo() const { return recordNo; }
    const std::vector<long> &Items() const { return items; }

    // Navigation never wraps: at either end the same picture is taken again.
    void ShowFirst() { MoveTo(0); }
    void ShowPrevious() { MoveTo(position > 0 ? position - 1 : 0); }
    void ShowNext() { MoveTo(position < LastIndex() ? position + 1 : LastIndex()); }
    void ShowLast() { MoveTo(LastIndex()); }
    // Moves to the first entry holding record; false, and no change, when the
    // series does not hold it.
    bool JumpTo(long record);

    // The last picture is about to be shown again right after it was shown.
    bool EndReachedAgain() const { return !IsEmpty() && position == lastShown + 1 && position == LastIndex(); }
    // Called when a show has completed.
    void MarkShown() { lastShown = position - 1; }

private:
    void MoveTo(long index);

    std::vector<long> items;
    long position = 0;
    long recordNo = 0;
    // Position - 1 of the last completed show; kept for the window's life.
    long lastShown = 0;
};
