#pragma once

#include <QString>

#include <functional>

// Message and question boxes. Style and answer values are those the program's
// texts are written against: the style adds a button set to an icon.
namespace MsgBoxStyle {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
} // namespace MsgBoxStyle

namespace MsgBoxAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Retry = 4;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgBoxAnswer

// Shows a modal box and returns the button chosen.
int MsgBox(const QString &prompt, int style, const QString &title);

struct MsgBoxCall {
    QString prompt;
    int style;
    QString title;
};
using MsgBoxHandler = std::function<int(const MsgBoxCall &)>;

// The handler sees each call and gives the answer. The box is a window, which
// this folder cannot show: the program's start gives the handler that shows
// it (ShowMessageBox), tests give their own.
void SetMsgBoxHandler(MsgBoxHandler handler);
