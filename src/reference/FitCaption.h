#pragma once

class QLabel;

// Some labels were sized to their caption's width in the face they were drawn
// for: a caption that would not fit its label, measured as the label lays it
// out, is set a little narrower, down to 70 percent.
void FitCaption(QLabel &label);
