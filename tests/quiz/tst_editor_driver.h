#pragma once

// Shows an editor window and drives it with the mouse through its window, as
// the window system would; fills its texts and reads its lists.

#include "quiz/MaintForm.h"
#include "quiz/MaintText.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

inline bool ShowEditor(MaintForm &editor)
{
    editor.Load();
    editor.show();
    return QTest::qWaitForWindowExposed(&editor);
}

// Steps apart by ";": "press" on the newest element's centre, "move x,y" and
// "release x,y" with x and y in canvas pixels.
inline void DriveMouse(MaintForm &editor, const QString &script)
{
    QWindow *window = editor.windowHandle();
    for (const QString &step : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = step.trimmed().split(' ');
        if (parts[0] == "press") {
            MaintElement *top = editor.NewPicture[static_cast<int>(editor.PictureCount)];
            QTest::mousePress(window, Qt::LeftButton, {}, top->mapTo(&editor, top->rect().center()));
            continue;
        }
        const QStringList xy = parts[1].split(',');
        const QPoint at = editor.Lpicture[0]->mapTo(&editor, QPoint(xy[0].toInt(), xy[1].toInt()));
        if (parts[0] == "move")
            QTest::mouseMove(window, at);
        else
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    }
}

// Types a text over all a box holds; an empty text deletes it.
inline void TypeOver(MaintText &box, const QString &text)
{
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&box, Qt::Key_Delete);
    else
        QTest::keyClicks(&box, text);
}

// Types the hint and the answer, the texts every editor asks for, and
// clicks "&Save".
inline void SaveWithTexts(MaintForm &editor, const QString &hint, const QString &answer)
{
    TypeOver(*editor.Mtext[0], hint);
    TypeOver(*editor.Mtext[1], answer);
    QTest::mouseClick(editor.Action[1], Qt::LeftButton);
}

// The entries of a list, top to bottom.
inline QStringList ListTexts(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}
