#pragma once

#include <QList>
#include <QString>

#include <vector>

class QAction;

// The answer-text and link services every quiz window shares. A topic travels
// as its code: 1 lights, 2 day shapes, 3 buoys, 4 sound signals, 5 collisions.

// The answer text (TEXT) of picture ChoiceRecord of topic Kind, or
// "Answer Not Found" when the topic's head table holds no such picture.
QString ReadPossible(long Kind, long ChoiceRecord);

// The topics that picture RecordOne of topic TypeOne links to, never its own
// topic. A failure is reported as "Mainmod:WhatLink"; the topics read before
// it are kept.
std::vector<long> LinkedTopics(long TypeOne, long RecordOne);

// Enables, among a quiz window's five Links menu items (item i for topic
// i + 1), exactly those of the topics given.
void WhatLink(const QList<QAction *> &Lmenu, const std::vector<long> &topics);

// Opens the quiz window of topic TypeTwo in link mode on the pictures linked
// from picture RecordOne of topic TypeOne, and returns when it has closed.
// The opened window clears LinkMode when it closes.
void ShowLink(long TypeTwo, long TypeOne, long RecordOne);
