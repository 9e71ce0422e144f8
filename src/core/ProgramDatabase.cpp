#include "core/ProgramDatabase.h"

#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {
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

bool DatabaseOpens(const QString &location, const QString &path)
{
    // Another user's lock is waited out as in every step; any other failure
    // is told here, in the one message.
    std::optional<StepError> failure;
    Trap(location, [&] {
        try {
            Database::OpenDatabase(path)->Close();
        } catch (const std::exception &e) {
            const StepError error = ErrorOf(e);
            if (IsLockError(error.number))
                throw;
            failure = error;
        }
    });
    // Cancelled while another user held the file: it is there, so the
    // program goes on.
    if (!failure)
        return true;
    MsgBox(CannotRun(path, *failure), MsgBoxStyle::Exclamation, QStringLiteral("Help"));
    return false;
}
