#include "core/AboutForm.h"
#include "core/Main.h"
#include "mainwindow/MenuForm.h"
#include "platform/graphics/FontConfigReader.h"
#include "platform/process/SessionBus.h"
#include "platform/window/Form.h"
#include "platform/window/MessageBox.h"

#include <QApplication>

#include <memory>

// The program starts with its splash: the splash's first load either hands
// over to a copy that is already running and ends the program, or runs Main,
// which shows the main window through the shower given here, or ends the
// program when its database cannot be opened.
int main(int argc, char *argv[])
{
    NeverStartSessionBus();
    FontConfigReader fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    QApplication::setApplicationName(QStringLiteral("Norvanta"));
    QApplication::setWindowIcon(ProgramIcon());
    DrawMenuIconsAhead();
    SetMsgBoxHandler(ShowMessageBox);

    std::unique_ptr<MenuForm> menu;
    SetMainWindowShower([&menu] {
        menu = std::make_unique<MenuForm>();
        menu->show();
        return menu.get();
    });

    FormInstance<AboutForm>().Load();
    if (!MainWindow()) {
        Forms::DestroyAll();
        return 1;
    }
    const int code = QApplication::exec();
    Forms::DestroyAll();
    return code;
}
