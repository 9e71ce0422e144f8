#include "core/AboutForm.h"

#include "core/Main.h"
#include "core/WindowServices.h"
#include "platform/window/Controls.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {
// The client area as designed; with the title bar the window is 2355 twips high.
constexpr int ClientWidth = 4500;
constexpr int ClientHeight = 2040;
constexpr int SplashWaitMs = 500;

QLabel *centredLabel(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PlaceControl(*label, left, top, width, height);
    return label;
}
} // namespace

AboutForm::AboutForm() : Form(QStringLiteral("Norvanta"), 10000, true) {}

void AboutForm::CreateControls()
{
    AboutLabel[0] = centredLabel(this, QStringLiteral("Norvanta Version " NORVANTA_VERSION), 0, 120, 4455, 255);
    AboutLabel[1] = centredLabel(this, QStringLiteral("Copyright (C) The Norvanta Authors"), 0, 480, 4455, 255);
    AboutLabel[2] = centredLabel(this, QStringLiteral("2026, All Rights Reserved"), 0, 840, 4455, 255);
    AboutLabel[3] = centredLabel(this, QStringLiteral("Loading Program ..."), 960, 1440, 2655, 255);
    AboutLabel[3]->hide();

    const QPixmap icon = QApplication::windowIcon().pixmap(32, 32);
    for (int i = 0; i < 2; ++i) {
        AboutImage[i] = new QLabel(this);
        AboutImage[i]->setPixmap(icon);
        AboutImage[i]->setAlignment(Qt::AlignCenter);
    }
    PlaceControl(*AboutImage[0], 360, 1320, 480, 480);
    PlaceControl(*AboutImage[1], 3720, 1320, 480, 480);

    Ok = new QPushButton(QStringLiteral("&Ok"), this);
    PlaceControl(*Ok, 1680, 1440, 1215, 375);
    SetCancelButton(Ok);
    connect(Ok, &QPushButton::clicked, this, &AboutForm::Ok_Click);
}

void AboutForm::Form_Load()
{
    ResizeTwips(ClientWidth, ClientHeight);
    setFixedSize(size());
    if (SplashShown) {
        CentreForm(*this);
        return;
    }

    Ok->hide();
    AboutLabel[3]->show();
    SplashShown = true;
    CentreForm(*this);
    show();
    // The splash is painted before anything else happens; a window manager
    // that never shows it holds the program up no longer than this.
    WaitUntilPainted(*this, SplashWaitMs);

    if (PrevInstance()) {
        HandOver();
        return;
    }
    Main();
}

void AboutForm::Ok_Click() { Unload(); }
