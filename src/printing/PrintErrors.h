#pragma once

#include <exception>

// The error number of a failure while printing: the printer's own number,
// 5 ("invalid procedure call") for any other failure.
long PrintErrorNumber(const std::exception &e);
