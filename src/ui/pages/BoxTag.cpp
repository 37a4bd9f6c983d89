#include "BoxTag.h"

#include "Helpers.h"

#include <QObject>
#include <QVariant>

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
    return LeadingNumber(QStringLiteral("0") + get(box).trimmed());
}

} // namespace BoxTag
