#include "mainwindow/MenuForm.h"

#include "ProgramState.h"
#include "TestDatabase.h"
#include "core/AboutForm.h"
#include "core/LoadUser.h"
#include "core/Main.h"
#include "core/state/Global.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/help/HelpViewer.h"
#include "platform/window/Controls.h"
#include "platform/window/Form.h"
#include "platform/window/PictureBox.h"
#include "quiz/session/TopicRegistry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {
constexpr long LightGrey = 12632256;
constexpr long White = 16777215;
constexpr long Grey = 8421504;

// A point of the background between the icon row and the scene, in pixels.
const QPoint Background(300, 50);
} // namespace

class TestMenuForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        AppPath = MakeTestDatabase(dir->path());
        SetAppHelpFile(dir->filePath(QStringLiteral("NORVANTA.CHM")));
        QVERIFY(QFile::copy(qEnvironmentVariable("NORVANTA_APP_DIR") + QStringLiteral("/NORVANTA.CHM"), AppHelpFile()));
        shown.clear();
        messages.clear();
        endCodes.clear();
        Form::SetModalHook([this](Form &f) { shown << QString::fromLatin1(f.metaObject()->className()); });
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            messages << call.prompt;
            return MsgBoxAnswer::Ok;
        });
        SetEndHandler([this](int code) { endCodes << code; });
        // The splash came first: every later load of the About window is the About box.
        FormInstance<AboutForm>().SplashShown = true;
        form = std::make_unique<MenuForm>();
    }

    void cleanup()
    {
        form.reset();
        ResetProgramState();
        dir.reset();
    }

    // Captions, access keys and states of the three menus as the window is
    // created; index -1 is the menu's own title.
    void menus_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("accessKey");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");

        const QStringList files{"&Lights", "&Shapes", "&Buoys", "&Sounds", "&Collision", "&Meteorology", "&Parts Of Yacht",
                                "&Exit"};
        const QStringList maintains{"&User Options", "&Lights", "&Shapes", "&Buoys", "&Sounds", "&Collision"};
        QTest::addRow("file-title") << 0 << -1 << "&File" << "F" << true << true;
        for (int i = 0; i < files.size(); ++i)
            QTest::addRow("file-%d", i) << 0 << i << files[i] << files[i].mid(1, 1) << true << true;
        QTest::addRow("maintain-title") << 1 << -1 << "&Maintain" << "M" << true << true;
        for (int i = 0; i < maintains.size(); ++i)
            QTest::addRow("maintain-%d", i) << 1 << i << maintains[i] << maintains[i].mid(1, 1) << true << (i == 0);
        QTest::addRow("help-title") << 2 << -1 << "&Help" << "H" << true << true;
        QTest::addRow("help-0-contents") << 2 << 0 << "&Contents" << "C" << true << true;
        // A hidden item cannot be chosen either.
        QTest::addRow("help-1-search-hidden") << 2 << 1 << "&Search For Help On" << "S" << false << false;
        QTest::addRow("help-2-index") << 2 << 2 << "&Index" << "I" << true << true;
        QTest::addRow("help-4-about") << 2 << 4 << "About Norvanta" << "" << true << true;
    }

    void menus()
    {
        QFETCH(int, menu);
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, accessKey);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);

        const QList<QAction *> bar = form->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QAction *item = nullptr;
        if (index < 0)
            item = bar[menu];
        else if (menu == 0)
            item = form->Fmenu[index];
        else if (menu == 1)
            item = form->Mmenu[index];
        else
            item = form->Hmenu[index];
        if (index >= 0)
            QCOMPARE(item->parent(), bar[menu]->menu());
        QCOMPARE(item->text(), caption);
        const QKeySequence expectedKey =
            accessKey.isEmpty() ? QKeySequence() : QKeySequence(QKeyCombination(Qt::ALT, Qt::Key(accessKey[0].unicode())));
        QCOMPARE(QKeySequence::mnemonic(item->text()), expectedKey);
        QCOMPARE(item->isVisible(), visible);
        QCOMPARE(item->isEnabled(), enabled);
    }

    void programIcon()
    {
        const QImage icon = ProgramIcon().pixmap(32, 32).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.pixelColor(16, 16).alpha() > 0);
        QCOMPARE(form->windowIcon().pixmap(32, 32).toImage(), icon);
        QCOMPARE(form->windowTitle(), QStringLiteral("Main Menu"));
    }

    // The icons drawn ahead, on a thread, are the pictures a window draws for
    // itself; each is drawn, and no two alike.
    void iconsDrawnAhead()
    {
        DrawMenuIconsAhead();
        MenuForm ahead;
        for (int i = 0; i < MenuForm::IconCount; ++i) {
            const QImage drawn = ahead.Simage[i]->pixmap().toImage();
            QCOMPARE(drawn.size(), QSize(32, 32) * ahead.devicePixelRatioF());
            QCOMPARE(drawn, form->Simage[i]->pixmap().toImage());
            QImage blank(drawn.size(), drawn.format());
            blank.fill(Qt::transparent);
            QVERIFY(drawn != blank);
            if (i > 0)
                QVERIFY(drawn != ahead.Simage[i - 1]->pixmap().toImage());
        }
    }

    // Each icon is drawn at the screen's pixel ratio, on a screen of twice
    // the density with twice the pixels each way, so it stays sharp: 32
    // pixels of the window, detail in every device pixel rather than an
    // enlarged picture's blocks of two.
    void iconsAtThePixelRatio()
    {
        const qreal ratio = form->devicePixelRatioF();
        for (QLabel *icon : form->Simage) {
            const QImage drawn = icon->pixmap().toImage();
            QCOMPARE(drawn.devicePixelRatio(), ratio);
            QCOMPARE(drawn.size(), QSize(32, 32) * ratio);
            QCOMPARE(drawn.deviceIndependentSize(), QSizeF(32, 32));
            if (ratio < 2)
                continue;
            bool detail = false;
            for (int y = 0; y + 1 < drawn.height() && !detail; y += 2)
                for (int x = 0; x + 1 < drawn.width() && !detail; x += 2)
                    detail = drawn.pixel(x, y) != drawn.pixel(x + 1, y) || drawn.pixel(x, y) != drawn.pixel(x, y + 1);
            QVERIFY(detail);
        }
    }

    // The Help menu's fourth item is a separator between the help file and the About box.
    void helpMenuOrder()
    {
        const QList<QAction *> items = form->HelpMenu->actions();
        QCOMPARE(items.size(), 5);
        QVERIFY(items[3]->isSeparator());
        QCOMPARE(items[4], form->Hmenu[4]);
    }

    void fileItemsOpenTheirWindows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        const char *windows[] = {"LightForm", "ShapeForm", "BuoyForm", "SoundForm", "ColForm", "BeaufortForm", "YachtForm"};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("%s", windows[i]) << i << windows[i];
    }

    // Each item shows its window modally and starts the scene again.
    void fileItemsOpenTheirWindows()
    {
        QFETCH(int, index);
        QFETCH(QString, window);
        form->Scene.SceneStep = 57;
        form->Fmenu[index]->trigger();
        QCOMPARE(shown, QStringList{window});
        QCOMPARE(form->Scene.SceneStep, 0);
        QVERIFY(endCodes.isEmpty());
    }

    void iconsOpenTheirWindows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        QTest::addRow("0-lights") << 0 << "LightForm";
        QTest::addRow("1-shapes") << 1 << "ShapeForm";
        QTest::addRow("2-buoys") << 2 << "BuoyForm";
        QTest::addRow("3-sounds") << 3 << "SoundForm";
        QTest::addRow("4-collision") << 4 << "ColForm";
        QTest::addRow("6-meteorology") << 6 << "BeaufortForm";
        QTest::addRow("7-yacht") << 7 << "YachtForm";
        QTest::addRow("8-user-options") << 8 << "UserForm";
        QTest::addRow("9-documents") << 9 << "DocumentForm";
    }

    void iconsOpenTheirWindows()
    {
        QFETCH(int, index);
        QFETCH(QString, window);
        form->Scene.SceneStep = 57;
        QTest::mouseClick(form->Simage[index], Qt::LeftButton, Qt::NoModifier, QPoint(17, 17));
        QCOMPARE(shown, QStringList{window});
        QCOMPARE(form->Scene.SceneStep, 0);
        QVERIFY(endCodes.isEmpty());
    }

    // A right click on an icon is no click.
    void rightClickOnIconOpensNothing()
    {
        QTest::mouseClick(form->Simage[1], Qt::RightButton, Qt::NoModifier, QPoint(17, 17));
        QVERIFY(shown.isEmpty());
    }

    void maintainItemsOpenTheirWindows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        const char *windows[] = {"UserForm", "MaintLightForm", "MaintShapeForm", "MaintBuoyForm", "MaintSoundForm",
                                 "MaintColForm"};
        for (int i = 0; i < 6; ++i)
            QTest::addRow("%s", windows[i]) << i << windows[i];
    }

    void maintainItemsOpenTheirWindows()
    {
        QFETCH(int, index);
        QFETCH(QString, window);
        QTest::mouseRelease(form->Surface, Qt::LeftButton, Qt::ShiftModifier, Background);
        form->Mmenu[index]->trigger();
        QCOMPARE(shown, QStringList{window});
    }

    void userOptionsAreReadAgainOnClosing_data()
    {
        QTest::addColumn<bool>("fromIcon");
        QTest::addRow("maintain-menu") << false;
        QTest::addRow("icon-8") << true;
    }

    // The options window saves changed options; once it has closed the
    // program's options follow them, and the introduction comes up at the
    // next activation.
    void userOptionsAreReadAgainOnClosing()
    {
        QFETCH(bool, fromIcon);
        setStoredOptions(QStringLiteral("N"), QStringLiteral("Y"));
        LoadUser();
        QVERIFY(!ShowIntro);
        QVERIFY(MultiChoice);
        bool readWhileOpen = true;
        Form::SetModalHook([&](Form &f) {
            shown << QString::fromLatin1(f.metaObject()->className());
            setStoredOptions(QStringLiteral("Y"), QStringLiteral("N"));
            readWhileOpen = ShowIntro;
        });

        if (fromIcon)
            QTest::mouseClick(form->Simage[MenuForm::UserOptionsIcon], Qt::LeftButton, Qt::NoModifier, QPoint(17, 17));
        else
            form->Mmenu[0]->trigger();

        QCOMPARE(shown, QStringList{"UserForm"});
        QVERIFY(!readWhileOpen);
        QVERIFY(ShowIntro);
        QVERIFY(!MultiChoice);
        shown.clear();
        form->Activate();
        QCOMPARE(shown, QStringList{"IntroForm"});
    }

    void editorSwitch_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("toggles");
        QTest::addRow("left-shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
        QTest::addRow("left-ctrl") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::addRow("right-ctrl") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::addRow("right-alt") << Qt::RightButton << Qt::KeyboardModifiers(Qt::AltModifier) << true;
        QTest::addRow("middle-ctrl-shift") << Qt::MiddleButton
                                           << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << true;
        QTest::addRow("left-none") << Qt::LeftButton << Qt::KeyboardModifiers() << false;
        QTest::addRow("right-none") << Qt::RightButton << Qt::KeyboardModifiers() << false;
    }

    // A release over the background with Shift, Ctrl or Alt held switches the
    // five editor items over; the next one switches them back.
    void editorSwitch()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, toggles);

        QTest::mouseRelease(form->Surface, button, modifiers, Background);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(form->Mmenu[i]->isEnabled(), toggles);
        QVERIFY(form->Mmenu[0]->isEnabled());

        QTest::mouseRelease(form->Surface, button, modifiers, Background);
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!form->Mmenu[i]->isEnabled());
    }

    // Releases over an icon or the scene are not on the background.
    void editorSwitchOnlyOnBackground()
    {
        QTest::mouseRelease(form->Simage[0], Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
        QTest::mouseRelease(form->Mpicture[1], Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
        QTest::mouseRelease(form->Slabel0, Qt::LeftButton, Qt::ControlModifier, QPoint(1, 1));
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!form->Mmenu[i]->isEnabled());
    }

    void iconDesign_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("hoverText");
        QTest::addRow("0") << 0 << 120 << "Lights" << "Lights";
        QTest::addRow("1") << 1 << 840 << "Shapes" << "Shapes";
        QTest::addRow("2") << 2 << 1560 << "Buoys" << "Buoys";
        QTest::addRow("3") << 3 << 2280 << "Sounds" << "Sounds";
        QTest::addRow("4") << 4 << 3000 << "Collision" << "Collision";
        QTest::addRow("5-exit") << 5 << 6600 << "Leave The Program" << "Exit";
        QTest::addRow("6") << 6 << 3720 << "Meteorology" << "Meteorology";
        QTest::addRow("7") << 7 << 4440 << "Parts Of Yacht And Sails" << "Parts Of Yacht";
        QTest::addRow("8") << 8 << 5160 << "User Options" << "User Options";
        QTest::addRow("9") << 9 << 5880 << "Documents" << "Documents";
    }

    // Place and tooltip of each icon; hovering shows its text in the label,
    // whose bottom lies 200 twips below the icon's: its top at 635 twips, on
    // whole pixels of 15 twips 630.
    void iconDesign()
    {
        QFETCH(int, index);
        QFETCH(int, left);
        QFETCH(QString, toolTip);
        QFETCH(QString, hoverText);
        form->show();
        QWidget &icon = *form->Simage[index];
        QCOMPARE(ControlLeft(icon), left);
        QCOMPARE(ControlTop(icon), 120);
        QCOMPARE(ControlWidth(icon), 510);
        QCOMPARE(ControlHeight(icon), 510);
        QCOMPARE(icon.toolTip(), toolTip);
        // Its picture fills the middle of the icon: set against the same
        // icon without its picture, much of the middle has changed.
        auto &label = static_cast<QLabel &>(icon);
        const QImage picture = icon.grab().toImage();
        const QPixmap kept = label.pixmap();
        label.setPixmap(QPixmap());
        const QImage bare = icon.grab().toImage();
        label.setPixmap(kept);
        QCOMPARE(bare.size(), picture.size());
        int drawn = 0;
        for (int y = 1; y < 33; ++y)
            for (int x = 1; x < 33; ++x)
                drawn += picture.pixel(x, y) != bare.pixel(x, y);
        QVERIFY2(drawn > 32 * 32 / 2, qPrintable(QString::number(drawn)));

        hover(index, QPoint(3, 4));
        QVERIFY(form->Slabel0->isVisible());
        QCOMPARE(form->Slabel0->text(), hoverText);
        QCOMPARE(form->HoverText, hoverText);
        QCOMPARE(ControlLeft(*form->Slabel0), left);
        QCOMPARE(ControlHeight(*form->Slabel0), 195);
        QCOMPARE(ControlTop(*form->Slabel0), 630);
        QVERIFY(form->Slabel0->sizeHint().width() <= form->Slabel0->width());
    }

    // The Lights icon shows a vessel seen from ahead: her green (starboard)
    // sidelight on the observer's left of the centre, her red (port) one on
    // the right, and no light of either colour on the other side.
    void lightsIconSidelights_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("onTheLeft");
        QTest::addRow("green-left") << "green" << true;
        QTest::addRow("red-right") << "red" << false;
    }
    void lightsIconSidelights()
    {
        QFETCH(QString, colour);
        QFETCH(bool, onTheLeft);
        form->show();
        const QImage picture = form->Simage[0]->grab().toImage();
        const double centre = picture.width() / 2.0;
        int left = 0;
        int right = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                const bool lit = colour == "green" ? c.green() > 150 && c.red() < 100 && c.blue() < 120
                                                   : c.red() > 150 && c.green() < 100 && c.blue() < 120;
                if (lit)
                    ++(x + 0.5 < centre ? left : right);
            }
        QVERIFY2((onTheLeft ? left : right) > 20, qPrintable(QString("%1 left, %2 right").arg(left).arg(right)));
        QCOMPARE(onTheLeft ? right : left, 0);
        QCOMPARE(form->Simage[0]->toolTip(), QString("Lights"));
    }

    void raisedFrame_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<long>("colour");
        // Icon 2 at left 1560, top 120, 510 square, 15 twips a pixel: the
        // frame runs 5 twips outside it, columns 104 and 138, rows 8 and 42.
        QTest::addRow("top") << QPoint(121, 8) << White;
        QTest::addRow("left") << QPoint(104, 25) << White;
        QTest::addRow("right") << QPoint(138, 25) << Grey;
        QTest::addRow("bottom") << QPoint(121, 42) << Grey;
        // Top, left, right, bottom in that order: the grey edges end on the
        // white ones' corners.
        QTest::addRow("top-left") << QPoint(104, 8) << White;
        QTest::addRow("top-right") << QPoint(138, 8) << Grey;
        QTest::addRow("bottom-left") << QPoint(104, 42) << Grey;
        QTest::addRow("bottom-right") << QPoint(138, 42) << Grey;
        QTest::addRow("outside") << QPoint(121, 6) << LightGrey;
    }

    // The frame is drawn on the window and shows around the icon, but for
    // its bottom edge, which the hover label covers.
    void raisedFrame()
    {
        QFETCH(QPoint, pixel);
        QFETCH(long, colour);
        form->show();
        hover(2, QPoint(10, 10));
        QCOMPARE(form->CurrentIcon, 2L);
        QCOMPARE(form->Surface->PixelColour(pixel.x(), pixel.y()), colour);
        const QImage screen = form->Surface->grab().toImage();
        if (!form->Slabel0->geometry().contains(pixel))
            QCOMPARE(RgbToBgr(screen.pixel(pixel)), colour);
    }

    // Moving onto another icon moves the frame and the label; the background
    // takes every frame away and hides the label; coming back frames the icon
    // again.
    void hoverFollowsThePointer()
    {
        form->show();
        hover(2, QPoint(10, 10));
        hover(7, QPoint(10, 10));
        QCOMPARE(form->CurrentIcon, 7L);
        QVERIFY(framed(7));
        QVERIFY(erased(2));
        QCOMPARE(form->Slabel0->text(), QStringLiteral("Parts Of Yacht"));
        QCOMPARE(ControlLeft(*form->Slabel0), 4440);

        sendMove(form->Surface, Background);
        QVERIFY(!form->Slabel0->isVisible());
        QCOMPARE(form->CurrentIcon, -2L);
        for (int i = 0; i < MenuForm::IconCount; ++i)
            QVERIFY2(erased(i), qPrintable(QStringLiteral("icon %1").arg(i)));

        hover(7, QPoint(11, 10));
        QVERIFY(framed(7));
        QVERIFY(form->Slabel0->isVisible());
        QCOMPARE(form->Slabel0->text(), QStringLiteral("Parts Of Yacht"));
    }

    // Within one icon nothing is drawn again and the label stays put.
    void movingWithinOneIconChangesNothing()
    {
        form->show();
        hover(2, QPoint(10, 10));
        const QRect label = form->Slabel0->geometry();
        // A mark on the frame shows whether it is drawn again.
        form->Surface->PSet(121 * 15, 8 * 15, 255);
        hover(2, QPoint(20, 25));
        QCOMPARE(form->Surface->PixelColour(121, 8), 255L);
        QCOMPARE(form->CurrentIcon, 2L);
        QCOMPARE(form->Slabel0->geometry(), label);
        QCOMPARE(form->Slabel0->text(), QStringLiteral("Buoys"));
    }

    // Moves over the scene and the labels are theirs, not the background's.
    void movesOverTheSceneKeepTheFrame()
    {
        form->show();
        hover(2, QPoint(10, 10));
        sendMove(form->Mpicture[1], QPoint(30, 30));
        sendMove(form->Slabel0, QPoint(2, 2));
        QVERIFY(framed(2));
        QVERIFY(form->Slabel0->isVisible());
    }

    void closeBoxRunsAppDie()
    {
        form->show();
        HtmlHelp(form.get(), AppHelpFile(), HelpCommand::DisplayToc, 0);
        QVERIFY(CurrentHelpWindow());

        // The close box: a close event from the window system.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(form.get(), &close);

        QVERIFY(!close.isAccepted());
        QCOMPARE(endCodes, QList<int>{0});
        QVERIFY(!CurrentHelpWindow());
        QVERIFY(form->isVisible());
    }

    void exitItemRunsAppDie()
    {
        HtmlHelp(form.get(), AppHelpFile(), HelpCommand::DisplayIndex, 0);
        QVERIFY(CurrentHelpWindow());
        form->Scene.SceneStep = 57;

        form->Fmenu[7]->trigger();

        QCOMPARE(endCodes, QList<int>{0});
        QVERIFY(!CurrentHelpWindow());
        QCOMPARE(form->Scene.SceneStep, 0);
        QVERIFY(shown.isEmpty());
    }

    void exitIconEndsTheProgram()
    {
        QTest::mouseClick(form->Simage[MenuForm::ExitIcon], Qt::LeftButton, Qt::NoModifier, QPoint(17, 17));
        QCOMPARE(endCodes, QList<int>{0});
        QVERIFY(shown.isEmpty());
    }

    // The program's own closing is no request of the user's.
    void programCloseClosesTheWindow()
    {
        form->show();
        QVERIFY(form->close());
        QVERIFY(endCodes.isEmpty());
        QVERIFY(!form->isVisible());
    }

    void helpMenu_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("tab");
        QTest::addRow("contents") << 0 << 0;
        QTest::addRow("index") << 2 << 1;
    }

    void helpMenu()
    {
        QFETCH(int, index);
        QFETCH(int, tab);
        form->Hmenu[index]->trigger();
        QVERIFY(CurrentHelpWindow());
        QCOMPARE(CurrentHelpWindow()->HelpFile(), AppHelpFile());
        QCOMPARE(CurrentHelpWindow()->CurrentTab(), tab);
        QVERIFY(shown.isEmpty());
    }

    // Without its help file the Help menu names the file in a message and
    // opens no empty help window; the main window goes on.
    void helpMenuWithoutTheHelpFile_data()
    {
        QTest::addColumn<int>("index");
        QTest::addRow("contents") << 0;
        QTest::addRow("index") << 2;
    }

    void helpMenuWithoutTheHelpFile()
    {
        QFETCH(int, index);
        QVERIFY(QFile::remove(AppHelpFile()));
        form->show();
        form->Hmenu[index]->trigger();
        QVERIFY(!CurrentHelpWindow());
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(AppHelpFile())), qPrintable(messages[0]));
        QVERIFY(form->isVisible());
        QVERIFY(endCodes.isEmpty());
        form->Hmenu[4]->trigger();
        QCOMPARE(shown, QStringList{"AboutForm"});
    }

    void aboutItemShowsTheAboutBox()
    {
        form->Hmenu[4]->trigger();
        QCOMPARE(shown, QStringList{"AboutForm"});
    }

    void layout_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("sceneWidth");
        QTest::addColumn<int>("sceneHeight");
        QTest::addColumn<int>("vesselWidth");
        QTest::addColumn<int>("vesselHeight");
        // Inner area 600 x 400 pixels = 9000 x 6000 twips: the scene is 240
        // narrower and 255 + 960 lower. Half its height, 2392.5 twips, is
        // 159.5 pixels, which goes to the even 160. At the narrowest, 547
        // pixels, half the scene's width is 265.5 pixels, going to 266.
        QTest::addRow("large") << QSize(600, 400) << 8760 << 4785 << 4380 << 2400;
        QTest::addRow("narrowest-taller") << QSize(547, 500) << 7965 << 6285 << 3990 << 3150;
    }

    // The scene fills the inner area below the icons; the cover lies on it,
    // the caption under it, and the vessel picture is half the cover's size.
    void layout()
    {
        QFETCH(QSize, client);
        QFETCH(int, sceneWidth);
        QFETCH(int, sceneHeight);
        QFETCH(int, vesselWidth);
        QFETCH(int, vesselHeight);
        form->show();
        form->Scene.SceneStep = 57;
        form->resize(client.width(), client.height() + form->menuBar()->height());
        QCOMPARE(form->Surface->size(), client);

        const PictureBox &scene = *form->Mpicture[0];
        QCOMPARE(ControlLeft(scene), 120);
        QCOMPARE(ControlTop(scene), 840);
        QCOMPARE(ControlWidth(scene), sceneWidth);
        QCOMPARE(ControlHeight(scene), sceneHeight);
        QCOMPARE(form->Mpicture[1]->geometry(), scene.geometry());
        QCOMPARE(ControlLeft(*form->Mlabel0), 120);
        QCOMPARE(ControlTop(*form->Mlabel0), 840 + sceneHeight);
        QCOMPARE(ControlWidth(*form->Mlabel0), sceneWidth);
        QCOMPARE(ControlHeight(*form->Mlabel0), 255);
        QCOMPARE(ControlWidth(*form->Mpicture[2]), vesselWidth);
        QCOMPARE(ControlHeight(*form->Mpicture[2]), vesselHeight);
        QCOMPARE(form->Scene.SceneStep, 0);
    }

    // The window cannot be made smaller than it opens (8200 x 5925 twips
    // inside): the window system is told, and the scene keeps its size.
    void neverSmallerThanItOpens()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QSize opened = form->size();
        QCOMPARE(form->minimumSize(), opened);
        QCOMPARE(form->windowHandle()->minimumSize(), opened);
        QCOMPARE(form->Surface->size(), QSize(547, 395));
        form->resize(60, 40);
        QTRY_COMPARE(form->size(), opened);
        QCOMPARE(ControlWidth(*form->Mpicture[0]), 547 * 15 - 240);
        QCOMPARE(ControlHeight(*form->Mpicture[0]), 395 * 15 - 1215);
    }

    // Activation starts the scene; deactivation stops both timers and rewinds it.
    void activation()
    {
        form->Activate();
        QVERIFY(form->Mtimer.isActive());
        QCOMPARE(form->Mtimer.interval(), 100);
        QVERIFY(shown.isEmpty());
        form->Ltimer.start();
        form->Scene.SceneStep = 300;

        form->Deactivate();
        QVERIFY(!form->Mtimer.isActive());
        QVERIFY(!form->Ltimer.isActive());
        QCOMPARE(form->Scene.SceneStep, 0);
    }

    // The window system activates the shown window, and its scene runs.
    void showingStartsTheScene()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QVERIFY(form->Mtimer.isActive());
    }

    // The introduction comes up once, at the activation after it was asked for.
    void activationShowsTheIntroductionOnce()
    {
        ShowIntro = true;
        form->Activate();
        QCOMPARE(shown, QStringList{"IntroForm"});
        QVERIFY(!ShowIntro);
        form->Deactivate();
        form->Activate();
        QCOMPARE(shown, QStringList{"IntroForm"});
    }

    void linksOpenEveryTopicsQuiz_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("window");
        const char *windows[] = {"LightForm", "ShapeForm", "BuoyForm", "SoundForm", "ColForm"};
        for (int i = 0; i < 5; ++i)
            QTest::addRow("%d-%s", i + 1, windows[i]) << i + 1 << windows[i];
    }

    void linksOpenEveryTopicsQuiz()
    {
        QFETCH(int, topic);
        QFETCH(QString, window);
        QVERIFY(TopicRegistry::ShowQuiz(topic));
        QCOMPARE(shown, QStringList{window});
    }

private:
    void hover(int index, QPoint within) { sendMove(form->Simage[index], within); }

    static void sendMove(QWidget *widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    // The frame's edges, halfway along, as drawn around icon index.
    QList<long> frameEdges(int index) const
    {
        const QWidget &icon = *form->Simage[index];
        const int l = Twips::ToPixelsX(ControlLeft(icon) - 5);
        const int r = Twips::ToPixelsX(ControlLeft(icon) + 510 + 5);
        const int t = Twips::ToPixelsY(120 - 5);
        const int b = Twips::ToPixelsY(120 + 510 + 5);
        const PictureBox &s = *form->Surface;
        return {s.PixelColour((l + r) / 2, t), s.PixelColour(l, (t + b) / 2), s.PixelColour(r, (t + b) / 2),
                s.PixelColour((l + r) / 2, b)};
    }
    bool framed(int index) const { return frameEdges(index) == QList<long>{White, White, Grey, Grey}; }
    bool erased(int index) const { return frameEdges(index) == QList<long>{LightGrey, LightGrey, LightGrey, LightGrey}; }

    void setStoredOptions(const QString &intro, const QString &multiChoice)
    {
        auto db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB"));
        db->Execute(QStringLiteral("UPDATE USER SET OPTION10 = ?, OPTION2 = ?"), {intro, multiChoice});
        db->Close();
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MenuForm> form;
    QStringList shown;
    QStringList messages;
    QList<int> endCodes;
};

QTEST_MAIN(TestMenuForm)
#include "tst_menuform.moc"
