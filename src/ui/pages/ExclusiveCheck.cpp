#include "ExclusiveCheck.h"

#include <QCheckBox>

namespace {

QString arrayName(const QObject* box)
{
    return box->objectName().section(QLatin1Char('_'), 0, 0);
}

// The page panel `fraTab` the box lies on, or its outermost parent.
QWidget* pageOf(QWidget* box)
{
    QWidget* w = box;
    while (w->parentWidget() && w->objectName() != QLatin1String("fraTab"))
        w = w->parentWidget();
    return w;
}

} // namespace

void ExclusiveCheck(QCheckBox* clicked, bool keepOne)
{
    const QString name = arrayName(clicked);
    bool anyChecked = false;
    for (QCheckBox* box : pageOf(clicked)->findChildren<QCheckBox*>()) {
        if (arrayName(box) != name)
            continue;
        if (box != clicked && clicked->isChecked())
            box->setChecked(false);
        anyChecked = anyChecked || box->isChecked();
    }
    if (keepOne && !anyChecked)
        clicked->setChecked(true);
}
