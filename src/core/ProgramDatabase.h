#pragma once

#include <QString>

// The program cannot run without its database. Opens the file once, waiting
// out another user's lock as every step does; when it cannot be opened, one
// message names the file, says why and how to get a fresh database, and the
// answer is false. A lock error goes to the reporter under location.
bool DatabaseOpens(const QString &location, const QString &path);
