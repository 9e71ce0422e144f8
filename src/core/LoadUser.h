#pragma once

#include <QVariant>

#include <functional>
#include <initializer_list>

class Database;
class Recordset;

// The user options, kept in the one record of the USER table: OPTION1 the
// sound mode "0" to "4", OPTION2 multiple-choice mode and OPTION10 the
// introduction, "Y" or "N". A missing value means the default: sound mode 0,
// both options on.

// Copies the options into SoundMode, MultiChoice and ShowIntro.
void LoadUser();

// Opens USER on its first record. A database that has lost its record gets
// one with the defaults, so that reading and saving the options keep working.
Recordset OpenUserRecord(Database &db);

// The sound mode a stored OPTION1 stands for: the leading number of its text,
// rounded halves to even; Null, no number or a mode outside 0 to 4 give 0.
int SoundModeFrom(const QVariant &option1);

// A yes/no option: on when Null or exactly "Y".
bool OptionOn(const QVariant &value);

// The frame of every procedure that works on the options record: opens the
// database and the record, runs the steps in order, closes the record and the
// database. Each of these is one step of the procedure: a failure is reported
// with the location text and the step runs again or is passed over, as the
// error reporter answers. A step that needs the record when it could not be
// opened fails in its turn.
using UserStep = std::function<void(Recordset &rs)>;
void WithUserRecord(const QString &location, std::initializer_list<UserStep> steps);

// The three stored texts as read by a procedure of that frame; a value that
// cannot be read stays Null and so stands for its default.
struct StoredOptions {
    QVariant option1;
    QVariant option2;
    QVariant option10;
};
StoredOptions ReadUserRecord(const QString &location);
