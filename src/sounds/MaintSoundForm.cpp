#include "sounds/MaintSoundForm.h"

#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/graphics/Colour.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"
#include "silhouettes/ElementShape.h"
#include "silhouettes/ShapeKinds.h"
#include "sounds/VesselDrawing.h"
#include "sounds/plan/SignalPlan.h"
#include "sounds/plan/SoundTags.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
enum List { VesselList, SizeList, SoundList, DurationList, RepetitionList };

// The sound elements' template inside the canvas, in twips.
constexpr int LabelLeft = 3840;
constexpr int LabelTop = 0;
constexpr int LabelWidth = 2175;
constexpr int LabelHeight = 255;

EditorDesign soundsDesign()
{
    EditorDesign d;
    d.caption = QStringLiteral("Maintain Sounds");
    d.helpContext = 1700;
    d.clientWidth = 9855;
    d.canvas = QRect(120, 120, 6000, 3000);
    d.canvasColour = Colours::White;
    d.elementTemplate = QRect(0, 2520, 400, 400);
    d.templateColour = Colours::White;
    d.thirdLabel = QStringLiteral("Extra");
    d.lists = {QRect(6240, 480, 1695, 1035), QRect(6240, 1800, 1695, 645), QRect(8040, 480, 1695, 1035),
               QRect(8040, 1800, 1695, 645), QRect(8040, 2520, 1695, 645)};
    d.addButton = QRect(6240, 2640, 1215, 375);
    d.topicWord = QStringLiteral("Sounds");
    d.listType = 3;
    d.saveLocation = QStringLiteral("MaintSoundForm:SaveData");
    d.headTable = QStringLiteral("SoundHEAD");
    d.lineTable = QStringLiteral("SoundLINE");
    return d;
}

void setLabelBackground(QLabel &label, long colour)
{
    QPalette p = label.palette();
    p.setColor(QPalette::Window, BgrToQColor(colour));
    label.setPalette(p);
}
} // namespace

MaintSoundForm::MaintSoundForm() : MaintForm(soundsDesign()) {}

void MaintSoundForm::CreateControls()
{
    MaintForm::CreateControls();
    QWidget *client = Lpicture[0]->parentWidget();

    NewLabel.Clear();
    auto *templ = new QLabel(Lpicture[0]);
    PlaceControl(*templ, LabelLeft, LabelTop, LabelWidth, LabelHeight);
    // The system's window colours until "Fog" first sets the background.
    QPalette p = templ->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    p.setColor(QPalette::WindowText, p.color(QPalette::Text));
    templ->setPalette(p);
    templ->setAutoFillBackground(true);
    templ->hide();
    NewLabel.SetDesigned(0, templ);

    Mcheck[0] = new QCheckBox(QStringLiteral("Fog"), client);
    PlaceControl(*Mcheck[0], 6240, 120, 3495, 255);
    connect(Mcheck[0], &QCheckBox::toggled, this, [this] { Mcheck_Click(0); });

    for (int i = 0; i < static_cast<int>(Mlist.size()); ++i)
        connect(Mlist[static_cast<size_t>(i)], &QListWidget::currentRowChanged, this, [this, i] { Mlist_Click(i); });

    const QList<QWidget *> order{Mcheck[0],    Mlist[VesselList],     Mlist[SoundList], Mlist[SizeList],
                                 Mlist[DurationList], Mlist[RepetitionList], Action[0], Mtext[0],
                                 Mtext[1],     Mtext[2],              Action[1]};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MaintSoundForm::Form_Unload()
{
    // The sound elements go with the window.
    SoundCount = 0;
    MaintForm::Form_Unload();
}

void MaintSoundForm::BuildLists()
{
    QListWidget &vessels = *Mlist[VesselList];
    vessels.clear();
    vessels.addItem(QStringLiteral("No Picture"));
    for (long kind = 1; kind <= VesselKindCount; ++kind)
        vessels.addItem(VesselName(kind));
    vessels.setCurrentRow(0);

    QListWidget &sizes = *Mlist[SizeList];
    sizes.clear();
    for (const ShapeSizeChoice &choice : ShapeSizeChoices) {
        auto *item = new QListWidgetItem(QString::fromLatin1(choice.text), &sizes);
        item->setData(Qt::UserRole, choice.unit);
    }
    sizes.setCurrentRow(0);

    QListWidget &sounds = *Mlist[SoundList];
    sounds.clear();
    for (const char *text : SoundChoiceTexts)
        sounds.addItem(QString::fromLatin1(text));
    sounds.setCurrentRow(0);

    QListWidget &durations = *Mlist[DurationList];
    durations.clear();
    for (const DurationChoice &choice : DurationChoices) {
        auto *item = new QListWidgetItem(QString::fromLatin1(choice.text), &durations);
        item->setData(Qt::UserRole, static_cast<qlonglong>(choice.seconds));
    }
    durations.setCurrentRow(0);

    QListWidget &repetitions = *Mlist[RepetitionList];
    repetitions.clear();
    repetitions.addItems(RepetitionTexts());
    repetitions.setCurrentRow(0);
}

void MaintSoundForm::Mlist_Click(int Index)
{
    // Setting the other list raises its own click, which finds entry 0 and stops.
    if (Index == VesselList) {
        if (Mlist[VesselList]->currentRow() > 0)
            Mlist[SoundList]->setCurrentRow(0);
    } else if (Index == SoundList) {
        if (Mlist[SoundList]->currentRow() > 0)
            Mlist[VesselList]->setCurrentRow(0);
    }
}

void MaintSoundForm::Mcheck_Click(int)
{
    ClearPicture();
    const bool fog = Mcheck[0]->isChecked();
    const long colour = fog ? Colours::LightGrey : Colours::White;
    Lpicture[0]->SetBackColor(colour);
    NewPicture[0]->SetBackColor(colour);
    setLabelBackground(*NewLabel[0], colour);
    if (fog)
        Mlist[VesselList]->setCurrentRow(0);
    Mlist[VesselList]->setEnabled(!fog);
    Mlist[SizeList]->setEnabled(!fog);
}

void MaintSoundForm::AddSound()
{
    if (Mlist[VesselList]->currentRow() > 0)
        AddVessel();
    if (Mlist[SoundList]->currentRow() > 0)
        AddSoundLabel();
}

void MaintSoundForm::AddVessel()
{
    const QString location = QStringLiteral("MaintSoundForm:AddSound");
    MaintElement *element = nullptr;
    Trap(location, [&] { element = NewElement(); });
    if (!element)
        return;
    Trap(location, [&] {
        const QListWidgetItem *size = Mlist[SizeList]->currentItem();
        const long s = size ? size->data(Qt::UserRole).toLongLong() : 0;
        const long kind = Mlist[VesselList]->currentRow();
        SetControlTag(*element, FormatElementTag(s, kind));
        DrawVesselElement(*element, kind, s);
    });
}

void MaintSoundForm::AddSoundLabel()
{
    const QString location = QStringLiteral("MaintSoundForm:AddSound");
    QLabel *label = nullptr;
    Trap(location, [&] {
        label = NewLabel.Load(static_cast<int>(SoundCount + 1));
        if (label)
            ++SoundCount;
    });
    if (!label)
        return;
    Trap(location, [&] {
        // Each sound stands below the one added before it.
        PlaceControl(*label, LabelLeft, LabelTop + LabelHeight * SoundCount, LabelWidth, LabelHeight);
        label->show();
        label->setEnabled(true);
        const QListWidgetItem *duration = Mlist[DurationList]->currentItem();
        const QListWidgetItem *repetitions = Mlist[RepetitionList]->currentItem();
        const QString times = repetitions ? repetitions->text() : QString();
        SetControlTag(*label, FormatSoundTag(Mlist[SoundList]->currentRow(),
                                       duration ? duration->data(Qt::UserRole).toLongLong() : 0, times));
        label->setText(times + QLatin1Char(' ') + Mlist[SoundList]->currentItem()->text() + QLatin1Char(' ')
                       + (duration ? duration->text() : QString()));
    });
}

void MaintSoundForm::ClearPicture()
{
    MaintForm::ClearPicture();
    for (long i = SoundCount; i >= 1; --i)
        NewLabel.Unload(static_cast<int>(i));
    SoundCount = 0;
}

void MaintSoundForm::WriteHead(Recordset &head)
{
    head.SetValue(QStringLiteral("HINT"), Mtext[0]->Text());
    head.SetValue(QStringLiteral("TEXT"), Mtext[1]->Text());
    head.SetValue(QStringLiteral("EXTRA"), Mtext[2]->Text());
}

void MaintSoundForm::WriteElement(Recordset &line, const MaintElement &element)
{
    // The centre of the vessel's picture, in single precision.
    const float x = element.Left() + element.Width() / 2;
    const float y = element.Top() + element.Height() / 2;
    const ElementTag tag = ParsePictureTag(ControlTag(element));
    line.SetValue(QStringLiteral("XPOS"), static_cast<double>(x));
    line.SetValue(QStringLiteral("YPOS"), static_cast<double>(y));
    line.SetValue(QStringLiteral("SIZE"), tag.size);
    line.SetValue(QStringLiteral("LISTPTR"), tag.kind);
    line.SetValue(QStringLiteral("TYPE"), 0);
}

void MaintSoundForm::WriteOtherLines(Recordset &line, long record)
{
    // The sounds after the vessels, in the order they were added.
    for (long j = 1; j <= SoundCount; ++j) {
        const QLabel *label = NewLabel[static_cast<int>(j)];
        if (!label)
            continue;
        const SoundTagParts tag = ParseSoundTag(ControlTag(*label));
        line.AddNew();
        line.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
        line.SetValue(QStringLiteral("XPOS"), 0);
        line.SetValue(QStringLiteral("YPOS"), 0);
        line.SetValue(QStringLiteral("SIZE"), 0);
        line.SetValue(QStringLiteral("LISTPTR"), tag.kind);
        line.SetValue(QStringLiteral("DURATION"), tag.seconds);
        line.SetValue(QStringLiteral("NUMBER"), tag.repetitions);
        line.SetValue(QStringLiteral("TYPE"), 1);
        line.Update();
    }
}
