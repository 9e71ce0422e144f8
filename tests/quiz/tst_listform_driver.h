#pragma once

// Runs steps inside the item list while it is shown modally, and records the
// message boxes it shows, answering them as a test says.

#include "core/state/Global.h"
#include "platform/ask/MsgBox.h"
#include "platform/window/Controls.h"
#include "platform/window/Form.h"
#include "quiz/ListBox.h"
#include "quiz/ListForm.h"

#include <QTest>

#include <functional>

// Shows the item list for the topic (ListType) in maintenance or picker mode
// and runs the steps inside it; what the steps leave open closes as by the
// window's frame.
inline void WithListForm(int listType, bool maintenance, const std::function<void(ListForm &)> &steps)
{
    ListType = listType;
    ListEdit = maintenance;
    Form::SetModalHook([&](Form &f) { steps(dynamic_cast<ListForm &>(f)); });
    FormInstance<ListForm>().ShowModal();
    Form::SetModalHook({});
}

struct Boxes {
    QStringList prompts;
    QList<int> styles;
    int answer = MsgBoxAnswer::Ok; // given to every question

    void Install()
    {
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            prompts << call.prompt;
            styles << call.style;
            if (call.title != "Help")
                prompts << "wrong title: " + call.title;
            return (call.style & 7) == MsgBoxStyle::YesNo ? answer : MsgBoxAnswer::Ok;
        });
    }
};

inline QStringList Texts(const ListBox &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

inline QList<long> Data(const ListBox &list)
{
    QList<long> data;
    for (int row = 0; row < list.count(); ++row)
        data << list.ItemData(row);
    return data;
}

// Texts of the marked entries of a list, top to bottom.
inline QStringList Marked(const ListBox &list)
{
    QStringList texts;
    for (int row : list.SelectedRows())
        texts << list.item(row)->text();
    return texts;
}

inline void Mark(ListBox &list, const QStringList &texts)
{
    list.clearSelection();
    for (int row = 0; row < list.count(); ++row)
        if (texts.contains(list.item(row)->text()))
            list.item(row)->setSelected(true);
}

inline int RowOf(const ListBox &list, const QString &text)
{
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->text() == text)
            return row;
    return -1;
}

// A click with the mouse on an entry, as the user makes it; the window must be
// shown.
inline void ClickEntry(ListBox &list, int row, Qt::KeyboardModifiers modifiers = {})
{
    list.scrollToItem(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualItemRect(list.item(row)).center());
}
