#pragma once

#include "quiz/session/OfferedChoices.h"

#include <functional>
#include <vector>

class ChoiceList;

// Shows a quiz window's choice list filled with the choices read gives, with
// a wait cursor while they are read.
void LoadChoices(ChoiceList &Clist, const std::function<std::vector<Choice>()> &read);

// The user chose an entry: the answer window judges it, and after a right
// answer that the user goes on from, ShowNext moves the quiz to the next
// picture; otherwise the same list stays for another try.
void Clist_Click(ChoiceList &Clist, const std::function<void()> &ShowNext);
