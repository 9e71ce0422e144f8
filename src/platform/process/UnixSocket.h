#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

#include <sys/un.h>

// Plain AF_UNIX stream sockets, for the copies of the program to talk through
// without a network library. Every socket made here is non-blocking and not
// inherited by programs this one starts; the calls that wait give up at their
// deadline, and a call a signal interrupts is carried on.
namespace UnixSocket {
// The address of the socket file at path. False when path does not fit, since
// a shortened path would name another file.
bool AddressFor(const QByteArray &path, sockaddr_un &address);

// Makes fd, a socket from elsewhere such as accept, like those made here.
bool Prepare(int fd);

// A new socket, or -1.
int Open();

// A socket connected to address, or -1. A refused connection is tried again
// until the deadline, for the other side may not be listening yet.
int Connect(const sockaddr_un &address, const QDeadlineTimer &deadline);

// False when the other side went away or the deadline passed first.
bool SendAll(int fd, const QByteArray &data, const QDeadlineTimer &deadline);

// The first line received, without its end; empty when none came in time.
QByteArray ReceiveLine(int fd, const QDeadlineTimer &deadline);
} // namespace UnixSocket
