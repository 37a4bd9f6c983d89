#pragma once

#include <QCheckBox>

// A check box's value as the data set stores it: 0 unchecked, 1 checked, 2 greyed.
namespace CheckValue {

inline qint16 get(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

// False for a value a check box cannot show.
inline bool set(QCheckBox* box, int value)
{
    switch (value) {
    case 0:
        box->setCheckState(Qt::Unchecked);
        return true;
    case 1:
        box->setCheckState(Qt::Checked);
        return true;
    case 2:
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return true;
    default:
        return false;
    }
}

} // namespace CheckValue
