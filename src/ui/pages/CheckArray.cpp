#include "CheckArray.h"

#include "ExclusiveCheck.h"
#include "PageControls.h"

#include <QCheckBox>

QList<QCheckBox*> MakeCheckArray(QWidget* parent, const QString& arrayName, const QStringList& designTexts,
                                 int left, int top, int pitch, int width, int height)
{
    QList<QCheckBox*> boxes;
    for (qsizetype i = 0; i < designTexts.size(); ++i) {
        auto* box = new QCheckBox(designTexts.at(i), parent);
        box->setObjectName(arrayName + QLatin1Char('_') + QString::number(i));
        PageControls::place(box, left + int(i) * pitch, top, width, height);
        QObject::connect(box, &QCheckBox::clicked, box, [box] { ExclusiveCheck(box, true); });
        boxes.append(box);
    }
    return boxes;
}
