#include "AllPages.h"
#include "ConfigTransfer.h"
#include "LinkChecksum.h"
#include "MainWindow.h"
#include "ScriptedProgram.h"
#include "SettingsFile.h"

#include "pages/NamesPage.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

// The program on a scripted port whose device confirms every data frame with its checksum.
class EditorOnScriptedPort : public ScriptedProgram
{
protected:
    void start(const QString& startupFile)
    {
        const QString ini = quietSettings(startupFile);
        WriteSetting(ini, QStringLiteral("Comm"), QStringLiteral("TimerInterval"), QStringLiteral("20"), false);

        // Output comes in chunks; a frame is complete with its end byte.
        port.onOutput = [this](const QByteArray& bytes) {
            if (!bytes.endsWith('\r'))
                return;
            const QByteArray all = port.written();
            const QByteArray frame = all.mid(all.lastIndexOf('\r', all.size() - 2) + 1);
            if (quint8(frame.at(0)) != 0x85)
                return;
            dataFrames.append(frame);
            const QByteArray sum = QByteArray::number(LinkChecksum(frame.mid(1, frame.size() - 2)));
            const QByteArray answer = "\x86" + sum.toHex().toUpper() + "\r";
            QTimer::singleShot(5, &port, [this, answer] { port.receive(answer); });
        };
        ScriptedProgram::start();
        names = static_cast<NamesPage*>(shell->mainWindow()->page(QStringLiteral("frmTabStripData02")));
    }

    // A start-up file whose names are "R<part>-<position>".
    QString startupFile()
    {
        DataSet d;
        d.DataVersion.set(QStringLiteral("2.1"));
        for (int p = 0; p < DataSet::Parts; ++p)
            for (int n = 0; n < DataSet::SlotsPerPart; ++n)
                d.InputName[p][n].set(QStringLiteral("R%1-%2").arg(p + 1).arg(n + 1));
        folder.write(QStringLiteral("Start.DAT"), d.toBytes());
        return QStringLiteral("Start.DAT"); // in the program folder
    }

    // Name number `slot` (0-based among the names in use) of the last data-set payload.
    QByteArray sentNameDigits(int slot) const { return dataFrames.last().mid(1 + 6 + slot * 16, 16); }

    NamesPage* names = nullptr;
    QList<QByteArray> dataFrames;
};

// Names (1, 1), (3, 2) and (5, 3) emptied on the page: what is saved and sent,
// and what the boxes show, is the start-up file's name the status line announces.
TEST_F(EditorOnScriptedPort, BlankNamesAreReplacedInTheFileThePayloadAndTheBoxes)
{
    start(startupFile());
    ASSERT_TRUE(WaitForAllPages(*shell->mainWindow()));
    const auto expectReplacedAfter = [this](const std::function<void()>& command) {
        names->txtInput(1, 0)->setText(QStringLiteral("  "));
        names->txtInput(3, 1)->clear();
        names->txtInput(5, 2)->clear();
        command();
        EXPECT_EQ(names->txtInput(1, 0)->text(), QStringLiteral("R1-1"));
        EXPECT_EQ(names->txtInput(3, 1)->text(), QStringLiteral("R3-2"));
        EXPECT_EQ(names->txtInput(5, 2)->text(), QStringLiteral("R5-3"));
        EXPECT_EQ(app->data().Current.InputName[4][2].trimmedRight(), QStringLiteral("R5-3"));
    };
    const QString saved = folder.file(QStringLiteral("Saved.DAT"));
    fileAnswers = {saved};
    expectReplacedAfter([this] { app->InterpretMenuCommand(2); });
    const QByteArray file = TestFolder::read(saved);
    ASSERT_EQ(file.size(), 8449);
    EXPECT_EQ(file.mid(10, 16), QByteArray("R1-1            "));                     // (1, 1)
    EXPECT_EQ(file.mid(10 + (2 * 64 + 1) * 16, 16), QByteArray("R3-2            ")); // (3, 2)

    expectReplacedAfter([this] { app->InterpretMenuCommand(5); }); // the query is answered Yes
    ASSERT_EQ(dataFrames.size(), 1);
    EXPECT_EQ(sentNameDigits(0), QByteArray("52312D3120202020"));          // "R1-1"
    EXPECT_EQ(sentNameDigits(12 + 4 + 1), QByteArray("52332D3220202020")); // "R3-2"
    EXPECT_EQ(sentNameDigits(24 + 2), QByteArray("52352D3320202020"));     // "R5-3"

    fileAnswers = {folder.write(QStringLiteral("One.CNS"), QByteArray(1024, 'K'))};
    expectReplacedAfter([this] { app->configTransfer().SendConfig(1); });

    // The saved file read back shows them too.
    fileAnswers = {saved};
    expectReplacedAfter([this] { app->InterpretMenuCommand(1); });
}

// Right after a start-up without a data file no page has written the names yet:
// the device gets the blanks that unused slots carry, before and after a tab change.
TEST_F(EditorOnScriptedPort, UntouchedNamesGoOutAsBlanksWhetherOrNotATabWasChanged)
{
    start(QStringLiteral("*NONE*"));
    app->InterpretMenuCommand(107);
    ASSERT_EQ(dataFrames.size(), 1);
    const QByteArray first = dataFrames.last();
    for (const int slot : {0, 11, 12, 31})
        EXPECT_EQ(sentNameDigits(slot), QByteArray("20").repeated(8)) << slot;

    QTabBar* tabs = shell->mainWindow()->tabStrip();
    tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
    app->InterpretMenuCommand(107);
    ASSERT_EQ(dataFrames.size(), 2);
    EXPECT_EQ(dataFrames.last(), first);
}

} // namespace
