#include "lights/MaintLightForm.h"

#include "lights/LightChoices.h"
#include "lights/LightRows.h"
#include "platform/values/Rounding.h"
#include "platform/values/Val.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"

#include <QListWidget>

namespace {
EditorDesign lightsDesign()
{
    EditorDesign d;
    d.caption = QStringLiteral("Maintain Lights");
    d.helpContext = 1300;
    d.clientWidth = 7590;
    d.canvas = QRect(120, 120, 6000, 3000);
    d.canvasColour = 0;
    d.elementTemplate = QRect(0, 2520, 240, 240);
    d.templateColour = 0;
    d.thirdLabel = QStringLiteral("Fog Signal");
    d.lists = {QRect(6240, 120, 1215, 1620), QRect(6240, 2040, 1215, 450), QRect(6240, 3240, 1215, 840)};
    d.addButton = QRect(6240, 2640, 1215, 375);
    d.topicWord = QStringLiteral("Lights");
    d.listType = 0;
    d.saveLocation = QStringLiteral("MaintLightForm:SaveData");
    d.headTable = QStringLiteral("LIGHTHEAD");
    d.lineTable = QStringLiteral("LIGHTLINE");
    d.tabOrder = {QStringLiteral("Lpicture0"), QStringLiteral("Mtext0"),      QStringLiteral("Mtext1"),
                  QStringLiteral("Mtext2"),    QStringLiteral("Mlist0"),      QStringLiteral("Mlist1"),
                  QStringLiteral("Action0"),   QStringLiteral("NewPicture0"), QStringLiteral("Action1"),
                  QStringLiteral("Mlist2")};
    return d;
}

template <class Texts>
void fillList(QListWidget *list, const Texts &texts)
{
    list->clear();
    for (const char *text : texts)
        list->addItem(QString::fromLatin1(text));
    list->setCurrentRow(0);
}
} // namespace

MaintLightForm::MaintLightForm() : MaintForm(lightsDesign()) {}

void MaintLightForm::BuildLists()
{
    Mlist[0]->clear();
    for (const LightColourChoice &choice : LightColourChoices) {
        auto *item = new QListWidgetItem(QString::fromLatin1(choice.text), Mlist[0]);
        item->setData(Qt::UserRole, static_cast<qlonglong>(choice.colour));
    }
    Mlist[0]->setCurrentRow(0);
    fillList(Mlist[1], LightSizeTexts);
    fillList(Mlist[2], LightDirectionTexts);
}

void MaintLightForm::AddLight()
{
    MaintElement *element = NewElement();
    if (!element)
        return;
    const QListWidgetItem *chosen = Mlist[0]->currentItem();
    const long colour = chosen ? static_cast<long>(chosen->data(Qt::UserRole).toLongLong()) : 0;
    element->SetFillColor(colour);
    const int radius = LightRadius(Mlist[1]->currentRow());
    SetControlTag(*element, QString::number(radius));
    // The disc is drawn once, by the quiz's own light renderer at scale 1, so
    // a light looks in the editor as it will in the quiz.
    LightLine disc;
    disc.colour = colour;
    disc.x = RoundHalfEven(element->Width() / 2);
    disc.y = RoundHalfEven(element->Height() / 2);
    disc.size = radius;
    std::vector<DrawnLight> drawn;
    DrawLight(*element, disc, 1.0, drawn);
}

void MaintLightForm::WriteHead(Recordset &head)
{
    SetLightHead(head, Mtext[0]->Text(), Mtext[1]->Text(), Mtext[2]->Text(), Mlist[2]->currentRow());
}

void MaintLightForm::WriteElement(Recordset &line, const MaintElement &element)
{
    // The light's centre on the canvas, its radius from the tag text.
    SetLightLine(line, StoredLight(element.FillColor(), element.Width() / 2 + element.Left(),
                                   element.Height() / 2 + element.Top(), Val(ControlTag(element))));
}
