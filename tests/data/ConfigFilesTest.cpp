#include "ConfigFiles.h"
#include "DataBench.h"
#include "ReadOnlyPath.h"

#include <gtest/gtest.h>

namespace {

void fillGroup(ConfigurationData& data)
{
    for (int slot = 0; slot < 8; ++slot)
        data.ConfigGroup[slot].set(QStringLiteral("31%1").arg(slot) + QString(900, QChar(u'A' + slot)) +
                                   QString::fromUtf8("€"));
}

// Group and single files, each written without and read back through the dialog.
TEST(ConfigFiles, RoundTripsByteForByte)
{
    for (bool single : {true, false}) {
        SCOPED_TRACE(single ? "single" : "group");
        DataBench b;
        fillGroup(b.data);
        b.data.ConfigSingle.set(QString::fromUtf8("Kurzer Text ä"));
        const ConfigurationData written = b.data;
        const QString extension = single ? QStringLiteral("CNS") : QStringLiteral("CNG");
        QString path = b.folder.file(QStringLiteral("Config.") + extension);

        ASSERT_TRUE(WriteConfigFile(b.ctx, path, single, false));
        const QByteArray file = TestFolder::read(path);
        ASSERT_EQ(file.size(), single ? 1024 : 8192);
        if (single) {
            EXPECT_EQ(file.left(14), QByteArray("Kurzer Text \xE4 "));
            EXPECT_EQ(file.mid(13), QByteArray(1011, ' ')); // padded with blanks
        } else {
            EXPECT_EQ(file.mid(1024, 3), QByteArray("311"));
            EXPECT_EQ(static_cast<unsigned char>(file.at(8192 - 1024 + 903)), 0x80);
        }
        EXPECT_TRUE(b.ui.dialogs.isEmpty());
        EXPECT_TRUE(b.logged(QStringLiteral("  Schreibe Datei <") + path + QLatin1Char('>')));
        EXPECT_EQ(b.ui.status, QStringLiteral(" Konfiguration geschrieben"));

        b.data.ConfigSingle = FixedText<1024>();
        b.data.ConfigGroup = {};
        b.ui.dialogAnswers = {path};
        QString readPath = b.folder.file(QStringLiteral("Proposed"));
        ASSERT_TRUE(ReadConfigFile(b.ctx, readPath, single));
        EXPECT_EQ(readPath, path);
        if (single) {
            EXPECT_EQ(b.data.ConfigSingle, written.ConfigSingle);
        } else {
            EXPECT_EQ(b.data.ConfigGroup, written.ConfigGroup);
        }
        ASSERT_EQ(b.ui.dialogs.size(), 1);
        EXPECT_EQ(b.ui.dialogs[0].title, QStringLiteral("Datei oeffnen"));
        EXPECT_EQ(b.ui.dialogs[0].filter, QStringLiteral("ZEL/MOR Rimtal Konfigurationsdatei  (*.") +
                                              extension + QStringLiteral(")|*.") + extension);
        EXPECT_EQ(b.ui.dialogs[0].defaultExtension, extension);
        EXPECT_EQ(b.ui.status, QStringLiteral(" Konfiguration gelesen"));
        EXPECT_TRUE(b.logged(QStringLiteral("  Lese Datei <") + path + QLatin1Char('>')));
        EXPECT_FALSE(b.ui.busy);
    }
}

TEST(ConfigFiles, ShortFileIsRefusedAndTheRecordStays)
{
    for (bool single : {true, false}) {
        SCOPED_TRACE(single ? "single" : "group");
        DataBench b;
        fillGroup(b.data);
        b.data.ConfigSingle.set(QStringLiteral("KEEP"));
        const ConfigurationData before = b.data;
        const int size = single ? 1000 : 8191;
        QString path = b.folder.write(QStringLiteral("Short.CNX"), QByteArray(size, 'Z'));
        b.ui.dialogAnswers = {path};

        EXPECT_FALSE(ReadConfigFile(b.ctx, path, single));
        EXPECT_EQ(b.data.ConfigSingle, before.ConfigSingle);
        EXPECT_EQ(b.data.ConfigGroup, before.ConfigGroup);
        ASSERT_EQ(b.ui.boxes.size(), 1);
        EXPECT_TRUE(b.ui.boxes[0].text.endsWith(
            QStringLiteral("%1 bytes, %2 expected> beim Lesen von <").arg(size).arg(single ? 1024 : 8192) +
            path + QLatin1Char('>')))
            << b.ui.boxes[0].text.toStdString();
        EXPECT_FALSE(b.ui.busy);
    }
}

TEST(ConfigFiles, TheKindFixesWhatIsRead)
{
    // A group file chosen for a single record yields its first record only.
    DataBench b;
    fillGroup(b.data);
    QString path = b.folder.file(QStringLiteral("All.CNG"));
    ASSERT_TRUE(WriteConfigFile(b.ctx, path, false, false));
    b.ui.dialogAnswers = {path};
    ASSERT_TRUE(ReadConfigFile(b.ctx, path, true));
    EXPECT_EQ(b.data.ConfigSingle, b.data.ConfigGroup[0]);
    EXPECT_TRUE(b.ui.dialogs[0].filter.endsWith(QStringLiteral("|*.CNS")));
}

TEST(ConfigFiles, SaveDialogCancelOrNoWritesNothing)
{
    DataBench b;
    const QString existing = b.folder.write(QStringLiteral("Old.CNS"), QByteArray("old"));
    const QString proposed = b.folder.file(QStringLiteral("New.CNS"));

    QString path = proposed;
    EXPECT_FALSE(WriteConfigFile(b.ctx, path, true, true));
    EXPECT_EQ(path, proposed);
    EXPECT_FALSE(QFile::exists(proposed));
    ASSERT_EQ(b.ui.dialogs.size(), 1);
    EXPECT_EQ(b.ui.dialogs[0].title, QStringLiteral("Speichern unter"));

    b.ui.dialogAnswers = {existing};
    b.ui.answers = {false};
    EXPECT_FALSE(WriteConfigFile(b.ctx, path, true, true));
    EXPECT_EQ(path, proposed);
    EXPECT_EQ(TestFolder::read(existing), QByteArray("old"));

    b.ui.dialogAnswers = {existing};
    b.ui.answers = {true};
    EXPECT_TRUE(WriteConfigFile(b.ctx, path, true, true));
    EXPECT_EQ(path, existing);
    EXPECT_EQ(TestFolder::read(existing).size(), 1024);

    // Without a dialog an empty path means there is nowhere to write.
    QString empty;
    EXPECT_FALSE(WriteConfigFile(b.ctx, empty, false, false));
    EXPECT_TRUE(b.ui.boxes.isEmpty());
}

TEST(ConfigFiles, ReadOnlyFolderReportsAndKeepsTheOldFile)
{
    DataBench b;
    fillGroup(b.data);
    const QString folder = b.subFolder(QStringLiteral("ro"));
    QString path = b.folder.write(QStringLiteral("ro/All.CNG"), QByteArray("old group"));
    {
        ReadOnlyPath readOnly(folder);
        if (!readOnly.active())
            GTEST_SKIP() << "this system lets the folder be written";
        EXPECT_FALSE(WriteConfigFile(b.ctx, path, false, false));
    }
    EXPECT_EQ(TestFolder::read(path), QByteArray("old group"));
    ASSERT_EQ(b.ui.boxes.size(), 1);
    EXPECT_EQ(b.ui.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(
        b.ui.boxes[0].text.endsWith(QStringLiteral("> beim Schreiben von <") + path + QLatin1Char('>')));
    EXPECT_FALSE(b.logged(QStringLiteral("Konfiguration geschrieben")));
}

// The path goes into the data file; a character Windows-1252 lacks would come back as '?'.
TEST(ConfigFiles, PathOutsideWindows1252IsRefusedWhenChosenNamingTheCharacter)
{
    const struct
    {
        QString file;
        QString named; // "" when the path is taken
    } cases[] = {
        {QStringLiteral("Stufe \u03A9.CNS"), QStringLiteral("'\u03A9' (U+03A9)")},
        {QStringLiteral("Show \U0001F3B5.CNS"), QStringLiteral("'\U0001F3B5' (U+1F3B5)")},
        {QStringLiteral("\u6F14\u64AD.CNS"), QStringLiteral("'\u6F14' (U+6F14)")},
        {QStringLiteral("K\u00FChlung \u20AC.CNS"), QString()},
    };
    for (const auto& c : cases) {
        for (const ConfigDialogMode mode : {ConfigDialogMode::Open, ConfigDialogMode::Save}) {
            SCOPED_TRACE(c.file.toStdString());
            DataBench b;
            const QString chosen = b.folder.write(c.file, QByteArray(1024, ' '));
            b.ui.dialogAnswers = {chosen};
            b.ui.answers = {true}; // overwrite
            EXPECT_EQ(SelectConfigFile(b.ctx, QString(), mode, true), c.named.isEmpty() ? chosen : QString());
            const QString text = QStringLiteral("Zeichen ") + c.named + QStringLiteral(" im Pfad <") +
                                 chosen + QStringLiteral("> nicht speicherbar");
            EXPECT_EQ(b.logged(QStringLiteral("  ") + text), !c.named.isEmpty());
            EXPECT_EQ(b.ui.boxes.size(), c.named.isEmpty() ? 0 : 1);
        }
    }
}

TEST(ConfigFiles, OpenOfAMissingOrUnreadableFile)
{
    DataBench b;
    const QString missing = b.folder.file(QStringLiteral("Missing.CNS"));
    b.ui.dialogAnswers = {missing};
    EXPECT_EQ(SelectConfigFile(b.ctx, QString(), ConfigDialogMode::Open, true), QString());
    ASSERT_EQ(b.ui.boxes.size(), 1);
    EXPECT_EQ(b.ui.boxes[0].text, QStringLiteral("Datei <") + missing + QStringLiteral("> nicht gefunden"));

    // A folder picked as file.
    QString path = b.subFolder(QStringLiteral("Folder.CNS"));
    b.ui.dialogAnswers = {path};
    EXPECT_FALSE(ReadConfigFile(b.ctx, path, true));
    EXPECT_EQ(b.ui.boxes.size(), 2);
}

} // namespace
