#pragma once

class QListWidget;

// Lets a list show every entry whole in its width: an entry longer than a row
// wraps onto as many lines as it needs, every line after its first indented
// so that the entry reads as one and its next line never as another entry;
// the list never scrolls sideways, and the rows are laid out again when the
// list changes width.
void WrapEntries(QListWidget &list);
