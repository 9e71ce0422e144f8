#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

// One running copy of the program per program folder, since the copies of a
// folder share its database. The first copy holds a lock file and listens on a
// local socket; a later copy finds the lock taken and asks the running copy,
// through the socket, to bring its window forward.
//
// The request is one line, "ACTIVATE", the title of the copy asked for and the
// title of the copy asking, separated by tabs; the answer is one line, "DONE"
// once the running copy has activated its window, or "NO" when the request was
// not meant for it.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // programFolder names the copies that belong together.
    explicit SingleInstance(const QString &programFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when another copy of the same folder is running. Otherwise this copy
    // takes the lock and answers later copies for as long as it runs.
    bool PrevInstance();

    // What the running copy does when a later copy asks for it by its
    // application title: restore its window and make it the active one.
    // Returns false when it has no window to show yet. A request naming
    // another title is refused.
    using ActivateHandler = std::function<bool(const QString &title)>;
    void SetActivateHandler(ActivateHandler handler);

    // Asks the running copy titled title to activate its window, naming this
    // copy as ownTitle, and waits until it has done so. False when no copy
    // answered within timeoutMs or the running copy refused.
    bool ActivatePrevious(const QString &title, const QString &ownTitle, int timeoutMs = 5000);

    // Where a copy of programFolder listens (a socket path).
    static QString ServerName(const QString &programFolder);

private:
    struct Peer;

    void Listen();
    void Accept();
    void Read(Peer *peer);
    void Drop(Peer *peer);

    const QString programFolder;
    ActivateHandler activate;
    int lock = -1; // the lock file, open and locked while this copy runs
    int listener = -1;
    QByteArray socketPath;
    QSocketNotifier *accepting = nullptr;
    std::vector<std::unique_ptr<Peer>> peers;
};
