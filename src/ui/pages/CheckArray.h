#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QWidget;

// A row of check boxes "<array>_0", "<array>_1" ... used as a radio group: a
// click runs ExclusiveCheck with keepOne, so exactly one box stays checked once
// one is. Positions in twips; `designTexts` gives the count and the captions.
QList<QCheckBox*> MakeCheckArray(QWidget* parent, const QString& arrayName, const QStringList& designTexts,
                                 int left, int top, int pitch, int width, int height);
