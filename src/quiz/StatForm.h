#pragma once

#include "platform/window/Form.h"

#include <QString>

#include <array>

class QAction;
class QLabel;
class QPushButton;

// The share of right answers as a percentage in single precision: 0 without
// a right answer, otherwise the quotient, then the product, each kept single.
float SuccessPercentage(long correct, long tries);
// "#0.0" followed by "%", halves rounded away from zero (66.7%, 0.0%, 6.3%).
QString PercentageText(float percentage);
// The graded comment for a percentage.
QString Verdict(float percentage);

// Shows the tries and right answers counted since the program started or this
// window last closed, and lets the user start the series again. Leaves
// Response at 6 after "&Start Again", 2 otherwise; closing it starts a new
// count.
class StatForm : public Form
{
    Q_OBJECT

public:
    StatForm();

    std::array<QLabel *, 8> Slabel{};
    std::array<QPushButton *, 2> Action{}; // 0 start again, 1 ok
    std::array<QAction *, 1> Fmenu{};      // 0 quit

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void ShowStats();
    void Action_Click(int Index);
    void Fmenu_Click(int Index);
};
