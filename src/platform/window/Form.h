#pragma once

#include <QDialog>
#include <QPointer>
#include <QSize>

#include <functional>
#include <vector>

class QPushButton;

// A window of the program. Each window exists once for the whole run,
// created on first use (FormInstance). Closing it unloads it: the controls it
// built are destroyed and the next showing builds them again and runs its load
// steps again, while the members that hold the window's own variables, and the
// parts of the frame itself (the size grip of a resizable window), keep living
// until the program ends.
class Form : public QDialog
{
    Q_OBJECT

public:
    // Loads the window if needed, shows it modally and waits until it closes;
    // the window is unloaded when this returns.
    void ShowModal();
    // Loads the window if needed and shows it without waiting.
    void ShowModeless();
    // Builds the controls and runs the load steps, without showing the window.
    void Load();
    // Closes the window and destroys its controls. Safe from the window's own
    // handlers: the controls go once the handler has returned.
    void Unload();
    bool IsLoaded() const { return loaded; }

    int HelpContext() const { return helpContext; }

    // A menu-bar window's frame as designed, around its client area below the
    // menu bar: outer size = client size + this, whatever frame the system
    // draws. Layouts written in outer sizes subtract it.
    static constexpr int FrameWidth = 120;
    static constexpr int FrameHeight = 690;

    // Geometry in twips, as the program's layouts are written.
    int LeftTwips() const;
    int TopTwips() const;
    int WidthTwips() const;
    int HeightTwips() const;
    void ResizeTwips(int width, int height);

    // Tests replace the modal wait: the hook runs on the loaded window in
    // place of the event loop and is expected to close it. Empty restores it.
    using ModalHook = std::function<void(Form &)>;
    static void SetModalHook(ModalHook hook);

    // The help viewer answers F1 with the window's help context number.
    using HelpHandler = std::function<void(int helpContext)>;
    static void SetHelpHandler(HelpHandler handler);

    // The activation events, callable by tests that cannot rely on a window
    // manager to activate windows.
    void Activate() { Form_Activate(); }
    void Deactivate() { Form_Deactivate(); }

signals:
    void Unloaded();

protected:
    Form(const QString &caption, int helpContext, bool fixedFrame);

    // A window with a sizable frame is never made smaller than this outer
    // size in twips (see FrameWidth): the window system is told at every
    // load, so a drag of the frame stops there.
    void SetMinimumOuterSize(int width, int height) { minimumOuter = QSize(width, height); }

    // Creates the controls as designed; called on every load.
    virtual void CreateControls() = 0;
    virtual void Form_Load() {}
    // Return true to cancel a close the user asked for (close box).
    virtual bool Form_QueryUnload() { return false; }
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}

    // Enter presses the default button, Esc the cancel button; a window
    // without a cancel button ignores Esc.
    void SetDefaultButton(QPushButton *button);
    void SetCancelButton(QPushButton *button);

    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The first showing after a load lays the window out (Form_Resize) even
    // when its size has not changed since the last time it was open.
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void DestroyControls();
    void KeepMinimumSize();
    // The children made since the load began: the controls and whatever they
    // brought with them, never a part of the frame.
    QObjectList BuiltControls() const;

    const int helpContext;
    bool loaded = false;
    bool inModal = false;
    bool resizedSinceLoad = false;
    QSize minimumOuter;
    QPointer<QPushButton> defaultButton;
    QPointer<QPushButton> cancelButton;
    // The window's children before its controls were built.
    std::vector<QPointer<QObject>> frameParts;
};

namespace Forms {
void Register(Form *form);
// Destroys every window; the next use creates it anew with fresh variables.
// The program calls it at its end, tests between cases.
void DestroyAll();
} // namespace Forms

template <class T>
T &FormInstance()
{
    static QPointer<T> instance;
    if (!instance) {
        instance = new T();
        Forms::Register(instance);
    }
    return *instance;
}
