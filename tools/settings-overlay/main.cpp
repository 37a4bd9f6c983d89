#include "SettingsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

// settings-overlay BASE OVERLAY TARGET: TARGET becomes BASE with every key of
// OVERLAY written over it (sections and keys the base lacks are added).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: settings-overlay BASE OVERLAY TARGET\n");
        return 2;
    }
    const QString& base = args.at(1);
    const QString& overlay = args.at(2);
    const QString& target = args.at(3);
    QFile::remove(target);
    if (!QFile::copy(base, target)) {
        std::fprintf(stderr, "settings-overlay: cannot copy %s\n", qPrintable(base));
        return 1;
    }
    QFile in(overlay);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "settings-overlay: cannot read %s\n", qPrintable(overlay));
        return 1;
    }
    static const QRegularExpression header(QStringLiteral("^\\[([^\\]]+)\\]"));
    for (const QByteArray& line : in.readAll().split('\n')) {
        const QRegularExpressionMatch m = header.match(QString::fromUtf8(line.trimmed()));
        if (!m.hasMatch())
            continue;
        const QString section = m.captured(1);
        QStringList keys;
        QStringList values;
        if (!ReadSectionKeys(overlay, section, keys, &values))
            continue;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (!WriteSetting(target, section, keys.at(i), values.at(i), false)) {
                std::fprintf(stderr, "settings-overlay: cannot write [%s] %s\n", qPrintable(section),
                             qPrintable(keys.at(i)));
                return 1;
            }
        }
    }
    return 0;
}
