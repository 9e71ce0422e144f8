#pragma once

#include <QFont>

// The windows' text: a plain sans serif at 8.25 points, bold unless asked.
QFont FormFont(bool bold = true);

// The font of every window's menu bar.
QFont MenuFont();
