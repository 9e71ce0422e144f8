#include "platform/process/SingleInstance.h"

#include "platform/process/UnixSocket.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray RequestWord = QByteArrayLiteral("ACTIVATE");
const QByteArray DoneWord = QByteArrayLiteral("DONE");
const QByteArray NoWord = QByteArrayLiteral("NO");
// A request is two titles long; a copy sending more is not one of ours.
constexpr qsizetype LongestRequest = 64 * 1024;
constexpr mode_t OwnerOnly = S_IRUSR | S_IWUSR;

// Socket and lock live side by side in the user's runtime folder, named after
// the program folder so that copies of different folders never meet.
QString basePath(const QString &programFolder)
{
    QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(programFolder).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return runtime + QStringLiteral("/norvanta-") + QString::fromLatin1(hash);
}
} // namespace

// A copy that has connected to the running one, and what it has sent so far.
struct SingleInstance::Peer {
    int fd;
    QSocketNotifier *notifier;
    QByteArray received;
};

SingleInstance::SingleInstance(const QString &programFolder, QObject *parent)
    : QObject(parent), programFolder(programFolder)
{
}

SingleInstance::~SingleInstance()
{
    for (const auto &peer : peers) {
        delete peer->notifier;
        ::close(peer->fd);
    }
    if (listener >= 0) {
        delete accepting;
        ::close(listener);
        // Removed while the lock is still ours, so never a later copy's socket.
        ::unlink(socketPath.constData());
    }
    if (lock >= 0)
        ::close(lock);
}

QString SingleInstance::ServerName(const QString &programFolder) { return basePath(programFolder) + ".socket"; }

void SingleInstance::SetActivateHandler(ActivateHandler handler) { activate = std::move(handler); }

bool SingleInstance::PrevInstance()
{
    if (lock >= 0)
        return false; // this copy is the running one
    // The system holds the lock while the file is open and lets it go when
    // the copy ends, however it ends: a file left by a copy that died is
    // simply taken. The file itself stays, so copies always meet on one file.
    const QByteArray path = QFile::encodeName(basePath(programFolder) + ".lock");
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, OwnerOnly);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        if (error == EWOULDBLOCK)
            return true;
        qWarning("Cannot tell whether another copy of the program runs: %s: %s", path.constData(),
                 std::strerror(error));
        return false;
    }
    lock = fd;
    Listen();
    return false;
}

void SingleInstance::Listen()
{
    const QByteArray path = QFile::encodeName(ServerName(programFolder));
    sockaddr_un address;
    if (!UnixSocket::AddressFor(path, address)) {
        qWarning("Cannot answer other copies of the program: the socket path %s is too long", path.constData());
        return;
    }
    // A socket file left by a copy that died is ours to replace: we hold the lock.
    ::unlink(path.constData());
    const int fd = UnixSocket::Open();
    // Linux gives the socket file the socket's own mode, so no other user can
    // connect between bind and chmod; the chmod covers other systems.
    if (fd >= 0)
        ::fchmod(fd, OwnerOnly);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::chmod(path.constData(), OwnerOnly) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        ::unlink(path.constData());
        qWarning("Cannot answer other copies of the program: %s", std::strerror(error));
        return;
    }
    listener = fd;
    socketPath = path;
    accepting = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(accepting, &QSocketNotifier::activated, this, &SingleInstance::Accept);
}

void SingleInstance::Accept()
{
    for (;;) {
        const int fd = ::accept(listener, nullptr, nullptr);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // none left waiting
        }
        if (!UnixSocket::Prepare(fd)) {
            ::close(fd);
            continue;
        }
        peers.push_back(std::make_unique<Peer>(Peer{fd, new QSocketNotifier(fd, QSocketNotifier::Read, this), {}}));
        Peer *peer = peers.back().get();
        connect(peer->notifier, &QSocketNotifier::activated, this, [this, peer] { Read(peer); });
    }
}

// Reads what has come; the request may arrive in pieces, and the copy that
// sends it is answered once it is whole.
void SingleInstance::Read(Peer *peer)
{
    char buffer[256];
    qsizetype end = -1;
    while (end < 0) {
        const ssize_t n = ::recv(peer->fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // the rest comes later
        if (n <= 0 || peer->received.size() + n > LongestRequest) {
            Drop(peer); // gone without a request, or not one of ours
            return;
        }
        peer->received.append(buffer, n);
        end = peer->received.indexOf('\n');
    }
    // Nothing more is read from this copy, even should the handler run events.
    peer->notifier->setEnabled(false);
    const QList<QByteArray> parts = peer->received.left(end).trimmed().split('\t');
    bool done = false;
    if (parts.size() == 3 && parts[0] == RequestWord) {
        const QString wanted = QString::fromUtf8(parts[1]);
        const QString asking = QString::fromUtf8(parts[2]);
        const QString title = QCoreApplication::applicationName();
        // A copy that still carries the title asked for would be asking itself.
        if (wanted == title && asking != title && activate)
            done = activate(wanted);
    }
    // The short answer fits the unused send buffer; a copy that has gone misses it.
    const QByteArray answer = (done ? DoneWord : NoWord) + '\n';
    while (::send(peer->fd, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL | MSG_DONTWAIT) < 0 &&
           errno == EINTR) {
    }
    Drop(peer);
}

void SingleInstance::Drop(Peer *peer)
{
    peer->notifier->setEnabled(false);
    // Its signal may be the one running now.
    peer->notifier->deleteLater();
    ::close(peer->fd);
    peers.erase(std::find_if(peers.begin(), peers.end(), [peer](const auto &p) { return p.get() == peer; }));
}

bool SingleInstance::ActivatePrevious(const QString &wanted, const QString &ownTitle, int timeoutMs)
{
    const QByteArray path = QFile::encodeName(ServerName(programFolder));
    sockaddr_un address;
    if (!UnixSocket::AddressFor(path, address)) {
        qWarning("Cannot reach the running copy of the program: the socket path %s is too long", path.constData());
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    const int fd = UnixSocket::Connect(address, deadline);
    if (fd < 0)
        return false;
    const QByteArray request = RequestWord + '\t' + wanted.toUtf8() + '\t' + ownTitle.toUtf8() + '\n';
    const bool done =
        UnixSocket::SendAll(fd, request, deadline) && UnixSocket::ReceiveLine(fd, deadline).trimmed() == DoneWord;
    ::close(fd);
    return done;
}
