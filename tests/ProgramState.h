#pragma once

// Puts the program back in its first state between tests: no window, every
// hook a test can set back to the program's own, the program-wide variables
// and the error reporter as at start. The twips scale and the screen size
// stay the test's own: some set them once for all their tests.
void ResetProgramState();
