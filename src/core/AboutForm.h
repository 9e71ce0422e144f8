#pragma once

#include "platform/window/Form.h"

#include <array>

class QLabel;
class QPushButton;

// The splash window at start-up and, for the rest of the run, the About box.
// Its first load is the program's entry point: it either hands over to a copy
// that is already running or runs Main.
class AboutForm : public Form
{
    Q_OBJECT

public:
    AboutForm();

    // Set by the first load and kept for the whole run: every later load is
    // the About box.
    bool SplashShown = false;

    std::array<QLabel *, 4> AboutLabel{};
    std::array<QLabel *, 2> AboutImage{};
    QPushButton *Ok = nullptr;

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void Ok_Click();
};
