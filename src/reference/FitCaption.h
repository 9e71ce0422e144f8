#pragma once

class QLabel;

// The window font is wider than the one the labels were sized for: a caption
// that would not fit its label is set a little narrower, down to 70 percent.
void FitCaption(QLabel &label);
