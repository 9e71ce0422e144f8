#pragma once

#include "platform/window/Form.h"

#include <QLineF>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QMenu;

// A fixed picture with twelve labels naming its parts, as a self-test: a
// label's background is its state, black hiding its name and white showing
// it. A click on a label turns it over, "&Shuffle" hides about half of the
// shown ones, "&Cheat" shows them all. Every label starts hidden.
class LabelledPictureForm : public Form
{
    Q_OBJECT

public:
    struct PartLabel {
        const char *caption;
        int left;
        int top;
        int width;
        int height;
    };
    struct Design {
        QString caption;
        int helpContext;
        QString picture; // the drawing's name and its size in pixels
        int pictureWidth;
        int pictureHeight;
        int clientWidth; // the inner area, twips
        int clientHeight;
        QStringList fileItems; // "&Shuffle" and "&Cheat" first, "&Quit" last
        std::array<PartLabel, 12> labels;
        std::vector<QLineF> leaders; // black lines on the picture, twips
    };

    QMenu *FileMenu = nullptr;
    QList<QAction *> Fmenu;
    std::array<QLabel *, 12> Ylabel{};

    // A label's background colour, blue-green-red.
    long LabelBackColor(int index) const;

    virtual void Fmenu_Click(int Index);
    void Ylabel_Click(int Index);
    void HideLabels();
    void ShowLabels();
    // Each label in turn is hidden with a chance of one half; a shuffle never
    // shows a label.
    void ShuffleLabels();

protected:
    explicit LabelledPictureForm(Design design);

    void CreateControls() override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetLabelBackColor(int index, long colour);
    void CheatChanged();

    const Design design;
    int pressedLabel = -1;
};
