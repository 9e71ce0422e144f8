#pragma once

#include "platform/window/Form.h"

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QMenu;
class QPushButton;

// The options window: the sound mode, the introduction and multiple-choice
// mode, shown as stored in the USER record and stored back by "&Ok" or "&Save".
// Whoever opens it runs LoadUser once it has closed.
class UserForm : public Form
{
    Q_OBJECT

public:
    UserForm();

    // The entries of the sound list; an entry's index is the stored OPTION1.
    static const std::array<const char *, 5> SoundModes;

    QMenu *FileMenu = nullptr;
    std::array<QAction *, 2> Fmenu{};
    QGroupBox *Uframe = nullptr;
    QListWidget *Ulist = nullptr;
    std::array<QCheckBox *, 2> Ucheck{};
    std::array<QPushButton *, 2> Action{};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void FillSoundList();
    void LoadData();
    void SaveData();
    void Action_Click(int index);
    void Fmenu_Click(int index);
};
