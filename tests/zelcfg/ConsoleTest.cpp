#include "ConsoleUserInterface.h"
#include "ProgressDisplay.h"
#include "ShownField.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct BarCase
{
    qint64 done;
    qint64 total;
    const char* line;
};

class TerminalLine : public ::testing::TestWithParam<BarCase>
{
};

TEST_P(TerminalLine, ShowsBarPercentAndBytes)
{
    EXPECT_EQ(
        ProgressDisplay::terminalLine(QStringLiteral("Daten senden"), GetParam().done, GetParam().total),
        QString::fromLatin1(GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(
    Progress, TerminalLine,
    ::testing::Values(
        BarCase{0, 1958, "Daten senden [..............................]   0%  0/1958 bytes"},
        BarCase{979, 1958, "Daten senden [###############...............]  50%  979/1958 bytes"},
        BarCase{1958, 1958, "Daten senden [##############################] 100%  1958/1958 bytes"},
        BarCase{3000, 1958, "Daten senden [##############################] 100%  1958/1958 bytes"},
        BarCase{512, 0, "Daten senden  512 bytes"}));

QString linesOf(const std::function<void(ProgressDisplay&)>& use)
{
    std::FILE* file = std::tmpfile();
    ProgressDisplay display(file, ProgressDisplay::Style::Lines);
    use(display);
    std::rewind(file);
    QByteArray text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, file))
        text += buffer;
    std::fclose(file);
    return QString::fromUtf8(text);
}

// One line per caption, and one at each quarter of a known total.
TEST(ProgressLines, CaptionOnceAndQuarters)
{
    const QString text = linesOf([](ProgressDisplay& d) {
        d.begin(QStringLiteral("Daten senden..."));
        for (qint64 done = 0; done <= 1000; done += 100)
            d.update(done, 1000);
        d.end();
        d.begin(QString()); // keeps the caption, no second line
        d.end();
    });
    EXPECT_EQ(text, "Daten senden ...\n"
                    "Daten senden: 300/1000 bytes (25%)\n"
                    "Daten senden: 500/1000 bytes (50%)\n"
                    "Daten senden: 800/1000 bytes (75%)\n"
                    "Daten senden: 1000/1000 bytes (100%)\n");
}

TEST(ProgressLines, UnknownTotalPrintsOnlyTheCaption)
{
    EXPECT_EQ(linesOf([](ProgressDisplay& d) {
                  d.begin(QStringLiteral("Daten anfordern"));
                  d.update(500, 0);
                  d.end();
              }),
              "Daten anfordern ...\n");
}

struct QuoteCase
{
    const char* given;
    std::optional<QString> value;
};

class Unquoted : public ::testing::TestWithParam<QuoteCase>
{
};

TEST_P(Unquoted, UndoesTheEscapesShowPrints)
{
    EXPECT_EQ(UnquotedValue(QString::fromUtf8(GetParam().given)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, Unquoted,
                         ::testing::Values(QuoteCase{"MIC 1", QStringLiteral("MIC 1")},
                                           QuoteCase{R"("MIC 1")", QStringLiteral("MIC 1")},
                                           QuoteCase{R"("A\\B\"C")", QStringLiteral("A\\B\"C")},
                                           QuoteCase{R"("\x41\x09")", QStringLiteral("A\t")},
                                           QuoteCase{R"(A\\B)", QStringLiteral("A\\\\B")},
                                           QuoteCase{R"("open)", std::nullopt},
                                           QuoteCase{R"("a"b")", std::nullopt},
                                           QuoteCase{R"("\q")", std::nullopt},
                                           QuoteCase{R"("\x4")", std::nullopt}));

} // namespace

namespace {

// The command line has named the file: every dialog answers with it and the
// overwrite query with Yes; warning boxes are kept, one line each, for the error.
TEST(ConsoleSeam, AnswersWithTheNamedFileAndKeepsTheWarnings)
{
    ProgressDisplay progress(stderr, ProgressDisplay::Style::Off);
    ConsoleUserInterface ui(progress, false);
    ui.setFilePath(QStringLiteral("/data/all.CNG"));
    EXPECT_EQ(ui.saveFileDialog({}), "/data/all.CNG");
    EXPECT_EQ(ui.openFileDialog({}), "/data/all.CNG");
    EXPECT_EQ(ui.fileDialogs(), 2);
    EXPECT_TRUE(ui.askYesNo(MessageIcon::Stop, QStringLiteral("zelcfg"), QStringLiteral("Overwrite?")));
    ui.messageBox(MessageIcon::Information, QString(), QStringLiteral("Daten empfangen"));
    ui.messageBox(MessageIcon::Exclamation, QString(), QStringLiteral("Fehler beim Schreiben\n\nder Datei"));
    EXPECT_EQ(ui.errors(), QStringList{QStringLiteral("Fehler beim Schreiben der Datei")});
}

} // namespace
