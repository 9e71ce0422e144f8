#include "mainwindow/MenuForm.h"

#include "buoys/BuoyForm.h"
#include "buoys/MaintBuoyForm.h"
#include "collisions/ColForm.h"
#include "collisions/MaintColForm.h"
#include "core/AboutForm.h"
#include "core/IntroForm.h"
#include "core/LoadUser.h"
#include "core/Main.h"
#include "core/UserForm.h"
#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "documents/DocumentForm.h"
#include "lights/LightForm.h"
#include "lights/MaintLightForm.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/Twips.h"
#include "platform/help/HelpViewer.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"
#include "quiz/session/TopicRegistry.h"
#include "reference/BeaufortForm.h"
#include "reference/YachtForm.h"
#include "shapes/MaintShapeForm.h"
#include "shapes/ShapeForm.h"
#include "sounds/MaintSoundForm.h"
#include "sounds/SoundForm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>
#include <future>
#include <initializer_list>

namespace {
using Colours::Grey;
using Colours::LightGrey;
using Colours::Red;
using Colours::White;

constexpr int IconTop = 120;
constexpr int IconSize = 510;
constexpr int IconPixels = 32;

template <class T>
void ShowModal()
{
    FormInstance<T>().ShowModal();
}

using Opener = void (*)();

struct IconDesign {
    int left;
    const char *file;
    const char *toolTip;
    const char *hoverText;
    // The window a click opens; Exit and User Options do more.
    Opener open;
};

// By index; the Exit icon (5) stands last in the row.
const IconDesign Icons[MenuForm::IconCount] = {
    {120, "lights", "Lights", "Lights", ShowModal<LightForm>},
    {840, "shapes", "Shapes", "Shapes", ShowModal<ShapeForm>},
    {1560, "buoys", "Buoys", "Buoys", ShowModal<BuoyForm>},
    {2280, "sounds", "Sounds", "Sounds", ShowModal<SoundForm>},
    {3000, "collision", "Collision", "Collision", ShowModal<ColForm>},
    {6600, "exit", "Leave The Program", "Exit", nullptr},
    {3720, "meteorology", "Meteorology", "Meteorology", ShowModal<BeaufortForm>},
    {4440, "yacht", "Parts Of Yacht And Sails", "Parts Of Yacht", ShowModal<YachtForm>},
    {5160, "useroptions", "User Options", "User Options", nullptr},
    {5880, "documents", "Documents", "Documents", ShowModal<DocumentForm>},
};

// File menu items 0 to 6; item 7 is "&Exit".
const Opener FileWindows[] = {ShowModal<LightForm>, ShowModal<ShapeForm>,    ShowModal<BuoyForm>, ShowModal<SoundForm>,
                              ShowModal<ColForm>,   ShowModal<BeaufortForm>, ShowModal<YachtForm>};
// Maintain menu items 1 to 5; item 0 is "&User Options".
const Opener EditorWindows[] = {ShowModal<MaintLightForm>, ShowModal<MaintShapeForm>, ShowModal<MaintBuoyForm>,
                                ShowModal<MaintSoundForm>, ShowModal<MaintColForm>};

// Inner area as designed: the scene fills the width below the icons and
// keeps the design space's proportions.
constexpr int DesignClientHeight = 5925;
constexpr int WindowWidth = 8200;
constexpr int SceneLeft = 120;
constexpr int SceneTop = 840;

// Drawn on an image, so that any thread may draw it, at the screen's pixel
// ratio: on a dense screen an icon drawn at its size in pixels would be
// enlarged and blurred.
QImage IconImage(const char *name, int pixels, qreal ratio = 1)
{
    const int side = qCeil(pixels * ratio);
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/mainwindow/icons/%1.svg").arg(QLatin1String(name)));
    QPainter p(&picture);
    renderer.render(&p, QRectF(0, 0, pixels, pixels));
    return picture;
}

using IconImages = std::array<QImage, MenuForm::IconCount>;

IconImages DrawIcons(qreal ratio)
{
    IconImages images;
    for (int i = 0; i < MenuForm::IconCount; ++i)
        images[i] = IconImage(Icons[i].file, IconPixels, ratio);
    return images;
}

// The pixel ratio of the screen a new window opens on.
qreal ScreenRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1;
}

// The icons drawn ahead for the first main window.
std::future<IconImages> &iconsAhead()
{
    static std::future<IconImages> ahead;
    return ahead;
}

QPoint ToTwips(QPoint pixels) { return QPoint(Twips::FromPixelsX(pixels.x()), Twips::FromPixelsY(pixels.y())); }

// A size that would be negative cannot be set; the control keeps its size.
void SetWidth(QWidget &control, double width)
{
    if (width >= 0)
        ResizeControl(control, width, ControlHeight(control));
}

void SetHeight(QWidget &control, double height)
{
    if (height >= 0)
        ResizeControl(control, ControlWidth(control), height);
}

// A link from one topic's quiz opens another topic's quiz window.
void RegisterQuizWindows()
{
    for (int topic = 1; topic <= 5; ++topic)
        TopicRegistry::RegisterQuiz(topic, Icons[topic - 1].open);
}
} // namespace

QIcon ProgramIcon()
{
    // Drawn once: the splash and the main window show the same pictures.
    static const QIcon icon = [] {
        // The pictures are linked in with this library.
        Q_INIT_RESOURCE(mainwindow);
        QIcon drawn(QPixmap::fromImage(IconImage("norvanta", 32)));
        drawn.addPixmap(QPixmap::fromImage(IconImage("norvanta", 64)));
        return drawn;
    }();
    return icon;
}

void DrawMenuIconsAhead()
{
    ProgramIcon(); // makes the pictures available
    iconsAhead() = std::async(std::launch::async, DrawIcons, ScreenRatio());
}

MenuForm::MenuForm()
{
    // Before the icons: it makes their pictures available.
    setWindowIcon(ProgramIcon());
    setWindowTitle(QStringLiteral("Main Menu"));
    setFont(FormFont());
    RegisterQuizWindows();
    Mtimer.setInterval(100);
    Ltimer.setInterval(100);
    CreateControls();
    Form_Load();
}

MenuForm::~MenuForm() = default;

void MenuForm::CreateControls()
{
    CreateMenus();

    Surface = new PictureBox(this);
    // The main window draws outlines only, and its frames are erased in
    // light grey, so its background is that grey.
    Surface->SetFillsShapes(false);
    Surface->SetBackColor(LightGrey);
    Surface->setMouseTracking(true);
    Surface->installEventFilter(this);
    setCentralWidget(Surface);

    IconImages pictures = iconsAhead().valid() ? iconsAhead().get() : IconImages{};
    const qreal ratio = devicePixelRatioF();
    if (pictures.front().isNull() || pictures.front().devicePixelRatio() != ratio)
        pictures = DrawIcons(ratio);
    for (int i = 0; i < IconCount; ++i) {
        auto *icon = new QLabel(Surface);
        icon->setPixmap(QPixmap::fromImage(pictures[i]));
        icon->setAlignment(Qt::AlignCenter);
        PlaceControl(*icon, Icons[i].left, IconTop, IconSize, IconSize);
        icon->setToolTip(QString::fromLatin1(Icons[i].toolTip));
        icon->setMouseTracking(true);
        icon->installEventFilter(this);
        Simage[i] = icon;
    }

    Mpicture[0] = new PictureBox(Surface);
    Mpicture[0]->SetBackColor(4210752);
    MoveControl(*Mpicture[0], SceneLeft, SceneTop);
    Mpicture[1] = new PictureBox(Surface);
    Mpicture[1]->SetBackColor(16777088);
    Mpicture[2] = new PictureBox(Mpicture[0]);
    Mpicture[2]->SetBackColor(0);
    Mpicture[2]->hide();

    Mlabel0 = new QLabel(QStringLiteral("Course And Position"), Surface);
    Mlabel0->setAlignment(Qt::AlignCenter);
    ResizeControl(*Mlabel0, ControlWidth(*Mlabel0), 255);
    Mlabel0->hide();

    Slabel0 = new QLabel(Surface);
    QPalette palette = Slabel0->palette();
    palette.setColor(QPalette::WindowText, BgrToQColor(Red));
    palette.setColor(QPalette::Window, BgrToQColor(LightGrey));
    Slabel0->setPalette(palette);
    Slabel0->setAutoFillBackground(true);
    ResizeControl(*Slabel0, ControlWidth(*Slabel0), 195);
    Slabel0->hide();

    // The pictures and labels take the pointer's moves and clicks over them
    // for themselves: only the bare background hides the frames or switches
    // the editors.
    for (QWidget *w : std::initializer_list<QWidget *>{Mpicture[0], Mpicture[1], Mpicture[2], Mlabel0, Slabel0}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    Scene.Attach(SceneControls{Mpicture[0], Mpicture[1], Mpicture[2], Mlabel0, &Mtimer, &Ltimer});
}

void MenuForm::CreateMenus()
{
    menuBar()->setFont(MenuFont());
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    const char *files[] = {"&Lights", "&Shapes", "&Buoys", "&Sounds", "&Collision", "&Meteorology", "&Parts Of Yacht",
                           "&Exit"};
    for (int i = 0; i < int(Fmenu.size()); ++i) {
        Fmenu[i] = FileMenu->addAction(QString::fromLatin1(files[i]));
        connect(Fmenu[i], &QAction::triggered, this, [this, i] { Fmenu_Click(i); });
    }

    MaintMenu = menuBar()->addMenu(QStringLiteral("&Maintain"));
    const char *maintains[] = {"&User Options", "&Lights", "&Shapes", "&Buoys", "&Sounds", "&Collision"};
    for (int i = 0; i < int(Mmenu.size()); ++i) {
        Mmenu[i] = MaintMenu->addAction(QString::fromLatin1(maintains[i]));
        // The editors wait until the editor switch turns them on.
        Mmenu[i]->setEnabled(i == 0);
        connect(Mmenu[i], &QAction::triggered, this, [this, i] { Mmenu_Click(i); });
    }

    HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    // The fourth item is the line between the help items and the About box.
    const char *helps[] = {"&Contents", "&Search For Help On", "&Index", nullptr, "About Norvanta"};
    for (int i = 0; i < int(Hmenu.size()); ++i) {
        Hmenu[i] = helps[i] ? HelpMenu->addAction(QString::fromLatin1(helps[i])) : HelpMenu->addSeparator();
        connect(Hmenu[i], &QAction::triggered, this, [this, i] { Hmenu_Click(i); });
    }
    Hmenu[1]->setVisible(false);
}

void MenuForm::Form_Load()
{
    resize(Twips::ToPixelsX(WindowWidth), menuBar()->sizeHint().height() + Twips::ToPixelsY(DesignClientHeight));
    // Never smaller than it opens, so a drag of the frame cannot lose the
    // window, its row of icons or the scene under them.
    setMinimumSize(size());
    CentreForm(*this);
}

void MenuForm::Form_Resize()
{
    PictureBox &scene = *Mpicture[0];
    PictureBox &cover = *Mpicture[1];
    PictureBox &vessel = *Mpicture[2];
    SetWidth(scene, ControlWidth(*Surface) - 240);
    SetHeight(scene, ControlHeight(*Surface) - (ControlHeight(*Mlabel0) + 960));
    SetWidth(cover, ControlWidth(scene));
    SetHeight(cover, ControlHeight(scene));
    MoveControl(cover, ControlLeft(scene), ControlTop(scene));
    MoveControl(*Mlabel0, ControlLeft(scene), ControlTop(scene) + ControlHeight(scene));
    SetWidth(*Mlabel0, ControlWidth(scene));
    Scene.SceneStep = 0;
    SetHeight(vessel, ControlHeight(cover) / 2.0);
    SetWidth(vessel, ControlWidth(cover) / 2.0);
}

void MenuForm::Form_Activate()
{
    Mtimer.start();
    // Showing the introduction deactivates this window and activates it again
    // when it closes; that activation must not show it a second time.
    if (ShowIntro && !showingIntro) {
        showingIntro = true;
        ShowModal<IntroForm>();
        showingIntro = false;
        ShowIntro = false;
    }
}

void MenuForm::Form_Deactivate()
{
    Scene.SceneStep = 0;
    Mtimer.stop();
    Ltimer.stop();
}

void MenuForm::Form_MouseMove(QPoint position)
{
    if (position == lastFormMove)
        return;
    lastFormMove = position;
    Slabel0->hide();
    CurrentIcon = -2;
    for (int i = 0; i < IconCount; ++i)
        DrawIconFrame(i, LightGrey);
}

void MenuForm::Form_MouseUp(bool shift)
{
    if (!shift)
        return;
    for (int i = 1; i <= 5; ++i)
        Mmenu[i]->setEnabled(!Mmenu[i]->isEnabled());
}

bool MenuForm::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != 0)
        return false;
    AppDie();
    return true;
}

void MenuForm::Fmenu_Click(int index)
{
    Scene.SceneStep = 0;
    if (index == 7)
        AppDie();
    else
        FileWindows[index]();
}

void MenuForm::Mmenu_Click(int index)
{
    if (index == 0)
        ShowUserOptions();
    else
        EditorWindows[index - 1]();
}

void MenuForm::Hmenu_Click(int index)
{
    switch (index) {
    case 0:
        HtmlHelp(this, AppHelpFile(), HelpCommand::DisplayToc, 0);
        break;
    case 2:
        HtmlHelp(this, AppHelpFile(), HelpCommand::DisplayIndex, 0);
        break;
    case 4:
        ShowModal<AboutForm>();
        break;
    default:
        break;
    }
}

void MenuForm::Simage_Click(int index)
{
    Scene.SceneStep = 0;
    if (index == ExitIcon)
        EndProgram();
    else if (index == UserOptionsIcon)
        ShowUserOptions();
    else
        Icons[index].open();
}

void MenuForm::ShowUserOptions()
{
    // The saved options become the program's options at once.
    ShowModal<UserForm>();
    LoadUser();
}

void MenuForm::Simage_MouseMove(int index, QPoint position)
{
    if (position == lastIconMove)
        return;
    lastIconMove = position;
    if (index != CurrentIcon) {
        for (int i = 0; i < IconCount; ++i)
            DrawIconFrame(i, LightGrey);
        DrawIconFrame(index, 0);
        CurrentIcon = index;
    }
    HoverText = QString::fromLatin1(Icons[index].hoverText);
    Slabel0->show();
    if (Slabel0->text() == HoverText)
        return;
    Slabel0->setText(HoverText);
    const QWidget &icon = *Simage[index];
    ResizeControl(*Slabel0, Twips::FromPixelsX(Slabel0->sizeHint().width()), ControlHeight(*Slabel0));
    MoveControl(*Slabel0, ControlLeft(icon), ControlTop(icon) + ControlHeight(icon) - ControlHeight(*Slabel0) + 200);
    Slabel0->raise();
}

void MenuForm::DrawIconFrame(int index, long colour)
{
    const QWidget &icon = *Simage[index];
    const int l = ControlLeft(icon);
    const int t = ControlTop(icon);
    const int w = ControlWidth(icon);
    const int h = ControlHeight(icon);
    if (colour != 0) {
        Surface->Box(l - 5, t - 5, l + w + 5, t + h + 5, colour);
        return;
    }
    // Raised: lit from the top left.
    Surface->Line(l - 5, t - 5, l + w + 5, t - 5, White);
    Surface->Line(l - 5, t - 5, l - 5, t + h + 5, White);
    Surface->Line(l + w + 5, t - 5, l + w + 5, t + h + 5, Grey);
    Surface->Line(l - 5, t + h + 5, l + w + 5, t + h + 5, Grey);
}

void MenuForm::AppDie()
{
    HtmlHelp(this, AppHelpFile(), HelpCommand::CloseAll, 0);
    EndProgram();
}

bool MenuForm::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (e->type() == QEvent::WindowDeactivate)
        Form_Deactivate();
    return QMainWindow::event(e);
}

bool MenuForm::eventFilter(QObject *watched, QEvent *e)
{
    const bool mouse = e->type() == QEvent::MouseMove || e->type() == QEvent::MouseButtonPress ||
                       e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::MouseButtonDblClick;
    if (watched == Surface) {
        if (e->type() == QEvent::Resize)
            Form_Resize();
        else if (e->type() == QEvent::MouseMove)
            Form_MouseMove(ToTwips(static_cast<QMouseEvent *>(e)->position().toPoint()));
        else if (e->type() == QEvent::MouseButtonRelease)
            Form_MouseUp(static_cast<QMouseEvent *>(e)->modifiers() &
                         (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        return false;
    }
    const auto icon = std::find(Simage.begin(), Simage.end(), watched);
    if (icon == Simage.end() || !mouse)
        return mouse;
    // A click is a left press and release on the same icon.
    const int index = int(icon - Simage.begin());
    const auto *me = static_cast<QMouseEvent *>(e);
    const QPoint at = me->position().toPoint();
    if (e->type() == QEvent::MouseMove) {
        Simage_MouseMove(index, ToTwips((*icon)->mapToParent(at)));
    } else if (e->type() == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) {
        pressedIcon = index;
    } else if (e->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
        const bool click = pressedIcon == index && (*icon)->rect().contains(at);
        pressedIcon = -1;
        if (click)
            Simage_Click(index);
    }
    return true;
}

void MenuForm::closeEvent(QCloseEvent *e)
{
    // A close from the window's close box or control menu comes from the
    // window system; the program's own closing does not.
    if (Form_QueryUnload(e->spontaneous() ? 0 : 1)) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

void MenuForm::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    // Shown, the window becomes the active one, as it does under a window
    // manager, and its scene starts.
    activateWindow();
}

void MenuForm::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F1) {
        HtmlHelp(this, AppHelpFile(), HelpCommand::HelpContext, HelpContext);
        e->accept();
        return;
    }
    QMainWindow::keyPressEvent(e);
}
