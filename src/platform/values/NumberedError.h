#pragma once

#include <stdexcept>

// An error a device raises with a number of its own, which the error reporter
// shows beside its text.
class NumberedError : public std::runtime_error
{
public:
    NumberedError(long number, const char *description) : std::runtime_error(description), number(number) {}
    long Number() const { return number; }

private:
    long number;
};
