#include "quiz/MaintForm.h"

#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/MousePointer.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuClient.h"
#include "platform/window/WrapEntries.h"
#include "quiz/ListForm.h"
#include "quiz/MaintText.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace {
constexpr int ClientHeight = 5430;

int buttonOf(const QMouseEvent &event)
{
    switch (event.button()) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftOf(const QMouseEvent &event)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

float twipsX(const QMouseEvent &event) { return static_cast<float>(event.position().x() * Twips::PerPixelX()); }
float twipsY(const QMouseEvent &event) { return static_cast<float>(event.position().y() * Twips::PerPixelY()); }
} // namespace

MaintElement::MaintElement(QWidget *parent) : PictureBox(parent) {}

void MaintElement::SetLeft(float value)
{
    leftTwips = value;
    Place();
}

void MaintElement::SetTop(float value)
{
    topTwips = value;
    Place();
}

void MaintElement::SetSize(float width, float height)
{
    widthTwips = width;
    heightTwips = height;
    Place();
}

void MaintElement::Place() { PlaceControl(*this, leftTwips, topTwips, widthTwips, heightTwips); }

void MaintElement::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit MouseDown(buttonOf(*event), shiftOf(*event), twipsX(*event), twipsY(*event));
}

MaintCanvas::MaintCanvas(QWidget *parent) : PictureBox(parent) {}

void MaintCanvas::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit MouseMove(static_cast<int>(event->buttons()), shiftOf(*event), twipsX(*event), twipsY(*event));
}

void MaintCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit MouseUp(buttonOf(*event), shiftOf(*event), twipsX(*event), twipsY(*event));
}

MaintForm::MaintForm(EditorDesign editorDesign)
    : Form(editorDesign.caption, editorDesign.helpContext, true), design(std::move(editorDesign))
{
}

void MaintForm::CreateControls()
{
    const MenuClient parts =
        CreateMenuClient(*this, {QStringLiteral("&File"), QStringLiteral("&Edit")}, design.clientWidth, ClientHeight);
    QWidget *client = parts.client;

    Lpicture[0] = new MaintCanvas(client);
    Lpicture[0]->setObjectName(QStringLiteral("Lpicture0"));
    const QRect &c = design.canvas;
    PlaceControl(*Lpicture[0], c.x(), c.y(), c.width(), c.height());
    Lpicture[0]->SetBackColor(design.canvasColour);
    connect(Lpicture[0], &MaintCanvas::MouseMove, this,
            [this](int b, int s, float x, float y) { Lpicture_MouseMove(0, b, s, x, y); });
    connect(Lpicture[0], &MaintCanvas::MouseUp, this,
            [this](int b, int s, float x, float y) { Lpicture_MouseUp(0, b, s, x, y); });

    NewPicture.Clear();
    auto *templ = new MaintElement(Lpicture[0]);
    templ->setObjectName(QStringLiteral("NewPicture0"));
    const QRect &t = design.elementTemplate;
    templ->SetLeft(t.x());
    templ->SetTop(t.y());
    templ->SetSize(t.width(), t.height());
    templ->SetBackColor(design.templateColour);
    templ->hide();
    NewPicture.SetDesigned(0, templ);

    const QStringList labels{design.hintLabel, QStringLiteral("Text"), design.thirdLabel};
    for (int i = 0; i < 3; ++i) {
        Mtext[i] = new MaintText(client);
        Mtext[i]->setObjectName(QStringLiteral("Mtext%1").arg(i));
        PlaceControl(*Mtext[i], 1320, 3240 + 720 * i, 4815, 615);
        Mlabel[i] = new QLabel(labels[i], client);
        PlaceControl(*Mlabel[i], 120, 3360 + 720 * i, 1095, 255);
    }

    Mlist.clear();
    for (size_t i = 0; i < design.lists.size(); ++i) {
        auto *list = new QListWidget(client);
        list->setObjectName(QStringLiteral("Mlist%1").arg(i));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        WrapEntries(*list);
        const QRect &r = design.lists[i];
        PlaceControl(*list, r.x(), r.y(), r.width(), r.height());
        Mlist.push_back(list);
    }

    // Text boxes and lists show the 3-D face colour.
    for (QWidget *w : findChildren<QWidget *>()) {
        if (qobject_cast<MaintText *>(w) || qobject_cast<QListWidget *>(w)) {
            QPalette p = w->palette();
            p.setColor(QPalette::Base, p.color(QPalette::Button));
            w->setPalette(p);
        }
    }

    Action[0] = new QPushButton(QStringLiteral("&Add"), client);
    Action[0]->setObjectName(QStringLiteral("Action0"));
    PlaceControl(*Action[0], design.addButton.x(), design.addButton.y(), design.addButton.width(),
                 design.addButton.height());
    Action[1] = new QPushButton(QStringLiteral("&Save"), client);
    Action[1]->setObjectName(QStringLiteral("Action1"));
    PlaceControl(*Action[1], 6240, 4920, 1215, 375);
    for (int i = 0; i < 2; ++i) {
        Action[i]->setAutoDefault(false);
        connect(Action[i], &QPushButton::clicked, this, [this, i] { Action_Click(i); });
    }

    Fmenu[0] = parts.menus[0]->addAction(QStringLiteral("&List"));
    Fmenu[1] = parts.menus[0]->addAction(QStringLiteral("&Quit"));
    Emenu[0] = parts.menus[1]->addAction(QStringLiteral("&Clear"));
    for (int i = 0; i < 2; ++i)
        connect(Fmenu[i], &QAction::triggered, this, [this, i] { Fmenu_Click(i); });
    connect(Emenu[0], &QAction::triggered, this, [this] { Emenu_Click(0); });

    QWidget *previous = nullptr;
    for (const QString &name : design.tabOrder) {
        auto *w = findChild<QWidget *>(name);
        if (!w)
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void MaintForm::Form_Load()
{
    // The window is built at its outer size; it is only centred here.
    CentreForm(*this);
    BuildLists();
}

void MaintForm::Form_Unload()
{
    // However the window closes, its elements go with it.
    EndDrag();
    PictureCount = 0;
}

void MaintForm::Action_Click(int Index)
{
    if (Index == 0) {
        AddElement();
    } else if (Index == 1) {
        if (ValidData())
            SaveData();
    }
}

void MaintForm::Fmenu_Click(int Index)
{
    if (Index == 0) {
        ListItems();
        return;
    }
    PictureCount = 0;
    Unload();
}

void MaintForm::Emenu_Click(int Index)
{
    if (Index == 0)
        ClearPicture();
}

MaintElement *MaintForm::NewElement()
{
    ++PictureCount;
    MaintElement *element = NewPicture.Load(static_cast<int>(PictureCount));
    if (!element)
        return nullptr;
    const MaintElement *templ = NewPicture[0];
    element->SetSize(templ->Width(), templ->Height());
    element->SetTop(100);
    element->SetLeft(100);
    element->show();
    element->setEnabled(true);
    element->raise();
    const int index = static_cast<int>(PictureCount);
    connect(element, &MaintElement::MouseDown, this,
            [this, index](int b, int s, float x, float y) { NewPicture_MouseDown(index, b, s, x, y); });
    return element;
}

void MaintForm::NewPicture_MouseDown(int Index, int, int, float, float)
{
    DragIndex = Index;
    Dragging = true;
    SetElementsEnabled(false);
    LastX = 0;
    LastY = 0;
    FirstDragMove = true;
    // The canvas takes every pointer event until a button is released,
    // wherever the pointer is, so a drag always ends.
    if (Lpicture[0])
        Lpicture[0]->grabMouse();
}

void MaintForm::Lpicture_MouseMove(int, int, int, float X, float Y)
{
    if (!Dragging)
        return;
    if (!FirstDragMove) {
        if (MaintElement *element = NewPicture[static_cast<int>(DragIndex)]) {
            element->SetLeft(X - LastX + element->Left());
            element->SetTop(Y - LastY + element->Top());
        }
    }
    FirstDragMove = false;
    LastX = X;
    LastY = Y;
}

void MaintForm::Lpicture_MouseUp(int, int, int, float, float)
{
    if (Dragging)
        EndDrag();
}

void MaintForm::EndDrag()
{
    if (Lpicture[0] && QWidget::mouseGrabber() == Lpicture[0])
        Lpicture[0]->releaseMouse();
    if (!Dragging)
        return;
    Dragging = false;
    SetElementsEnabled(true);
}

void MaintForm::SetElementsEnabled(bool enabled)
{
    for (long i = 1; i <= PictureCount; ++i)
        if (MaintElement *element = NewPicture[static_cast<int>(i)])
            element->setEnabled(enabled);
}

void MaintForm::ClearPicture()
{
    EndDrag();
    for (long i = PictureCount; i >= 1; --i)
        NewPicture.Unload(static_cast<int>(i));
    PictureCount = 0;
}

bool MaintForm::ValidData()
{
    bool valid = true;
    const QString title = QStringLiteral("Help");
    if (!ElementsAdded()) {
        MsgBox(QStringLiteral("You Have Not Added Any ") + design.topicWord, MsgBoxStyle::Information, title);
        valid = false;
    }
    // Only an empty box is missing: blanks are text and are stored as typed.
    if (Mtext[0]->toPlainText().isEmpty()) {
        MsgBox(QStringLiteral("You Have Not Entered Any Text For The Hint"), MsgBoxStyle::Information, title);
        valid = false;
    }
    if (Mtext[1]->toPlainText().isEmpty()) {
        MsgBox(QStringLiteral("You Have Not Entered Any Text For The Answer"), MsgBoxStyle::Information, title);
        valid = false;
    }
    return valid;
}

void MaintForm::SaveData()
{
    MousePointer::Set(MousePointer::Hourglass);
    // The head row and every line row go in together or not at all; a
    // failure leaves the editor as it was, so the author loses nothing.
    const bool saved = Trap(design.saveLocation, [this] {
        auto db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB"));
        {
            Transaction transaction(*db);
            Recordset head = db->OpenRecordset(design.headTable);
            Recordset line = db->OpenRecordset(design.lineTable);
            head.AddNew();
            WriteHead(head);
            head.Update();
            head.MoveLastModified();
            const long record = head.LongValue(QStringLiteral("RECORD"));
            for (long i = 1; i <= PictureCount; ++i) {
                const MaintElement *element = NewPicture[static_cast<int>(i)];
                if (!element)
                    continue;
                line.AddNew();
                line.SetValue(QStringLiteral("HEADER"), static_cast<qlonglong>(record));
                WriteElement(line, *element);
                line.Update();
            }
            WriteOtherLines(line, record);
            line.Close();
            head.Close();
            transaction.Commit();
        }
        db->Close();
    });
    if (saved) {
        ClearPicture();
        for (MaintText *text : Mtext)
            text->clear();
    }
    MousePointer::Set(MousePointer::Default);
}

void MaintForm::ListItems()
{
    // Nothing is read back: the elements and texts stay as they are.
    MaintainListItems(design.listType);
}
