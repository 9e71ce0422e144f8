#pragma once

// A window's controls as the layout tables name and place them.

#include "platform/window/Controls.h"

#include <QRect>
#include <QString>
#include <QWidget>

// A control's place in twips of its parent's inner area.
inline QRect ControlPlace(const QWidget &control)
{
    return QRect(ControlLeft(control), ControlTop(control), ControlWidth(control), ControlHeight(control));
}

// A quiz window's control by name: "Lpicture1", "Llabel0", "Action3",
// "Lcheck0" (one-digit indexes); null for any other name.
template <class QuizWindow>
QWidget *QuizControl(QuizWindow &form, const QString &name)
{
    const int index = name.back().digitValue();
    if (name.startsWith("Lpicture"))
        return form.Lpicture[index];
    if (name.startsWith("Llabel"))
        return form.Llabel[index];
    if (name.startsWith("Action"))
        return form.Action[index];
    if (name.startsWith("Lcheck"))
        return form.Lcheck[index];
    return nullptr;
}
