#pragma once

#include "mainwindow/NightScene.h"

#include <QMainWindow>
#include <QPoint>
#include <QTimer>

#include <array>

class PictureBox;
class QAction;
class QIcon;
class QLabel;
class QMenu;

// The program's icon, shown by every window.
QIcon ProgramIcon();

// Starts drawing the main window's icons on a thread of their own, so that
// the first main window finds them drawn; once the application exists.
void DrawMenuIconsAhead();

// The program's main window: the File menu and the row of ten icons open the
// topics, the Maintain menu the user options and the five editors, the Help
// menu the help file and the About box; below the icons runs the night scene.
// The only modeless window after start-up; every window it opens is modal.
class MenuForm : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int IconCount = 10;
    static constexpr int ExitIcon = 5;
    static constexpr int UserOptionsIcon = 8;
    static constexpr int HelpContext = 10000;

    MenuForm();
    ~MenuForm() override;

    // Closes every help window and ends the program at once.
    void AppDie();

    // The activation events, for tests that cannot rely on a window manager.
    void Activate() { Form_Activate(); }
    void Deactivate() { Form_Deactivate(); }

    // Controls, as the window built them.
    QMenu *FileMenu = nullptr;
    QMenu *MaintMenu = nullptr;
    QMenu *HelpMenu = nullptr;
    std::array<QAction *, 8> Fmenu{};
    std::array<QAction *, 6> Mmenu{};
    std::array<QAction *, 5> Hmenu{};
    std::array<QLabel *, IconCount> Simage{};
    QLabel *Slabel0 = nullptr;
    // The window's own drawing surface: the icon frames are drawn on it.
    PictureBox *Surface = nullptr;
    std::array<PictureBox *, 3> Mpicture{};
    QLabel *Mlabel0 = nullptr;
    QTimer Mtimer;
    QTimer Ltimer;

    // Icon that has the raised frame; -2 = none.
    long CurrentIcon = 0;
    QString HoverText;
    NightScene Scene;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CreateControls();
    void CreateMenus();
    void Form_Load();
    void Form_Activate();
    void Form_Deactivate();
    void Form_Resize();
    // Positions in twips of the window's inner area; shift is any of Shift,
    // Ctrl and Alt held.
    void Form_MouseMove(QPoint position);
    void Form_MouseUp(bool shift);
    // Returns true to keep the window open.
    bool Form_QueryUnload(int unloadMode);
    void Fmenu_Click(int index);
    void Mmenu_Click(int index);
    void Hmenu_Click(int index);
    void Simage_Click(int index);
    void Simage_MouseMove(int index, QPoint position);
    void DrawIconFrame(int index, long colour);
    void ShowUserOptions();

    // Previous mouse-move positions over the icons and over the background.
    QPoint lastIconMove;
    QPoint lastFormMove;
    bool showingIntro = false;
    // The icon a left button went down on, -1 none.
    int pressedIcon = -1;
};
