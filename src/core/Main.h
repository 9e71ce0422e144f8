#pragma once

#include <QString>

#include <functional>

class QWidget;

// Start-up of the program: Main and what the splash needs to tell a first
// copy from a second one.

// Prepares the shared state (AppPath, the help file, the user options,
// WindowMode), shows the main window and unloads the splash. Run once, from
// the splash's first load. When the database cannot be opened it says so and
// only unloads the splash: no main window is shown.
void Main();

// The program's folder with exactly one trailing separator.
QString AppPathFrom(const QString &folder);

// The executable's folder, unless a test has put another in its place
// (empty restores the executable's).
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

// The main window belongs to a folder above this one: the program's start
// tells Main how to show it. The shower returns the window it has shown.
using MainWindowShower = std::function<QWidget *()>;
void SetMainWindowShower(MainWindowShower shower);
// The main window Main has shown, or null.
QWidget *MainWindow();

// True when another copy of this program folder is already running. A first
// copy takes its place and from now on answers later copies by restoring and
// activating its main window.
bool PrevInstance();

// The second copy's way out: it renames itself with " - Duplicate", asks the
// running copy to restore and activate its main window, waits until that is
// done and ends the program.
void HandOver();

// Ends the program at once: no window gets its closing events. The exit
// status is 0 or the code given. Tests put a recorder in its place (empty
// restores the real end).
void EndProgram(int code = 0);
using EndHandler = std::function<void(int code)>;
void SetEndHandler(EndHandler handler);

// Restores a minimised window and makes it the active window, above the others.
bool RestoreAndActivate(QWidget *window);
