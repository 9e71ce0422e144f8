#include "core/Main.h"

#include "core/AboutForm.h"
#include "core/LoadUser.h"
#include "core/ProgramDatabase.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "platform/graphics/Twips.h"
#include "platform/help/HelpViewer.h"
#include "platform/process/SingleInstance.h"
#include "platform/window/Form.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}

MainWindowShower &shower()
{
    static MainWindowShower s;
    return s;
}

QPointer<QWidget> &mainWindow()
{
    static QPointer<QWidget> window;
    return window;
}

EndHandler &endHandler()
{
    static EndHandler handler;
    return handler;
}

// The one instance guard of this run, for the program folder it was made
// for; it belongs to the application object, so it goes when that does.
struct InstanceGuard {
    QPointer<SingleInstance> instance;
    QString folder;
};

SingleInstance &instanceFor(const QString &folder)
{
    static InstanceGuard guard;
    if (guard.instance && guard.folder != folder)
        delete guard.instance.data();
    if (!guard.instance) {
        guard.instance = new SingleInstance(folder, QCoreApplication::instance());
        guard.folder = folder;
        guard.instance->SetActivateHandler([](const QString &) { return RestoreAndActivate(MainWindow()); });
    }
    return *guard.instance;
}
} // namespace

QString AppPathFrom(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString ProgramFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString &folder) { folderOverride() = folder; }

void SetMainWindowShower(MainWindowShower s) { shower() = std::move(s); }
QWidget *MainWindow() { return mainWindow().data(); }

void SetEndHandler(EndHandler handler) { endHandler() = std::move(handler); }

void EndProgram(int code)
{
    if (endHandler()) {
        endHandler()(code);
        return;
    }
#if defined(__SANITIZE_ADDRESS__)
    // _Exit skips the leak check a sanitizer build runs at a normal exit.
    __lsan_do_leak_check();
#endif
    std::_Exit(code);
}

bool PrevInstance() { return instanceFor(ProgramFolder()).PrevInstance(); }

void HandOver()
{
    const QString title = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(title + QStringLiteral(" - Duplicate"));
    const bool done = instanceFor(ProgramFolder()).ActivatePrevious(title, QCoreApplication::applicationName());
    // The exit status tells whether the running copy answered.
    EndProgram(done ? 0 : 1);
}

bool RestoreAndActivate(QWidget *window)
{
    if (!window)
        return false;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    // A modal window open over the main window stays in front of it.
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != window) {
        modal->raise();
        modal->activateWindow();
    }
    return true;
}

void Main()
{
    const QString location = QStringLiteral("Mainmod:Main");

    Trap(location, [] { AppPath = AppPathFrom(ProgramFolder()); });
    // Without its database nothing works: the program ends after the one
    // message, before any step that would use the file.
    if (!DatabaseOpens(location, AppPath + QStringLiteral("CALVOREN.MDB"))) {
        FormInstance<AboutForm>().Unload();
        return;
    }
    Trap(location, [] {
        SetAppHelpFile(AppPath + QStringLiteral("NORVANTA.CHM"));
        Form::SetHelpHandler(
            [](int helpContext) { HtmlHelp(nullptr, AppHelpFile(), HelpCommand::HelpContext, helpContext); });
    });
    Trap(location, [] { LoadUser(); });
    Trap(location, [] {
        if (Twips::ScreenWidth() < 10000)
            WindowMode = 2;
    });
    Trap(location, [] {
        if (shower())
            mainWindow() = shower()();
    });
    Trap(location, [] { FormInstance<AboutForm>().Unload(); });
}
