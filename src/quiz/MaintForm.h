#pragma once

#include "platform/window/ControlArray.h"
#include "platform/window/Form.h"
#include "platform/window/PictureBox.h"

#include <QRect>
#include <QStringList>

#include <array>
#include <vector>

class MaintText;
class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class Recordset;

// An element of the picture being composed: a small drawing surface on the
// canvas that shows what was added and carries what the save step reads back.
// Its place and size are kept in canvas twips, single precision, exactly as
// they are stored; the surface shows them at the nearest pixel.
class MaintElement : public PictureBox
{
    Q_OBJECT

public:
    explicit MaintElement(QWidget *parent = nullptr);

    float Left() const { return leftTwips; }
    float Top() const { return topTwips; }
    float Width() const { return widthTwips; }
    float Height() const { return heightTwips; }
    void SetLeft(float value);
    void SetTop(float value);
    void SetSize(float width, float height);

signals:
    // A button pressed on the element; X and Y in the element's twips.
    void MouseDown(int Button, int Shift, float X, float Y);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void Place();

    float leftTwips = 0;
    float topTwips = 0;
    float widthTwips = 0;
    float heightTwips = 0;
};

// The canvas of an editor. It reports the pointer in its own twips, also while
// the pointer is outside it during a drag.
class MaintCanvas : public PictureBox
{
    Q_OBJECT

public:
    explicit MaintCanvas(QWidget *parent = nullptr);

signals:
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// What a topic's editor sets in the shared editor window. Measures are twips.
struct EditorDesign {
    QString caption;                // "Maintain Lights"
    int helpContext = 0;
    int clientWidth = 7590;         // the client height is 5430 for every editor
    QRect canvas;                   // in the client area
    long canvasColour = 0;
    QRect elementTemplate;          // inside the canvas
    long templateColour = 0;
    QString hintLabel = QStringLiteral("Hint"); // caption of the hint text
    QString thirdLabel;             // caption of the third text: "Fog Signal"
    std::vector<QRect> lists;       // Mlist 0, 1, ...
    QRect addButton;
    QString topicWord;              // "Lights" in "You Have Not Added Any Lights"
    int listType = 0;               // the item list's topic, TopicCode - 1
    QString saveLocation;           // "MaintLightForm:SaveData"
    QString headTable;              // "LIGHTHEAD"
    QString lineTable;              // "LIGHTLINE"
    // Controls by name in tab order: "Lpicture0", "Mtext0".."Mtext2",
    // "Mlist0".., "Action0", "Action1", "NewPicture0".
    QStringList tabOrder;
};

// The editor window that the five topics share: an author adds elements to
// the canvas, drags them into place, types the hint, the answer and a third
// text, and saves the picture as one new head row and one line row per
// element. An editor only appends; it never changes a stored picture.
class MaintForm : public Form
{
    Q_OBJECT

public:
    // The controls as designed, rebuilt at every load.
    std::array<MaintCanvas *, 1> Lpicture{};
    ControlArray<MaintElement> NewPicture; // 0 is the hidden template
    std::array<MaintText *, 3> Mtext{};    // hint, answer, third text
    std::array<QLabel *, 3> Mlabel{};
    std::vector<QListWidget *> Mlist;
    std::array<QPushButton *, 2> Action{}; // "&Add", "&Save"
    std::array<QAction *, 2> Fmenu{};      // "&List", "&Quit"
    std::array<QAction *, 1> Emenu{};      // "&Clear"

    // Window-level variables, kept from one opening to the next.
    long PictureCount = 0;   // elements 1 to PictureCount exist
    bool Dragging = false;
    long DragIndex = 0;
    float LastX = 0;         // pointer at the previous drag step, canvas twips
    float LastY = 0;
    bool FirstDragMove = false; // the next move of the drag only records the pointer

    void Action_Click(int Index);
    void Fmenu_Click(int Index);
    void Emenu_Click(int Index);
    void NewPicture_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Lpicture_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Lpicture_MouseUp(int Index, int Button, int Shift, float X, float Y);

    // Removes every element; the texts and the list selections stay.
    virtual void ClearPicture();
    // The checks before saving, each failing one with its message, in order.
    bool ValidData();
    // Appends the picture in one transaction; on success empties the editor.
    void SaveData();
    // The item list in maintenance mode for the editor's topic.
    void ListItems();

protected:
    explicit MaintForm(EditorDesign design);

    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;

    // Fills every choice list afresh and selects its first entry.
    virtual void BuildLists() = 0;
    // The topic's add routine ("&Add").
    virtual void AddElement() = 0;
    // Whether anything has been added that a save would store.
    virtual bool ElementsAdded() const { return PictureCount > 0; }
    // The head row's fields from the texts and lists.
    virtual void WriteHead(Recordset &head) = 0;
    // A line row's fields, besides HEADER, from one element.
    virtual void WriteElement(Recordset &line, const MaintElement &element) = 0;
    // Line rows of what the editor holds besides its elements (the sound
    // editor's stack of sounds), appended after the elements' rows in the
    // same transaction.
    virtual void WriteOtherLines(Recordset &line, long record)
    {
        Q_UNUSED(line);
        Q_UNUSED(record);
    }

    // Steps common to every add routine: the next element, a copy of the
    // template at (100, 100) on the canvas, shown, enabled and on top.
    MaintElement *NewElement();

    const EditorDesign design;

private:
    void EndDrag();
    void SetElementsEnabled(bool enabled);
};
