#pragma once

class QListWidget;

// Lets a list show every entry whole in its width: an entry longer than a row
// wraps onto as many lines as it needs, the list never scrolls sideways, and
// the rows are laid out again when the list changes width.
void WrapEntries(QListWidget &list);
