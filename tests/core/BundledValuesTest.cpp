// Every text shipped in the bundled settings files must reach the user whole:
// the reader cuts a value at its first ";" and after 127 characters.
#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

TEST(BundledValues, EveryValueReadsWhole)
{
    const QDir resources(QStringLiteral(ZEL_SOURCE_DIR "/resources"));
    const QStringList files = resources.entryList({QStringLiteral("*.Ini")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    int checked = 0;
    for (const QString& name : files) {
        const QString path = resources.filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        QString section;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.startsWith(QLatin1Char('['))) {
                section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
                continue;
            }
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || eq < 0)
                continue;
            QString value = line.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
                value = value.mid(1, value.size() - 2);
            const QString key = line.left(eq).trimmed();
            EXPECT_EQ(ReadSetting(path, section, key, QString()).toStdString(), value.toStdString())
                << name.toStdString() << ":" << i + 1 << " [" << section.toStdString() << "] "
                << key.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
}

} // namespace
