#include "platform/window/Form.h"

#include "platform/graphics/Fonts.h"
#include "platform/graphics/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {
Form::ModalHook &modalHook()
{
    static Form::ModalHook hook;
    return hook;
}

Form::HelpHandler &helpHandler()
{
    static Form::HelpHandler handler;
    return handler;
}

std::vector<QPointer<Form>> &registry()
{
    static std::vector<QPointer<Form>> forms;
    return forms;
}
} // namespace

Form::Form(const QString &caption, int helpContext, bool fixedFrame)
    : QDialog(nullptr), helpContext(helpContext)
{
    setWindowTitle(caption);
    setFont(FormFont());
    setModal(false);
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (!fixedFrame)
        flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    setSizeGripEnabled(!fixedFrame);
}

void Form::SetModalHook(ModalHook hook) { modalHook() = std::move(hook); }
void Form::SetHelpHandler(HelpHandler handler) { helpHandler() = std::move(handler); }

void Form::Load()
{
    if (loaded)
        return;
    loaded = true;
    resizedSinceLoad = false;
    frameParts.clear();
    for (QObject *child : children())
        frameParts.emplace_back(child);
    CreateControls();
    KeepMinimumSize();
    Form_Load();
}

void Form::KeepMinimumSize()
{
    if (minimumOuter.isEmpty())
        return;
    // The designed frame holds the menu bar; the bar the window really has
    // is added to the client area below it.
    const auto *bar = findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    const int barHeight = bar ? bar->sizeHint().height() : 0;
    setMinimumSize(Twips::ToPixelsX(minimumOuter.width() - FrameWidth),
                   Twips::ToPixelsY(minimumOuter.height() - FrameHeight) + barHeight);
}

void Form::ShowModal()
{
    Load();
    if (!loaded) // the load steps unloaded the window again
        return;
    inModal = true;
    if (modalHook()) {
        modalHook()(*this);
    } else {
        // The opener becomes active again when this window closes, as it
        // does under a window manager, so its timers and animations resume.
        QPointer<QWidget> opener = QApplication::activeWindow();
        setWindowModality(Qt::ApplicationModal);
        exec();
        setWindowModality(Qt::NonModal);
        if (opener && opener != this && opener->isVisible())
            opener->activateWindow();
    }
    inModal = false;
    if (loaded)
        Form_Unload();
    DestroyControls();
}

void Form::ShowModeless()
{
    Load();
    if (loaded)
        show();
}

void Form::Unload()
{
    if (!loaded)
        return;
    Form_Unload();
    loaded = false;
    if (inModal) {
        // ShowModal destroys the controls once its wait has ended.
        done(QDialog::Rejected);
        return;
    }
    hide();
    // The caller may be a handler of one of these controls.
    for (QObject *control : BuiltControls())
        control->deleteLater();
    emit Unloaded();
}

void Form::DestroyControls()
{
    hide();
    loaded = false;
    for (QObject *control : BuiltControls())
        delete control;
    emit Unloaded();
}

QObjectList Form::BuiltControls() const
{
    // Qt keeps pointers of its own to parts of the frame (QDialog to its size
    // grip): destroying one would leave the dialog using freed memory.
    QObjectList built;
    for (QObject *child : children())
        if (std::find(frameParts.begin(), frameParts.end(), child) == frameParts.end())
            built << child;
    return built;
}

int Form::LeftTwips() const { return Twips::FromPixelsX(pos().x()); }
int Form::TopTwips() const { return Twips::FromPixelsY(pos().y()); }
int Form::WidthTwips() const { return Twips::FromPixelsX(width()); }
int Form::HeightTwips() const { return Twips::FromPixelsY(height()); }

void Form::ResizeTwips(int width, int height) { resize(Twips::ToPixelsX(width), Twips::ToPixelsY(height)); }

void Form::SetDefaultButton(QPushButton *button)
{
    defaultButton = button;
    if (button)
        button->setDefault(true);
}

void Form::SetCancelButton(QPushButton *button) { cancelButton = button; }

bool Form::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && loaded)
        Form_Activate();
    else if (e->type() == QEvent::WindowDeactivate && loaded)
        Form_Deactivate();
    return QDialog::event(e);
}

void Form::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    if (loaded) {
        resizedSinceLoad = true;
        Form_Resize();
    }
}

void Form::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (loaded && !resizedSinceLoad) {
        resizedSinceLoad = true;
        Form_Resize();
    }
}

void Form::closeEvent(QCloseEvent *e)
{
    if (loaded && Form_QueryUnload()) {
        e->ignore();
        return;
    }
    e->accept();
    if (loaded && !inModal)
        Unload();
    else
        QDialog::closeEvent(e);
}

void Form::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
        if (cancelButton && cancelButton->isVisibleTo(this) && cancelButton->isEnabled())
            cancelButton->click();
        e->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (defaultButton && defaultButton->isVisibleTo(this) && defaultButton->isEnabled()) {
            defaultButton->click();
            e->accept();
            return;
        }
        break;
    case Qt::Key_F1:
        if (helpHandler() && helpContext > 0)
            helpHandler()(helpContext);
        e->accept();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(e);
}

namespace Forms {
void Register(Form *form) { registry().emplace_back(form); }

void DestroyAll()
{
    auto forms = std::move(registry());
    registry().clear();
    for (auto &form : forms)
        delete form.data();
}
} // namespace Forms
