#pragma once

#include "platform/ask/MsgBox.h"

// The box MsgBox shows in the program: a modal window over the active one.
int ShowMessageBox(const MsgBoxCall &call);
