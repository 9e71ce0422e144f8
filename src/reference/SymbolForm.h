#pragma once

#include "platform/window/Form.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;

// The chart of weather symbols, each with its letter and name, kept centred
// in the window.
class SymbolForm : public Form
{
    Q_OBJECT

public:
    SymbolForm();

    QMenu *FileMenu = nullptr;
    std::array<QAction *, 1> Fmenu{}; // "&Quit"
    QLabel *Simage = nullptr;

    void Fmenu_Click(int Index);

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    QPointer<QWidget> client;
};
