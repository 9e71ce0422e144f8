#include "buoys/MaintBuoyForm.h"

#include "buoys/BuoyKinds.h"
#include "buoys/BuoyTag.h"
#include "data/Database.h"
#include "platform/values/Rounding.h"
#include "platform/window/Controls.h"
#include "quiz/MaintText.h"

#include <QListWidget>

namespace {
EditorDesign buoysDesign()
{
    EditorDesign d;
    d.caption = QStringLiteral("Maintain Buoys");
    d.helpContext = 1100;
    d.clientWidth = 7590;
    d.canvas = QRect(1320, 120, 3000, 3000);
    d.canvasColour = 16711680;
    d.elementTemplate = QRect(1080, 960, 1005, 1965);
    d.templateColour = 16711680;
    d.thirdLabel = QStringLiteral("Light");
    d.lists = {QRect(4440, 120, 3015, 1425), QRect(4440, 1800, 3015, 450), QRect(4440, 2520, 3015, 450)};
    d.addButton = QRect(6240, 3240, 1215, 375);
    d.topicWord = QStringLiteral("Buoys");
    d.listType = 2;
    d.saveLocation = QStringLiteral("MaintBuoyForm:SaveData");
    d.headTable = QStringLiteral("BuoyHEAD");
    d.lineTable = QStringLiteral("BuoyLINE");
    d.tabOrder = {QStringLiteral("Lpicture0"), QStringLiteral("Mtext0"),  QStringLiteral("Mtext1"),
                  QStringLiteral("Mtext2"),    QStringLiteral("Action0"), QStringLiteral("Action1"),
                  QStringLiteral("Mlist0"),    QStringLiteral("Mlist1"),  QStringLiteral("Mlist2")};
    return d;
}

// Appends the text after ", ", or sets it when the box is empty.
void appendText(MaintText &box, const QString &text)
{
    const QString old = box.Text();
    box.setPlainText(old.isEmpty() ? text : old + QStringLiteral(", ") + text);
}
} // namespace

MaintBuoyForm::MaintBuoyForm() : MaintForm(buoysDesign()) {}

void MaintBuoyForm::BuildLists()
{
    Mlist[0]->clear();
    for (long kind = 0; kind < BuoyKindCount; ++kind)
        Mlist[0]->addItem(BuoyKindText(kind));
    Mlist[0]->setCurrentRow(0);

    Mlist[1]->clear();
    for (const BuoySize &size : BuoySizes) {
        auto *item = new QListWidgetItem(QString::fromLatin1(size.text), Mlist[1]);
        item->setData(Qt::UserRole, size.unit);
    }
    Mlist[1]->setCurrentRow(0);

    Mlist[2]->clear();
    for (const char *text : BuoyTopmarkTexts)
        Mlist[2]->addItem(QString::fromLatin1(text));
    Mlist[2]->setCurrentRow(0);
}

void MaintBuoyForm::AddBuoy()
{
    MaintElement *element = NewElement();
    if (!element)
        return;
    element->SetFillColor(0);
    const QListWidgetItem *size = Mlist[1]->currentItem();
    const int s = size ? size->data(Qt::UserRole).toInt() : 0;
    const long topmark = Mlist[2]->currentRow() == 0 ? -1 : 0;
    const long kind = Mlist[0]->currentRow();
    SetControlTag(*element, BuoyTag(s, kind, topmark));

    // The buoy is drawn about the element picture's centre.
    const long x = RoundHalfEven(element->Width() / 2);
    const long y = RoundHalfEven(element->Height() / 2);
    DrawBuoyKind(*element, kind, x, y, s, topmark, BuoyDrawingFor::Editor);

    appendText(*Mtext[1], BuoyKindText(kind));
    appendText(*Mtext[2], BuoyLightDescription(kind));
}

void MaintBuoyForm::WriteHead(Recordset &head)
{
    head.SetValue(QStringLiteral("HINT"), Mtext[0]->Text());
    head.SetValue(QStringLiteral("TEXT"), Mtext[1]->Text());
    head.SetValue(QStringLiteral("LIGHT"), Mtext[2]->Text());
}

void MaintBuoyForm::WriteElement(Recordset &line, const MaintElement &element)
{
    // The element picture's centre on the canvas, in single precision.
    const float x = element.Width() / 2 + element.Left();
    const float y = element.Height() / 2 + element.Top();
    const BuoyTagValues tag = ParseBuoyTag(ControlTag(element));
    line.SetValue(QStringLiteral("XPOS"), x);
    line.SetValue(QStringLiteral("YPOS"), y);
    line.SetValue(QStringLiteral("SIZE"), tag.size);
    line.SetValue(QStringLiteral("LISTPTR"), tag.kind);
    line.SetValue(QStringLiteral("TOPMARK"), tag.topmark);
}
