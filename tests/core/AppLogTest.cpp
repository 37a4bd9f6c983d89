#include "AppLog.h"

#include "Cp1252.h"
#include "FakeClock.h"
#include "ReadOnlyPath.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

struct RecordingSink : TextSink
{
    void appendLine(const QString& text, quint32 color) override
    {
        lines.append(text);
        colors.append(color);
    }
    QStringList lines;
    QList<quint32> colors;
};

// 2026-12-07 is a Monday.
const QDateTime kMonday(QDate(2026, 12, 7), QTime(10, 30, 5));

class AppLogTest : public ::testing::Test
{
protected:
    QString fileText(const QString& name) const
    {
        return Cp1252::decode(TestFolder::read(folder.file(name)));
    }

    TestFolder folder;
    FakeClock clock{kMonday};
    RecordingSink sink;
    AppLog log{clock, folder.path(), QStringLiteral("ZEL308Tools"), false};
};

} // namespace

TEST_F(AppLogTest, StampOnAMonday)
{
    EXPECT_EQ(log.stamp(kMonday), "Mon  07.12.2026  10:30:05 ");
    AppLog german(clock, folder.path(), "ZEL308Tools", true);
    EXPECT_EQ(german.stamp(kMonday), "Mo  07.12.2026  10:30:05 ");
    EXPECT_EQ(german.stamp(kMonday.addDays(6)), "So  13.12.2026  10:30:05 ");
}

TEST_F(AppLogTest, TextLineGoesToFileAndScreen)
{
    log.setTextControl(&sink);
    log.setFileName("run.Log");
    log.WriteLog("Init");
    EXPECT_EQ(fileText("run.Log"), "Mon  07.12.2026  10:30:05 >  Init\r\n");
    EXPECT_EQ(sink.lines, QStringList{"Mon  07.12.2026  10:30:05   Init"});
    EXPECT_EQ(sink.colors, QList<quint32>{0});
}

TEST_F(AppLogTest, StartAndEndLines)
{
    log.OpenLog(folder.file("run.Log"), &sink);
    log.CloseLog();
    EXPECT_EQ(fileText("run.Log"), "Mon  07.12.2026  10:30:05 ***** Start *****\r\n"
                                   "Mon  07.12.2026  10:30:05 ***** End   *****\r\n\r\n\r\n");
    EXPECT_TRUE(sink.lines.isEmpty());
}

TEST_F(AppLogTest, TrailingCarriageReturnGetsLineFeed)
{
    log.setTextControl(&sink);
    log.setFileName("run.Log");
    log.WriteLog("zwei\rZeilen\r");
    EXPECT_EQ(fileText("run.Log"), "Mon  07.12.2026  10:30:05 >  zwei\rZeilen\r\n\r\n");
    EXPECT_EQ(sink.lines.value(0), "Mon  07.12.2026  10:30:05   zwei\rZeilen\r\n");
}

TEST_F(AppLogTest, LinesAreWindows1252)
{
    log.setFileName("run.Log");
    log.WriteLog(QStringLiteral("  Größe"));
    EXPECT_TRUE(TestFolder::read(folder.file("run.Log"))
                    .endsWith(QByteArray(">    Gr\xF6\xDF"
                                         "e\r\n")));
}

TEST_F(AppLogTest, RelativeAndDefaultNamesGoIntoTheProgramFolder)
{
    log.setFileName("sub.Log");
    EXPECT_EQ(log.fileName(), QDir::toNativeSeparators(folder.file("sub.Log")));
    log.setFileName({});
    EXPECT_EQ(log.fileName(), QDir::toNativeSeparators(folder.file("ZEL308Tools-2026-12-07.Log")));
    const QString absolute = QDir::toNativeSeparators(folder.file("abs.Log"));
    log.setFileName(absolute);
    EXPECT_EQ(log.fileName(), absolute);
}

TEST_F(AppLogTest, ToFileDisabledShowsOnlyTexts)
{
    log.OpenLog(folder.file("run.Log"), &sink, {}, true);
    log.WriteLog("Init");
    log.CloseLog();
    EXPECT_FALSE(QFile::exists(folder.file("run.Log")));
    EXPECT_EQ(sink.lines, QStringList{"Mon  07.12.2026  10:30:05   Init"});
}

TEST_F(AppLogTest, ToScreenDisabledWritesOnlyTheFile)
{
    log.OpenLog(folder.file("run.Log"), &sink, {}, {}, true);
    log.WriteLog("Init");
    EXPECT_TRUE(sink.lines.isEmpty());
    EXPECT_TRUE(fileText("run.Log").endsWith(">  Init\r\n"));
}

TEST_F(AppLogTest, DatedNameRollsOverAtMidnight)
{
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)));
    log.setFileName("ZEL-$date$.Log");
    log.WriteLog("vorher");
    clock.advanceMs(2000);
    log.WriteLog("nachher");
    EXPECT_EQ(fileText("ZEL-2026-12-07.Log"), "Mon  07.12.2026  23:59:59 >  vorher\r\n");
    EXPECT_EQ(fileText("ZEL-2026-12-08.Log"), "Tue  08.12.2026  00:00:01 >  nachher\r\n");
    EXPECT_EQ(log.fileName(), QDir::toNativeSeparators(folder.file("ZEL-2026-12-08.Log")));
}

TEST_F(AppLogTest, CloseDeletesExpiredDatedFilesAndLogsTheCountFirst)
{
    for (const char* day : {"2026-11-06", "2026-11-07", "2026-11-08", "2026-12-06", "2025-02-30"})
        folder.write(QStringLiteral("ZEL-%1.Log").arg(day), "old\r\n");
    folder.write("ZEL-kein-Datum.Log", "x");
    folder.write("Other-2026-01-01.Log", "x");

    log.OpenLog(folder.file("ZEL-$DATE$.Log"), &sink, 30);
    log.CloseLog();

    EXPECT_FALSE(QFile::exists(folder.file("ZEL-2026-11-06.Log")));
    EXPECT_FALSE(QFile::exists(folder.file("ZEL-2026-11-07.Log")));
    for (const char* kept : {"ZEL-2026-11-08.Log", "ZEL-2026-12-06.Log", "ZEL-2025-02-30.Log",
                             "ZEL-kein-Datum.Log", "Other-2026-01-01.Log"})
        EXPECT_TRUE(QFile::exists(folder.file(kept))) << kept;
    EXPECT_EQ(fileText("ZEL-2026-12-07.Log"),
              QStringLiteral("Mon  07.12.2026  10:30:05 ***** Start *****\r\n"
                             "Mon  07.12.2026  10:30:05 >  Logs älter als 30 Tage gelöscht (2)\r\n"
                             "Mon  07.12.2026  10:30:05 ***** End   *****\r\n\r\n\r\n"));
}

TEST_F(AppLogTest, NoExpiryForUndatedNamesOrZeroAge)
{
    folder.write("ZEL-2020-01-01.Log", "x");
    log.OpenLog(folder.file("ZEL-2026-12-07.Log"), &sink, 30);
    log.CloseLog();
    log.OpenLog(folder.file("ZEL-$DATE$.Log"), &sink, 0);
    log.CloseLog();
    EXPECT_TRUE(QFile::exists(folder.file("ZEL-2020-01-01.Log")));
}

TEST_F(AppLogTest, FailedWriteShowsTheErrorTextInRed)
{
    log.OpenLog(folder.file("missing/run.Log"), &sink, {}, {}, {}, "  Fehler & beim Schreiben (&) &");
    ASSERT_EQ(sink.lines.size(), 1);
    const QString shown = sink.lines.first();
    EXPECT_TRUE(shown.startsWith("  Fehler 2 beim Schreiben (")) << shown.toStdString();
    const QString description = shown.mid(shown.indexOf('(') + 1).section(')', 0, 0);
    EXPECT_FALSE(description.isEmpty());
    EXPECT_TRUE(shown.endsWith(") " + description));
    EXPECT_EQ(sink.colors.first(), 255u);

    log.WriteLog("Init");
    EXPECT_EQ(sink.lines.mid(1), QStringList{"Mon  07.12.2026  10:30:05   Init"});
}

// A log file that cannot be written must not cost the user a single message:
// every text still reaches the screen, and the error text comes once.
TEST_F(AppLogTest, UnwritableFileLosesNoMessageAndSaysSoOnce)
{
    QDir(folder.path()).mkdir("folder.Log");
    QDir(folder.path()).mkdir("locked");
    ReadOnlyPath locked(folder.file("locked"));
    const struct
    {
        const char* name;
        QString file;
        QString error;
    } cases[] = {
        {"folder in its place", folder.file("folder.Log"), "  Fehler 2: "},
        {"read-only folder", folder.file("locked/run.Log"), "  Fehler 2: "},
        {"full disk", QStringLiteral("/dev/full"), "  Fehler 3: " + qt_error_string(ENOSPC)},
    };
    for (const auto& c : cases) {
        if (c.file.endsWith("locked/run.Log") && !locked.active())
            continue;
        if (c.file == "/dev/full" && !QFile::exists(c.file))
            continue;
        RecordingSink screen;
        AppLog unwritable{clock, folder.path(), QStringLiteral("ZEL308Tools"), false};
        unwritable.OpenLog(c.file, &screen, {}, {}, {}, "  Fehler &: &");
        for (const char* text : {"Init", "  Fehler beim Lesen", "Bereit"})
            unwritable.WriteLog(text);
        unwritable.CloseLog();
        ASSERT_EQ(screen.lines.size(), 4) << c.name;
        EXPECT_TRUE(screen.lines[0].startsWith(c.error)) << c.name << ": " << screen.lines[0].toStdString();
        EXPECT_EQ(screen.colors[0], 255u) << c.name;
        EXPECT_EQ(screen.lines.mid(1), (QStringList{"Mon  07.12.2026  10:30:05   Init",
                                                     "Mon  07.12.2026  10:30:05     Fehler beim Lesen",
                                                     "Mon  07.12.2026  10:30:05   Bereit"}))
            << c.name;
    }
    EXPECT_FALSE(QFile::exists(folder.file("locked/run.Log")));
}

TEST_F(AppLogTest, DefaultErrorText)
{
    EXPECT_EQ(log.errorText(), "Fehler & beim Schreiben des Logs (&)");
    EXPECT_EQ(log.maxLogFileAge(), 90);
}
