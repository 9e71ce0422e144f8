#pragma once

#include <thread>

// The system's font configuration takes the first text drawn several
// milliseconds to read. A reader started before the application connects to
// the display reads it on a thread of its own meanwhile, so the splash paints
// as soon as it is shown. Wait() returns once it is read.
class FontConfigReader
{
public:
    FontConfigReader();
    ~FontConfigReader();
    FontConfigReader(const FontConfigReader &) = delete;
    FontConfigReader &operator=(const FontConfigReader &) = delete;

    void Wait();

private:
    std::thread reader;
};
