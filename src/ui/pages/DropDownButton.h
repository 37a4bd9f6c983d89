#pragma once

#include <QString>

class QToolButton;
class QWidget;

// The small picture button beside a cell that opens the choice dialog. With
// themed drawing it takes the flat arrow the main window's themed button shows.
QToolButton* MakeDropDownButton(QWidget* parent, const QString& name, int left, int top, int width,
                                int height, bool themed);
