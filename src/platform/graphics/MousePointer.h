#pragma once

// The screen's mouse pointer while the program loads or saves: 11 the
// hourglass, 0 the default.
namespace MousePointer {
constexpr int Default = 0;
constexpr int Hourglass = 11;
void Set(int pointer);
int Current();
} // namespace MousePointer
