#include "platform/process/UnixSocket.h"

#include <QThread>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// False when the deadline passes first.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(std::clamp<qint64>(deadline.remainingTime(), 0, INT_MAX)));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool wouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK; }
} // namespace

namespace UnixSocket {
bool AddressFor(const QByteArray &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

bool Prepare(int fd)
{
    const int status = ::fcntl(fd, F_GETFL);
    const int flags = ::fcntl(fd, F_GETFD);
    return status >= 0 && flags >= 0 && ::fcntl(fd, F_SETFL, status | O_NONBLOCK) == 0
        && ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC) == 0;
}

int Open()
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0 && !Prepare(fd)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int Connect(const sockaddr_un &address, const QDeadlineTimer &deadline)
{
    for (;;) {
        const int fd = Open();
        if (fd >= 0) {
            if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
                return fd;
            // Interrupted or under way, the connection goes on by itself.
            if ((errno == EINPROGRESS || errno == EINTR) && waitFor(fd, POLLOUT, deadline)) {
                int error = 0;
                socklen_t size = sizeof error;
                if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0)
                    return fd;
            }
            ::close(fd);
        }
        if (deadline.hasExpired())
            return -1;
        QThread::msleep(ulong(qMin<qint64>(50, deadline.remainingTime())));
    }
}

bool SendAll(int fd, const QByteArray &data, const QDeadlineTimer &deadline)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        // A side that has gone gives EPIPE, not a signal that ends the program.
        const ssize_t n = ::send(fd, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && (errno == EINTR || (wouldBlock() && waitFor(fd, POLLOUT, deadline))))
            continue;
        else
            return false;
    }
    return true;
}

QByteArray ReceiveLine(int fd, const QDeadlineTimer &deadline)
{
    QByteArray received;
    char buffer[64];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            received.append(buffer, n);
            if (const qsizetype end = received.indexOf('\n'); end >= 0)
                return received.left(end);
        } else if (!(n < 0 && (errno == EINTR || (wouldBlock() && waitFor(fd, POLLIN, deadline))))) {
            return {};
        }
    }
}
} // namespace UnixSocket
