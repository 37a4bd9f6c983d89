#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Control factories for the pages; positions and sizes in twips.
namespace PageControls {

void place(QWidget* widget, int left, int top, int width, int height);
// A read-only text box that serves as a label.
QLineEdit* labelBox(QWidget* parent, const QString& name, int left, int top, int width, int height);
QLineEdit* textBox(QWidget* parent, const QString& name, int left, int top, int width, int height);

} // namespace PageControls
