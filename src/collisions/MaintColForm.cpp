#include "collisions/MaintColForm.h"

#include "collisions/ColDraw.h"
#include "collisions/ColKinds.h"
#include "collisions/ColRows.h"
#include "core/state/ReportError.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"

#include <QListWidget>

namespace {
EditorDesign colDesign()
{
    EditorDesign d;
    d.caption = QStringLiteral("Maintain Collisions");
    d.helpContext = 1200;
    d.clientWidth = 8025;
    d.canvas = QRect(120, 120, 6000, 3000);
    d.canvasColour = Colours::White;
    d.elementTemplate = QRect(0, 2520, 400, 400);
    d.templateColour = Colours::White;
    d.hintLabel = QStringLiteral("Hint~Rule");
    d.thirdLabel = QStringLiteral("Caption");
    d.lists = {QRect(6240, 120, 1695, 1425), QRect(6240, 1800, 1695, 450)};
    d.addButton = QRect(6240, 2640, 1215, 375);
    d.topicWord = QStringLiteral("Cols");
    d.listType = 4;
    d.saveLocation = QStringLiteral("MaintColForm:SaveData");
    d.headTable = QStringLiteral("COLHEAD");
    d.lineTable = QStringLiteral("COLLINE");
    d.tabOrder = {QStringLiteral("Lpicture0"), QStringLiteral("Mtext0"), QStringLiteral("Mtext1"),
                  QStringLiteral("Mtext2"),    QStringLiteral("Action0"), QStringLiteral("Action1"),
                  QStringLiteral("Mlist0"),    QStringLiteral("Mlist1")};
    return d;
}
} // namespace

MaintColForm::MaintColForm() : MaintForm(colDesign()) {}

void MaintColForm::BuildLists()
{
    Mlist[0]->clear();
    for (const char *text : CollisionKindTexts)
        Mlist[0]->addItem(QString::fromLatin1(text));
    Mlist[0]->setCurrentRow(0);
    Mlist[1]->clear();
    for (const ColSizeChoice &size : ColSizeChoices) {
        auto *item = new QListWidgetItem(QString::fromLatin1(size.text), Mlist[1]);
        item->setData(Qt::UserRole, static_cast<qlonglong>(size.unit));
    }
    Mlist[1]->setCurrentRow(0);
}

void MaintColForm::AddCol()
{
    MaintElement *element = NewElement();
    if (!element)
        return;
    element->SetFillColor(Colours::Black);
    const QListWidgetItem *size = Mlist[1]->currentItem();
    const long s = size ? static_cast<long>(size->data(Qt::UserRole).toLongLong()) : 0;
    const long kind = Mlist[0]->currentRow();
    SetControlTag(*element, FormatElementTag(s, kind));
    Trap(QStringLiteral("MaintColForm:AddCol"), [&] {
        ColDraw draw(*element, ControlWidth(*Lpicture[0]), ControlHeight(*Lpicture[0]), s);
        DrawColKind(draw, kind);
    });
}

void MaintColForm::WriteHead(Recordset &head)
{
    SetColHead(head, Mtext[0]->Text(), Mtext[1]->Text(), Mtext[2]->Text());
}

void MaintColForm::WriteElement(Recordset &line, const MaintElement &element)
{
    // The element's centre on the canvas; its size and kind from its tag.
    const ElementTag tag = ParseColTag(ControlTag(element));
    SetColLine(line, element.Width() / 2 + element.Left(), element.Height() / 2 + element.Top(), tag.size,
               tag.kind);
}
