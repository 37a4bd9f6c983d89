#include "PlatformStyle.h"

#include <QStyle>

bool IsThemedStyle(const QStyle* style)
{
    return style && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}
