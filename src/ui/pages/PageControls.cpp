#include "PageControls.h"

#include "Twips.h"

#include <QLineEdit>

namespace PageControls {

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
}

QLineEdit* labelBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    box->setPalette(p);
    place(box, left, top, width, height);
    return box;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    place(box, left, top, width, height);
    return box;
}

} // namespace PageControls
