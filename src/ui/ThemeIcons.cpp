#include "ThemeIcons.h"

#include <QApplication>
#include <QHash>

namespace ThemeIcons {

QIcon icon(const char* themeName, QStyle::StandardPixmap fallback)
{
    static QHash<QByteArray, QIcon> made;
    const QByteArray key = QByteArray(themeName) + '|' + QByteArray::number(int(fallback));
    const auto found = made.constFind(key);
    if (found != made.cend())
        return *found;
    const QString name = QString::fromLatin1(themeName);
    const QIcon icon = QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name)
                                                 : QApplication::style()->standardIcon(fallback);
    made.insert(key, icon);
    return icon;
}

} // namespace ThemeIcons
