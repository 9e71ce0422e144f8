#pragma once

#include "platform/window/ControlArray.h"
#include "platform/window/Form.h"
#include "quiz/session/QuizSession.h"

#include <QList>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class ChoiceList;
class QMenu;
class QMenuBar;
class QPushButton;
class Recordset;

// The quiz window that every topic specialises: it lays out and shows what
// its session holds (a shuffled series of pictures, one at a time), with
// navigation, the hint, the topic's further text and the answer under the
// picture, the end-of-series question, the item list as a picker, the choice
// list of multiple-choice mode and the Links menu. A topic adds its pictures
// and their renderer, its own buttons and timers through the virtual steps
// below.
class QuizForm : public Form
{
    Q_OBJECT

public:
    // What a button of the Action array does; Own buttons go to Action_Own.
    enum class ActionRole { First, Previous, Next, Last, Hint, Further, Text, Own };
    // Where the layout moves a button: the row under the text line keeps its
    // lefts, the column right of the picture keeps its tops.
    enum class Column { BottomRow, RightColumn };

    struct ActionDesign {
        int index;
        QString caption;
        QRect place; // twips of the client area as designed
        ActionRole role;
        Column column;
        bool hidden = false;
    };

    struct Design {
        QString caption;
        int helpContext = 0;
        // The topic's tables and names, as its session reads them; the item
        // list takes topicCode - 1.
        QuizSession::Tables tables;
        int clientWidth = 7590;
        int clientHeight = 4485;
        int openingHeight = 5175;
        int minimumWidth = 7710;
        int minimumHeight = 5175;
        QList<ActionDesign> actions; // in tab order
        QRect textLine{120, 3240, 6015, 615};
        QRect cheat;
        QRect list;
        // "&Statistics" is offered only in multiple-choice mode.
        bool statisticsOnlyInMultiChoice = true;
    };

    // Controls, rebuilt at every load.
    ControlArray<QPushButton> Action;
    ControlArray<QLabel> Llabel;
    ControlArray<QCheckBox> Lcheck;
    ChoiceList *Clist = nullptr;
    QMenu *FileMenu = nullptr;
    QMenu *LinkMenu = nullptr;
    std::array<QAction *, 4> Fmenu{}; // "&Shuffle", "&List", "&Statistics", "&Quit"
    std::array<QAction *, 5> Lmenu{}; // one per topic, item i for topic i + 1

    int TopicCode() const { return design.tables.topicCode; }
    const QuizSeries &Series() const { return session.Series(); }
    long RecordNo() const { return session.RecordNo(); }
    const QString &HintText() const { return session.HintText(); }
    const QString &AnswerText() const { return session.AnswerText(); }
    const QString &FurtherText() const { return session.FurtherText(); }

    // Outer size in twips (see Form::FrameWidth) and the client area's size.
    int OuterWidth() const;
    int OuterHeight() const;
    void SetOuterSize(int width, int height);
    int ScaleWidth() const;
    int ScaleHeight() const;

    // The event handlers, as the controls and menus call them.
    void Action_Click(int Index);
    void Fmenu_Click(int Index);
    void Lmenu_Click(int Index);
    void Lcheck_Click(int Index);

protected:
    explicit QuizForm(Design design);

    void CreateControls() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_Unload() override;
    // Minimising brings no resize; the next window still opens minimised.
    void changeEvent(QEvent *event) override;

    using ShowCause = QuizSession::Cause;

    // --- What a topic supplies ---
    // Its pictures, extra labels, buttons' companions and timers, in the client.
    virtual void CreateTopicControls(QWidget &client) = 0;
    // Sizes its pictures for a client area of the given twips and returns the
    // rectangle they take together.
    virtual QRect LayoutPictures(int scaleWidth, int scaleHeight) = 0;
    // Places the text line(s) under the pictures; by default Llabel(0).
    virtual void LayoutTextLines(const QRect &pictures);
    // Moves the right-hand column beside the pictures.
    virtual void LayoutRightColumn(const QRect &pictures);
    // First step of every show, before the end-of-series question.
    virtual void BeforeShow() {}
    // After the question, before the head row is read: the renderer learns
    // the pictures and the scale of this show.
    virtual void StartDrawing() {}
    // What draws the picture on show.
    virtual PictureRenderer &Renderer() = 0;
    // The head row has been read (found or not), before the picture is
    // cleared and drawn.
    virtual void HeadRead(bool) {}
    virtual void Action_Own(int) {}

    // The show step: every show ends here.
    virtual void ShowData(ShowCause cause = ShowCause::Refresh);
    // True when the end-of-series question was asked and the series restarted.
    bool EndOfSeries(ShowCause cause);
    // The question alone: true when the reply asks to shuffle and restart.
    bool AskRestart(ShowCause cause);
    // The four navigation buttons.
    void SetNavigationEnabled(bool on);

    void LoadSeries();
    void Shuffle();
    void ShowFirst();
    void ShowPrevious();
    void ShowNext();
    void ShowLast();
    void ShowList();
    void ShowHint();
    void ShowFurther();
    void ShowText();
    // Puts text under the picture, or, when it is already there, shows the
    // picture again without it.
    void ToggleText(const QString &text);

    // "FormName:Procedure".
    QString Location(const QString &procedure) const { return session.Location(procedure); }

    const Design design;
    QuizSession session;
    QMenuBar *menuBar = nullptr;
    QWidget *client = nullptr;

private:
    int MenuBarHeight() const;
    void PlaceClient();
};
