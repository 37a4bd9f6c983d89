#include "DropDownButton.h"

#include "PageControls.h"

#include <QToolButton>

QToolButton* MakeDropDownButton(QWidget* parent, const QString& name, int left, int top, int width,
                                int height, bool themed)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(Qt::DownArrow);
    button->setAutoRaise(themed);
    button->setFocusPolicy(Qt::NoFocus);
    PageControls::place(button, left, top, width, height);
    return button;
}
