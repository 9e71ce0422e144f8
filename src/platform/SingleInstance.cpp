#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {
const QByteArray RequestWord = QByteArrayLiteral("ACTIVATE");
const QByteArray DoneWord = QByteArrayLiteral("DONE");
const QByteArray NoWord = QByteArrayLiteral("NO");

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

SingleInstance::SingleInstance(const QString &programFolder, QObject *parent)
    : QObject(parent), programFolder(programFolder)
{
}

SingleInstance::~SingleInstance()
{
    if (server)
        server->close();
}

QString SingleInstance::ServerName(const QString &programFolder) { return basePath(programFolder) + ".socket"; }

void SingleInstance::SetActivateHandler(ActivateHandler handler) { activate = std::move(handler); }

bool SingleInstance::PrevInstance()
{
    if (lock)
        return false; // this copy is the running one
    auto candidate = std::make_unique<QLockFile>(basePath(programFolder) + ".lock");
    // Only a living holder counts; a copy that died leaves a lock that is taken over.
    candidate->setStaleLockTime(0);
    if (!candidate->tryLock(0))
        return candidate->error() == QLockFile::LockFailedError;
    lock = std::move(candidate);
    Listen();
    return false;
}

void SingleInstance::Listen()
{
    const QString name = ServerName(programFolder);
    // A socket file left by a copy that died is ours to replace: we hold the lock.
    QLocalServer::removeServer(name);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        qWarning("Cannot answer other copies of the program: %s", qPrintable(server->errorString()));
        return;
    }
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::Answer);
}

void SingleInstance::Answer()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QList<QByteArray> parts = socket->readLine().trimmed().split('\t');
            bool done = false;
            if (parts.size() == 3 && parts[0] == RequestWord) {
                const QString wanted = QString::fromUtf8(parts[1]);
                const QString asking = QString::fromUtf8(parts[2]);
                const QString title = QCoreApplication::applicationName();
                // A copy that still carries the title asked for would be asking itself.
                if (wanted == title && asking != title && activate)
                    done = activate(wanted);
            }
            socket->write((done ? DoneWord : NoWord) + '\n');
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::ActivatePrevious(const QString &wanted, const QString &ownTitle, int timeoutMs)
{
    const QString name = ServerName(programFolder);
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running copy may hold its lock a moment before it listens.
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(qMax<qint64>(1, deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        socket.abort();
        QThread::msleep(50);
    }
    socket.write(RequestWord + '\t' + wanted.toUtf8() + '\t' + ownTitle.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(qMax<qint64>(1, deadline.remainingTime())))
        return false;
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(qMax<qint64>(1, deadline.remainingTime())))
            return false;
    }
    return socket.readLine().trimmed() == DoneWord;
}
