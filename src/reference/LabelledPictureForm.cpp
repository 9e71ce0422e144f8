#include "reference/LabelledPictureForm.h"

#include "core/WindowServices.h"
#include "core/state/ReportError.h"
#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuClient.h"
#include "reference/FitCaption.h"
#include "reference/ReferencePictures.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using Colours::Black;
using Colours::White;

LabelledPictureForm::LabelledPictureForm(Design design)
    : Form(design.caption, design.helpContext, true), design(std::move(design))
{
}

void LabelledPictureForm::CreateControls()
{
    const MenuClient parts =
        CreateMenuClient(*this, {QStringLiteral("&File")}, design.clientWidth, design.clientHeight);
    FileMenu = parts.menus.front();
    Fmenu.clear();
    for (int i = 0; i < design.fileItems.size(); ++i) {
        QAction *item = FileMenu->addAction(design.fileItems[i]);
        Fmenu << item;
        if (i == 1) {
            item->setCheckable(true);
            // The menu has already reversed the check mark.
            connect(item, &QAction::triggered, this, [this] { CheatChanged(); });
        } else {
            connect(item, &QAction::triggered, this, [this, i] { Fmenu_Click(i); });
        }
    }

    QPixmap picture = ReferencePicture(design.picture, design.pictureWidth, design.pictureHeight);
    if (!design.leaders.empty()) {
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        for (const QLineF &line : design.leaders)
            painter.drawLine(Twips::ToPixelsX(line.x1()), Twips::ToPixelsY(line.y1()), Twips::ToPixelsX(line.x2()),
                             Twips::ToPixelsY(line.y2()));
    }
    auto *background = new QLabel(parts.client);
    background->setPixmap(picture);
    background->setGeometry(0, 0, picture.width(), picture.height());

    for (int i = 0; i < 12; ++i) {
        const PartLabel &part = design.labels[static_cast<size_t>(i)];
        auto *label = new QLabel(QString::fromLatin1(part.caption), parts.client);
        PlaceControl(*label, part.left, part.top, part.width, part.height);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        FitCaption(*label);
        label->installEventFilter(this);
        Ylabel[static_cast<size_t>(i)] = label;
        SetLabelBackColor(i, White);
    }
}

void LabelledPictureForm::Form_Load()
{
    IgnoreErrors([this] { CentreForm(*this); });
    HideLabels();
}

bool LabelledPictureForm::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(Ylabel.begin(), Ylabel.end(), watched);
    if (found != Ylabel.end()) {
        const int index = static_cast<int>(found - Ylabel.begin());
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            pressedLabel = index;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = pressedLabel == index && mouse->button() == Qt::LeftButton &&
                               (*found)->rect().contains(mouse->position().toPoint());
            pressedLabel = -1;
            if (click)
                Ylabel_Click(index);
        }
    }
    return Form::eventFilter(watched, event);
}

long LabelledPictureForm::LabelBackColor(int index) const
{
    return QColorToBgr(Ylabel.at(static_cast<size_t>(index))->palette().color(QPalette::Window));
}

void LabelledPictureForm::SetLabelBackColor(int index, long colour)
{
    QLabel &label = *Ylabel.at(static_cast<size_t>(index));
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, BgrToQColor(colour));
    label.setPalette(palette);
}

void LabelledPictureForm::Fmenu_Click(int Index)
{
    switch (Index) {
    case 0:
        ShuffleLabels();
        break;
    case 1:
        Fmenu[1]->setChecked(!Fmenu[1]->isChecked());
        CheatChanged();
        break;
    default:
        Unload();
        break;
    }
}

void LabelledPictureForm::CheatChanged()
{
    if (Fmenu[1]->isChecked())
        ShowLabels();
    else
        ShuffleLabels();
}

void LabelledPictureForm::Ylabel_Click(int Index)
{
    IgnoreErrors([&] { SetLabelBackColor(Index, LabelBackColor(Index) == Black ? White : Black); });
}

void LabelledPictureForm::HideLabels()
{
    for (int i = 0; i < 12; ++i)
        IgnoreErrors([&] { SetLabelBackColor(i, Black); });
}

void LabelledPictureForm::ShowLabels()
{
    for (int i = 0; i < 12; ++i)
        IgnoreErrors([&] { SetLabelBackColor(i, White); });
}

void LabelledPictureForm::ShuffleLabels()
{
    for (int i = 0; i < 12; ++i)
        IgnoreErrors([&] {
            if (DrawRandomIndex(1) == 1)
                SetLabelBackColor(i, Black);
        });
}
