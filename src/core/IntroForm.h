#pragma once

#include "platform/window/Form.h"

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;

// The introduction: what the program is for and how to begin with the lights
// quiz. Its check box stores at once whether it comes up again (OPTION10).
class IntroForm : public Form
{
    Q_OBJECT

public:
    IntroForm();

    // The paragraphs as FillText sets them; the second depends on WindowMode.
    static QString Paragraph(int index, int windowMode);

    QMenu *FileMenu = nullptr;
    std::array<QAction *, 1> Fmenu{};
    std::array<QLabel *, 3> Ilabel{};
    std::array<QCheckBox *, 1> Icheck{};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void FillText();
    void Icheck_Click(int index);
    void WriteUser();
    void Fmenu_Click(int index);
};
