#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The logos and window icons of the four device models, drawn as vector
// pictures in the resources; model 0 is the neutral design logo.
namespace ModelPictures {

// 1 zel308, 2 zel312, 3 mor304, 4 mor308 by the first six characters of the
// lower-cased model name; 0 when none matches.
int modelIndex(const QString& deviceModel);

QPixmap logo(int index, const QSize& pixelSize, qreal devicePixelRatio = 1.0);
QIcon icon(int index);

} // namespace ModelPictures
