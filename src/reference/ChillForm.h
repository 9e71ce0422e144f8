#pragma once

#include "platform/window/Form.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The wind-chill calculator: air temperature in degrees Celsius and wind
// speed in knots give the temperature felt, to one decimal. Leaving an input
// box pulls its value within the box's limits; the calculation takes the
// values as they stand. Nothing is kept between openings.
class ChillForm : public Form
{
    Q_OBJECT

public:
    ChillForm();

    std::array<QLabel *, 3> Clabel{};
    // 0 temperature, 1 wind speed, 2 the result.
    std::array<QLineEdit *, 3> Ctext{};
    // 0 "&Calculate", 1 "&Quit".
    std::array<QPushButton *, 2> Action{};

    void Action_Click(int Index);
    void Ctext_GotFocus(int Index);
    void Ctext_LostFocus(int Index);
    // Computes the wind chill from boxes 0 and 1 into box 2.
    void GetWc();

protected:
    void CreateControls() override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
