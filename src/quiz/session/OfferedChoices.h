#pragma once

#include <QString>

#include <vector>

class Database;

// A possible answer offered in multiple-choice mode: the text and whether it
// is the right one (-1) or a wrong one (0).
struct Choice {
    QString text;
    int value = 0;
};

// The choices stored for picture recordNo of a topic, in the order of the
// index "HEADTYPE": the text of each ALTERNATIVES row's picture as
// ReadPossible gives it ("Answer Not Found" for a deleted one), right or wrong
// as the row says. Without rows the picture's own answerText alone, right.
std::vector<Choice> ReadOfferedChoices(Database &db, long topicCode, long recordNo, const QString &answerText);

// The choices offered for picture recordNo, in a random order. Failures go to
// the error reporter with location ("LightForm:LoadChoices" and its twins).
std::vector<Choice> OfferedChoices(long topicCode, long recordNo, const QString &answerText, const QString &location);
