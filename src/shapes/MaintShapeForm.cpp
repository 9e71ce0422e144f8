#include "shapes/MaintShapeForm.h"

#include "core/state/ReportError.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"
#include "shapes/ShapeRows.h"
#include "silhouettes/DrawShape.h"
#include "silhouettes/ElementShape.h"
#include "silhouettes/ShapeKinds.h"

#include <QListWidget>

namespace {
EditorDesign shapesDesign()
{
    EditorDesign d;
    d.caption = QStringLiteral("Maintain Shapes");
    d.helpContext = 1600;
    d.clientWidth = 8025;
    d.canvas = QRect(120, 120, 6000, 3000);
    d.canvasColour = 16777215;
    d.elementTemplate = QRect(0, 2520, 400, 400);
    d.templateColour = 16777215;
    d.thirdLabel = QStringLiteral("Fog Signal");
    d.lists = {QRect(6240, 120, 1695, 1425), QRect(6240, 1800, 1695, 645)};
    d.addButton = QRect(6240, 2640, 1215, 375);
    d.topicWord = QStringLiteral("Shapes");
    d.listType = 1;
    d.saveLocation = QStringLiteral("MaintShapeForm:SaveData");
    d.headTable = QStringLiteral("ShapeHEAD");
    d.lineTable = QStringLiteral("ShapeLINE");
    d.tabOrder = {QStringLiteral("Lpicture0"), QStringLiteral("Mtext0"),  QStringLiteral("Mtext1"),
                  QStringLiteral("Mtext2"),    QStringLiteral("Action0"), QStringLiteral("Action1"),
                  QStringLiteral("Mlist0"),    QStringLiteral("Mlist1")};
    return d;
}
} // namespace

MaintShapeForm::MaintShapeForm() : MaintForm(shapesDesign()) {}

void MaintShapeForm::BuildLists()
{
    Mlist[0]->clear();
    for (const char *text : ShapeKindTexts)
        Mlist[0]->addItem(QString::fromLatin1(text));
    Mlist[0]->setCurrentRow(0);
    Mlist[1]->clear();
    for (const ShapeSizeChoice &choice : ShapeSizeChoices) {
        auto *item = new QListWidgetItem(QString::fromLatin1(choice.text), Mlist[1]);
        item->setData(Qt::UserRole, choice.unit);
    }
    Mlist[1]->setCurrentRow(0);
}

void MaintShapeForm::AddShape()
{
    MaintElement *element = NewElement();
    if (!element)
        return;
    element->SetFillColor(Colours::Black);
    const QListWidgetItem *size = Mlist[1]->currentItem();
    const int s = size ? size->data(Qt::UserRole).toInt() : 0;
    const int kind = Mlist[0]->currentRow();
    SetControlTag(*element, FormatElementTag(s, kind));
    Trap(QStringLiteral("MaintShapeForm:AddShape"), [&] { DrawNewElement(*element, kind, s); });
}

void MaintShapeForm::WriteHead(Recordset &head)
{
    SetShapeHead(head, Mtext[0]->Text(), Mtext[1]->Text(), Mtext[2]->Text());
}

void MaintShapeForm::WriteElement(Recordset &line, const MaintElement &element)
{
    // The element's centre on the canvas; size and kind from its tag text.
    const ElementTag tag = ParsePictureTag(ControlTag(element));
    ShapeLine stored;
    stored.x = element.Width() / 2 + element.Left();
    stored.y = element.Height() / 2 + element.Top();
    stored.size = tag.size;
    stored.kind = tag.kind;
    SetShapeLine(line, stored);
}
