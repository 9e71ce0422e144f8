#include "platform/window/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
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

int ShowMessageBox(const MsgBoxCall &call)
{
    QMessageBox box(iconFor(call.style), call.title, call.prompt, QMessageBox::NoButton, QApplication::activeWindow());
    switch (call.style & 0x7) {
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
