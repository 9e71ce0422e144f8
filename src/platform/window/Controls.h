#pragma once

class QObject;
class QString;
class QWidget;

// Position and size of a control in twips of its parent's inner area, and
// the free text ("Tag") kept with any control.
int ControlLeft(const QWidget &control);
int ControlTop(const QWidget &control);
int ControlWidth(const QWidget &control);
int ControlHeight(const QWidget &control);
void MoveControl(QWidget &control, double left, double top);
void ResizeControl(QWidget &control, double width, double height);
void PlaceControl(QWidget &control, double left, double top, double width, double height);

QString ControlTag(const QObject &control);
void SetControlTag(QObject &control, const QString &tag);
