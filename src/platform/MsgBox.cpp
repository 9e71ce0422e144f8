#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MsgBoxHandler &handler()
{
    static MsgBoxHandler h;
    return h;
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case MsgBoxStyle::Question:
        return QMessageBox::Question;
    case MsgBoxStyle::Exclamation:
        return QMessageBox::Warning;
    case MsgBoxStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

void SetMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

int MsgBox(const QString &prompt, int style, const QString &title)
{
    if (handler())
        return handler()(MsgBoxCall{prompt, style, title});

    QMessageBox box(iconFor(style), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    switch (style & 0x7) {
    case MsgBoxStyle::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MsgBoxStyle::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MsgBoxStyle::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgBoxAnswer::Ok;
    case QMessageBox::Yes:
        return MsgBoxAnswer::Yes;
    case QMessageBox::No:
        return MsgBoxAnswer::No;
    case QMessageBox::Retry:
        return MsgBoxAnswer::Retry;
    default:
        return MsgBoxAnswer::Cancel;
    }
}
