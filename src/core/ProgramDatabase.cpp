#include "core/ProgramDatabase.h"

#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {
const QString Location = QStringLiteral("Mainmod:Main");

// What stands in the way, and what to move aside before a build can make a
// fresh database in its place; the user's old file is never deleted for them.
QString CannotRun(const QString &path, const StepError &error)
{
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QString reason;
    QString moveAside;
    if (QFileInfo(path).isDir()) {
        reason = QStringLiteral("A folder of that name stands where the file should be.");
        moveAside = QStringLiteral("move that folder away and ");
    } else if (error.number == DbError::FileNotFound) {
        reason = QStringLiteral("The file is not there.");
    } else {
        reason = QStringLiteral("It could not be opened: %1").arg(error.description);
        moveAside = QStringLiteral("move that file away and ");
    }
    return QStringLiteral("Norvanta cannot run without its database, %1. %2\r\n\r\n"
                          "To get a fresh database, %3build Norvanta again: a build makes the database "
                          "when the program's folder has none. A fresh database holds only the starter "
                          "pictures and the first options.")
        .arg(file, reason, moveAside);
}
} // namespace

bool DatabaseOpens(const QString &path)
{
    std::optional<StepError> failure;
    const bool opened = Handle(
        [&failure](const StepError &e) {
            if (IsLockError(e.number))
                return ReportError(Location, e.number, e.description) != 0;
            failure = e;
            return false;
        },
        [&path] { Database::OpenDatabase(path)->Close(); });
    if (opened)
        EndLockRun();
    // Cancelled while another user held the file: it is there, so the
    // program goes on.
    if (!failure)
        return true;
    MsgBox(CannotRun(path, *failure), MsgBoxStyle::Exclamation, QStringLiteral("Help"));
    return false;
}
