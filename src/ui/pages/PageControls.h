#pragma once

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

// Control factories for the pages; positions and sizes in twips.
namespace PageControls {

void place(QWidget* widget, int left, int top, int width, int height);
// A read-only text box that serves as a label.
QLineEdit* labelBox(QWidget* parent, const QString& name, int left, int top, int width, int height);
QLineEdit* textBox(QWidget* parent, const QString& name, int left, int top, int width, int height);

// Makes the boxes' font smaller, half a point at a time down to 6 points, until
// the text fits the first of them without scrolling; all keep one size.
void fitText(const QList<QLineEdit*>& boxes, const QString& text);

} // namespace PageControls
