#pragma once

#include <QString>

class QObject;

// A box that shows an assigned signal or channel keeps its code as decimal text
// in the dynamic property "Tag" of the widget; an empty tag means code 0.
namespace BoxTag {

QString get(const QObject* box);
void set(QObject* box, const QString& tag);
// The number of "0" followed by the tag, so "" gives 0 and "12" gives 12.
int code(const QObject* box);

} // namespace BoxTag

// What a box shows for a code that no list entry carries: "? 12077".
QString UnknownCodeText(int code);
