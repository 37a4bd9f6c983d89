#include "BoxTag.h"

#include "Helpers.h"

#include <QObject>
#include <QVariant>

#include <algorithm>

namespace BoxTag {

namespace {
constexpr const char* Property = "Tag";
}

QString get(const QObject* box)
{
    return box->property(Property).toString();
}

void set(QObject* box, const QString& tag)
{
    box->setProperty(Property, tag);
}

int code(const QObject* box)
{
    // The data set keeps 16-bit codes; a tag beyond them is not wrapped around.
    return std::clamp(LeadingNumber(QStringLiteral("0") + get(box).trimmed()), -32768, 32767);
}

} // namespace BoxTag

QString UnknownCodeText(int code)
{
    return QStringLiteral("? %1").arg(code);
}
