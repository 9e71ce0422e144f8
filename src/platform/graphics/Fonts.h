#pragma once

#include <QFont>

// The windows' text: a plain sans serif at 8.25 points, bold unless asked.
QFont FormFont(bool bold = true);

// The printed documents' text, at the windows' size: a condensed face (from
// the fonts-dejavu-extra package) whose text lines clear the row lines.
QFont PrintFont(bool bold = true);

// The font of every window's menu bar.
QFont MenuFont();
