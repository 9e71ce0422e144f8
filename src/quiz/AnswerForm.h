#pragma once

#include "platform/window/Form.h"

#include <array>

class QAction;
class QLabel;
class QPushButton;

// Says whether the answer chosen in a quiz's choice list was right and counts
// the try. Reads Response (-1 right, 0 wrong) and ChosenAnswer; leaves
// Response at -1 when the user goes on to the next picture, 0 otherwise.
class AnswerForm : public Form
{
    Q_OBJECT

public:
    AnswerForm();

    // The controls as designed, rebuilt at every load.
    std::array<QLabel *, 1> Alabel{};
    std::array<QPushButton *, 2> Action{}; // 0 go on, 1 try again
    std::array<QAction *, 1> Fmenu{};      // 0 quit

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Activate() override;

private:
    void ShowResult();
    void Action_Click(int Index);
    void Fmenu_Click(int Index);
};
