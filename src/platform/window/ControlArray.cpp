#include "platform/window/ControlArray.h"

#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <QAbstractButton>
#include <QLabel>

void CopyControlProperties(const QWidget &from, QWidget &to)
{
    to.setGeometry(from.geometry());
    to.setFont(from.font());
    to.setPalette(from.palette());
    to.setAutoFillBackground(from.autoFillBackground());
    to.setStyleSheet(from.styleSheet());
    if (from.testAttribute(Qt::WA_SetCursor))
        to.setCursor(from.cursor());
    to.setToolTip(from.toolTip());
    to.setEnabled(from.isEnabled());
    to.setFocusPolicy(from.focusPolicy());
    SetControlTag(to, ControlTag(from));
}

void CopyControlProperties(const QLabel &from, QLabel &to)
{
    CopyControlProperties(static_cast<const QWidget &>(from), static_cast<QWidget &>(to));
    to.setTextFormat(from.textFormat());
    // A label shows either its text or its picture; setting one clears the other.
    if (from.pixmap().isNull())
        to.setText(from.text());
    else
        to.setPixmap(from.pixmap());
    to.setScaledContents(from.hasScaledContents());
    to.setAlignment(from.alignment());
    to.setWordWrap(from.wordWrap());
    to.setFrameShape(from.frameShape());
    to.setFrameShadow(from.frameShadow());
    to.setMargin(from.margin());
    to.setIndent(from.indent());
}

void CopyControlProperties(const QAbstractButton &from, QAbstractButton &to)
{
    CopyControlProperties(static_cast<const QWidget &>(from), static_cast<QWidget &>(to));
    to.setText(from.text());
    to.setIcon(from.icon());
    to.setIconSize(from.iconSize());
    to.setCheckable(from.isCheckable());
    to.setAutoExclusive(from.autoExclusive());
}

void CopyControlProperties(const PictureBox &from, PictureBox &to)
{
    CopyControlProperties(static_cast<const QWidget &>(from), static_cast<QWidget &>(to));
    to.SetFillsShapes(from.FillsShapes());
    to.SetFillColor(from.FillColor());
    to.SetDrawWidth(from.DrawWidth());
    // The new element starts blank in the back colour; drawings are not copied.
    to.SetBackColor(from.BackColor());
}
