#include "ExclusiveCheck.h"

#include "CheckValue.h"
#include "OneOfN.h"

#include <QCheckBox>

#include <vector>

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
    QList<QCheckBox*> boxes;
    for (QCheckBox* box : pageOf(clicked)->findChildren<QCheckBox*>()) {
        if (arrayName(box) == name)
            boxes.append(box);
    }
    std::vector<qint16> states;
    for (const QCheckBox* box : std::as_const(boxes))
        states.push_back(CheckValue::get(box));
    ExclusiveCheck(states, int(boxes.indexOf(clicked)), keepOne);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        if (states[i] != CheckValue::get(boxes.at(i)))
            CheckValue::set(boxes.at(i), states[i]);
    }
}
