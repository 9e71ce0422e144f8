#pragma once

#include <QString>
#include <QStringList>

// The program-wide variables through which the windows pass values to one
// another: written just before a modal window is shown, read after it returns.
// Every variable starts at zero, false or the empty text.

extern QString AppPath;        // the program's folder, always ending in the separator
extern int ListType;           // topic of the item list, TopicCode - 1
extern bool ListEdit;          // item list opened from an editor
extern long ListRecord;        // RECORD chosen in the item list, 0 = none
extern int WindowMode;         // 0 normal, 1 minimised, 2 maximised
extern int Response;           // answer code between quiz, answer and statistics windows
extern QString ChosenAnswer;   // text of the choice clicked
extern int SoundMode;          // 0..4, how sound signals are given
extern bool ShowIntro;         // show the introduction at the next activation
extern bool MultiChoice;       // multiple-choice test mode
extern long TryCount;          // answers given since the statistics were closed
extern long CorrectCount;      // right answers since the statistics were closed
extern bool LinkMode;          // a quiz window is open on a linked series
extern int LinkTypeTwo;        // TopicCode of the linked series
extern int LinkTypeOne;        // TopicCode of the window that asked for the link
extern long LinkRecordOne;     // RECORD of the picture that asked for the link
extern QStringList PrintLines; // word-wrapped lines of the last text wrapped for printing

// Puts every variable back to its starting value (tests).
void ResetGlobals();
