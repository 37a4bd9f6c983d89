#include "DataFile.h"
#include "DataBench.h"
#include "FileSizeCap.h"
#include "ReadOnlyPath.h"
#include "SafeFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

const QByteArray kWrittenVersion("2.1       ");

// A file image as another program run would have saved it.
QByteArray imageWithVersion(const QByteArray& version)
{
    QByteArray image = FilledDataSet().toBytes();
    image.replace(0, 10, version.leftJustified(10, ' ', true));
    return image;
}

// The reset image differs from every file the tests read.
void prepareReset(DataBench& b)
{
    b.data.Reset.InputName[0][0].set(QStringLiteral("RESET"));
    b.data.Reset.StartUpConf = 3;
}

TEST(WriteDataFile, SavesTheFixedImageAndReadsItBackByteForByte)
{
    DataBench b;
    b.data.Current = FilledDataSet();
    const QByteArray before = b.data.Current.toBytes();
    const QString target = b.folder.file(QStringLiteral("Saved.DAT"));
    QString path = b.folder.file(QStringLiteral("Proposed.DAT"));
    b.ui.dialogAnswers = {target};

    ASSERT_TRUE(WriteDataFile(b.ctx, path));
    EXPECT_EQ(path, target);
    const QByteArray file = TestFolder::read(target);
    ASSERT_EQ(file.size(), 8449);
    EXPECT_EQ(file.left(10), kWrittenVersion);
    EXPECT_EQ(file.mid(10), before.mid(10));
    // StartUpConf sits at the odd offset 8347, low byte first.
    EXPECT_EQ(static_cast<unsigned char>(file.at(8347)), 0x05);
    EXPECT_EQ(static_cast<unsigned char>(file.at(8348)), 0x07);

    ASSERT_EQ(b.ui.dialogs.size(), 1);
    EXPECT_EQ(b.ui.dialogs[0].title, QStringLiteral("Speichern unter"));
    EXPECT_EQ(b.ui.dialogs[0].filter, QStringLiteral("ZEL/MOR Rimtal Datendatei  (*.DAT)|*.DAT"));
    EXPECT_EQ(b.ui.dialogs[0].defaultExtension, QStringLiteral("DAT"));
    EXPECT_EQ(b.ui.dialogs[0].path, b.folder.file(QStringLiteral("Proposed.DAT")));
    EXPECT_TRUE(b.ui.statusLines.contains(QStringLiteral(" Schreibe Daten")));
    EXPECT_EQ(b.ui.status, QStringLiteral(" Daten geschrieben"));
    EXPECT_TRUE(b.logged(QStringLiteral("  Schreibe Datei <") + target + QLatin1Char('>')));
    EXPECT_TRUE(b.logged(QStringLiteral("  Daten geschrieben")));
    EXPECT_TRUE(b.ui.boxes.isEmpty());

    DataSet expected = FilledDataSet();
    expected.DataVersion.set(QStringLiteral("2.1"));
    b.data.Current = DataSet();
    b.ui.dialogAnswers = {target};
    b.ui.answers = {true};
    QString readPath = path;
    ASSERT_TRUE(ReadDataFile(b.ctx, readPath, false));
    EXPECT_EQ(b.data.Current, expected);
    EXPECT_EQ(b.data.Current.DataVersion.raw(), kWrittenVersion);
}

TEST(WriteDataFile, CancelledDialogKeepsThePathAndWritesNothing)
{
    DataBench b;
    const QString proposed = b.folder.file(QStringLiteral("Proposed.DAT"));
    QString path = proposed;
    EXPECT_FALSE(WriteDataFile(b.ctx, path));
    EXPECT_EQ(path, proposed);
    EXPECT_FALSE(QFile::exists(proposed));
    EXPECT_TRUE(b.ui.statusLines.isEmpty());
    EXPECT_TRUE(b.screen.lines.isEmpty());
}

TEST(WriteDataFile, OverwriteQueryDecidesWhetherAnExistingFileIsReplaced)
{
    DataBench b;
    b.data.Current = FilledDataSet();
    const QByteArray old(9000, 'x');
    const QString target = b.folder.write(QStringLiteral("Old.DAT"), old);
    const QString proposed = b.folder.file(QStringLiteral("Proposed.DAT"));

    QString path = proposed;
    b.ui.dialogAnswers = {target};
    b.ui.answers = {false};
    EXPECT_FALSE(WriteDataFile(b.ctx, path));
    EXPECT_EQ(path, proposed);
    EXPECT_EQ(TestFolder::read(target), old);
    ASSERT_EQ(b.ui.queries.size(), 1);
    EXPECT_EQ(b.ui.queries[0].icon, MessageIcon::Stop);
    EXPECT_EQ(b.ui.queries[0].title, b.ui.caption);
    EXPECT_EQ(b.ui.queries[0].text, QStringLiteral("Datei <") + target + QStringLiteral("> ueberschreiben?"));

    // Yes replaces the longer old file completely.
    b.ui.dialogAnswers = {target};
    b.ui.answers = {true};
    EXPECT_TRUE(WriteDataFile(b.ctx, path));
    EXPECT_EQ(path, target);
    EXPECT_EQ(TestFolder::read(target).size(), 8449);
}

// A save over an old file that fails half-way; the old file must survive whole.
struct FailingSave
{
    FailingSave()
    {
        b.data.Current = FilledDataSet();
        b.data.Current.InputName[0][0].set(QStringLiteral("NEU"));
        b.folder.write(QStringLiteral("target/Data.DAT"), old);
        b.ui.dialogAnswers = {target};
        b.ui.answers = {true};
    }

    void expectReportedAndOldFileKept()
    {
        EXPECT_EQ(TestFolder::read(target), old);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Data.DAT")});
        ASSERT_EQ(b.ui.boxes.size(), 1);
        const auto& box = b.ui.boxes[0];
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.title, QStringLiteral("ZEL308Tools"));
        // Error text first, path second.
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Fehler <"))) << box.text.toStdString();
        EXPECT_FALSE(box.text.startsWith(QStringLiteral("Fehler <>")));
        EXPECT_TRUE(box.text.endsWith(QStringLiteral("> beim Schreiben von <") + target + QLatin1Char('>')));
        EXPECT_TRUE(b.logged(QStringLiteral("  ") + box.text));
        EXPECT_FALSE(b.logged(QStringLiteral("Daten geschrieben")));
    }

    DataBench b;
    const QString folder = b.subFolder(QStringLiteral("target"));
    const QString target = folder + QStringLiteral("/Data.DAT");
    const QByteArray old = imageWithVersion("2.1");
    QString path = target;
};

TEST(WriteDataFile, ReadOnlyFolderReportsAndKeepsTheOldFile)
{
    FailingSave save;
    {
        ReadOnlyPath readOnly(save.folder);
        if (!readOnly.active())
            GTEST_SKIP() << "this system lets the folder be written";
        EXPECT_FALSE(WriteDataFile(save.b.ctx, save.path));
    }
    save.expectReportedAndOldFileKept();
}

TEST(WriteDataFile, FullDiskReportsAndKeepsTheOldFile)
{
    FailingSave save;
    {
        FileSizeCap cap(4096);
        // The atomic save underneath must notice the failed write itself.
        if (WriteFileAtomically(save.b.folder.file(QStringLiteral("probe")), QByteArray(8449, 'p')))
            GTEST_SKIP() << "WriteFileAtomically reports success for a save cut short by a full disk";
        EXPECT_FALSE(WriteDataFile(save.b.ctx, save.path));
    }
    save.expectReportedAndOldFileKept();
    // The system's reason, not the file object's "Unknown error".
    ASSERT_EQ(save.b.ui.boxes.size(), 1);
    EXPECT_TRUE(save.b.ui.boxes[0].text.startsWith(QStringLiteral("Fehler <") + qt_error_string(EFBIG) +
                                                   QStringLiteral("> beim Schreiben")))
        << save.b.ui.boxes[0].text.toStdString();
}

TEST(WriteDataFile, PathsOfThreeHundredCharacters)
{
    DataBench b;
    b.data.Current = FilledDataSet();

    // Deep folders: a long path is fine as long as each name fits.
    QString relative;
    while (b.folder.path().size() + relative.size() < 250)
        relative += QString(40, QLatin1Char('d')) + QLatin1Char('/');
    const QString deep = b.subFolder(relative.chopped(1));
    const QString longPath =
        deep + QLatin1Char('/') + QString(300 - deep.size() - 5, QLatin1Char('f')) + QStringLiteral(".DAT");
    ASSERT_EQ(longPath.size(), 300);
    QString path = longPath;
    b.ui.dialogAnswers = {longPath};
    EXPECT_TRUE(WriteDataFile(b.ctx, path));
    EXPECT_EQ(TestFolder::read(longPath).size(), 8449);

    // One name of 300 characters is more than the file system takes.
    const QString tooLong = b.folder.file(QString(296, QLatin1Char('n')) + QStringLiteral(".DAT"));
    path = tooLong;
    b.ui.dialogAnswers = {tooLong};
    EXPECT_FALSE(WriteDataFile(b.ctx, path));
    ASSERT_EQ(b.ui.boxes.size(), 1);
    EXPECT_TRUE(b.ui.boxes[0].text.endsWith(tooLong + QLatin1Char('>')));
    b.ui.boxes.clear();
    EXPECT_FALSE(ReadDataFile(b.ctx, path, true));
    ASSERT_EQ(b.ui.boxes.size(), 1);
    EXPECT_EQ(b.ui.boxes[0].text, QStringLiteral("Datei <") + tooLong + QStringLiteral("> fehlt"));
}

TEST(ReadDataFile, AcceptsTheVersionTrimmedAndRejectsOthersUnlessIgnored)
{
    struct Case
    {
        const char* version;
        const char* ignoreKey; // value of IgnoreDatFileVersion, nullptr for absent
        bool accepted;
        const char* shownVersion; // nullptr: no conflict
    };
    const Case cases[] = {
        {"2.1", nullptr, true, nullptr}, {"  2.1", nullptr, true, nullptr}, {"2.1", "yes", true, nullptr},
        {"2.0", nullptr, false, "2.0"},  {"2.0", "No", false, "2.0"},       {"2.0", "yes", true, "2.0"},
        {"2.0", "YES", true, "2.0"},     {"2.0", "Ja", true, "2.0"},        {"2.0", "jA", true, "2.0"},
        {"abc", nullptr, false, "0.0"},  {"abc", "yEs", true, "0.0"},       {"", nullptr, false, "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("version '") + c.version + "' ignore " + (c.ignoreKey ? c.ignoreKey : "-"));
        DataBench b(c.ignoreKey ? QStringLiteral("IgnoreDatFileVersion=") + QLatin1String(c.ignoreKey)
                                : QString());
        prepareReset(b);
        const QByteArray image = imageWithVersion(c.version);
        QString path = b.folder.write(QStringLiteral("File.DAT"), image);
        b.ui.dialogAnswers = {path};
        b.ui.answers = {true};

        b.data.Current.InputName[0][0].set(QStringLiteral("EDITED"));
        const DataSet before = b.data.Current;
        EXPECT_EQ(ReadDataFile(b.ctx, path, false), c.accepted);
        DataSet file;
        file.fromBytes(image);
        // A refused file costs the user no edits.
        EXPECT_EQ(b.data.Current, c.accepted ? file : before);
        EXPECT_FALSE(b.ui.busy);

        if (!c.shownVersion) {
            EXPECT_TRUE(b.ui.boxes.isEmpty());
            continue;
        }
        const QString v = QLatin1String(c.shownVersion);
        const QString german = QStringLiteral("Versionskonflikt: Die Datei '") + path +
                               QStringLiteral("' kann nicht gelesen werden (Datei = '") + v +
                               QStringLiteral("' <> Programm = '2.1').");
        const QString english = QStringLiteral("Version conflict: The file '") + path +
                                QStringLiteral("' cannot be read (file = '") + v +
                                QStringLiteral("' <> program = '2.1').");
        const bool ignored = c.accepted;
        ASSERT_EQ(b.ui.boxes.size(), 1);
        const auto& box = b.ui.boxes[0];
        EXPECT_EQ(box.icon, ignored ? MessageIcon::Information : MessageIcon::Exclamation);
        EXPECT_EQ(box.title, QStringLiteral("ZEL308Tools"));
        EXPECT_EQ(box.text, (ignored ? QStringLiteral("*** INFORMATION ***  \n\n") : QString()) + german +
                                QStringLiteral("\n\n") + english);
        EXPECT_TRUE(b.logged(german));
    }
}

TEST(ReadDataFile, ReportsEveryStepOfASuccessfulRead)
{
    DataBench b;
    const QString file = b.folder.write(QStringLiteral("File.DAT"), imageWithVersion("2.1"));
    QString path = b.folder.file(QStringLiteral("Proposed.DAT"));
    b.ui.dialogAnswers = {file};
    b.ui.answers = {true};

    ASSERT_TRUE(ReadDataFile(b.ctx, path, false));
    EXPECT_EQ(path, file);
    ASSERT_EQ(b.ui.dialogs.size(), 1);
    EXPECT_EQ(b.ui.dialogs[0].title, QStringLiteral("Datei oeffnen"));
    EXPECT_EQ(b.ui.dialogs[0].filter, QStringLiteral("ZEL/MOR Rimtal Datendatei  (*.DAT)|*.DAT"));
    EXPECT_EQ(b.ui.dialogs[0].path, b.folder.file(QStringLiteral("Proposed.DAT")));
    ASSERT_EQ(b.ui.queries.size(), 1);
    EXPECT_EQ(b.ui.queries[0].icon, MessageIcon::Stop);
    EXPECT_EQ(b.ui.queries[0].title, b.ui.caption);
    EXPECT_EQ(b.ui.queries[0].text, QStringLiteral("Datei <") + file + QStringLiteral("> lesen?"));
    // Reading, then the reset before reading, then the result.
    EXPECT_EQ(b.ui.statusLines, (QStringList{QStringLiteral(" Lese Daten"), QStringLiteral(" Zurueckgesetzt"),
                                             QStringLiteral(" Daten gelesen")}));
    EXPECT_TRUE(b.logged(QStringLiteral("  Lese Datei <") + file + QLatin1Char('>')));
    EXPECT_TRUE(b.logged(QStringLiteral("  Daten gelesen")));
    EXPECT_EQ(b.ui.dataSetToPagesCount, 1);
    EXPECT_GE(b.ui.focusCount, 1);
    EXPECT_FALSE(b.ui.busy);
}

TEST(ReadDataFile, SilentReadShowsNoDialogNoQueryAndNoSuccessMessage)
{
    DataBench b;
    QString path = b.folder.write(QStringLiteral("File.DAT"), imageWithVersion("2.1"));
    ASSERT_TRUE(ReadDataFile(b.ctx, path, true, true));
    EXPECT_TRUE(b.ui.dialogs.isEmpty());
    EXPECT_TRUE(b.ui.queries.isEmpty());
    EXPECT_EQ(b.ui.status, QString());
    EXPECT_FALSE(b.logged(QStringLiteral("Daten gelesen")));
    // keepCurrent: no reset before reading.
    EXPECT_FALSE(b.ui.statusLines.contains(QStringLiteral(" Zurueckgesetzt")));
    EXPECT_EQ(b.ui.dataSetToPagesCount, 0);
}

TEST(ReadDataFile, CancelAndNoKeepThePathAndTheDataSet)
{
    DataBench b;
    b.data.Current = FilledDataSet();
    const DataSet before = b.data.Current;
    const QString proposed = b.folder.file(QStringLiteral("Proposed.DAT"));
    const QString file = b.folder.write(QStringLiteral("File.DAT"), imageWithVersion("2.1"));

    QString path = proposed;
    EXPECT_FALSE(ReadDataFile(b.ctx, path, false)); // dialog cancelled
    EXPECT_EQ(path, proposed);
    EXPECT_TRUE(b.ui.queries.isEmpty());

    b.ui.dialogAnswers = {b.folder.file(QStringLiteral("Missing.DAT"))};
    EXPECT_FALSE(ReadDataFile(b.ctx, path, false)); // chosen file vanished
    EXPECT_EQ(path, proposed);
    ASSERT_EQ(b.ui.boxes.size(), 1);
    EXPECT_EQ(b.ui.boxes[0].title, b.ui.caption);
    EXPECT_EQ(b.ui.boxes[0].text, QStringLiteral("Datei <") + b.folder.file(QStringLiteral("Missing.DAT")) +
                                      QStringLiteral("> nicht gefunden"));

    b.ui.dialogAnswers = {file};
    b.ui.answers = {false};
    EXPECT_FALSE(ReadDataFile(b.ctx, path, false)); // query answered No
    EXPECT_EQ(b.data.Current, before);
    EXPECT_TRUE(b.ui.statusLines.isEmpty());
}

// Files that cannot be a data set: a clear report, and the data set stays as it
// was, whether or not the read would have started from the reset image.
TEST(ReadDataFile, BadFilesAreRefusedWithoutLosingData)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        bool directory;
        const char* expectedEnd; // end of the box text
    };
    QByteArray random(8449, '\0');
    QRandomGenerator generator(7);
    for (char& c : random)
        c = char(generator.bounded(256));
    random[0] = 'x'; // never a number

    const Case cases[] = {
        {"empty file", QByteArray(), false, "0 bytes, 8449 expected> beim Lesen von <"},
        {"one byte short", imageWithVersion("2.1").left(8448), false,
         "8448 bytes, 8449 expected> beim Lesen von <"},
        {"directory", QByteArray(), true, nullptr},
        {"random bytes", random, false, nullptr},
    };
    for (bool keepCurrent : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (keepCurrent ? " keeping current" : ""));
            DataBench b;
            prepareReset(b);
            b.data.Current = FilledDataSet();
            const DataSet expected = FilledDataSet();
            QString path = c.directory ? b.subFolder(QStringLiteral("File.DAT"))
                                       : b.folder.write(QStringLiteral("File.DAT"), c.bytes);
            EXPECT_FALSE(ReadDataFile(b.ctx, path, true, keepCurrent));
            EXPECT_EQ(b.data.Current, expected);
            ASSERT_EQ(b.ui.boxes.size(), 1);
            EXPECT_FALSE(b.ui.busy);
            const QString& text = b.ui.boxes[0].text;
            if (c.expectedEnd) {
                EXPECT_TRUE(text.endsWith(QLatin1String(c.expectedEnd) + path + QLatin1Char('>')))
                    << text.toStdString();
            }
            if (c.directory) {
                EXPECT_EQ(text, QStringLiteral("Datei <") + path + QStringLiteral("> fehlt"));
            }
        }
    }
}

TEST(ReadDataFile, LongerFileIsReadUpToTheImageSize)
{
    DataBench b;
    const QByteArray image = imageWithVersion("2.1");
    QString path = b.folder.write(QStringLiteral("Long.DAT"), image + QByteArray(500, '\x7F'));
    ASSERT_TRUE(ReadDataFile(b.ctx, path, true));
    EXPECT_EQ(b.data.Current.toBytes(), image);
}

} // namespace
