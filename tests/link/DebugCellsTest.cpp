#include "DebugCells.h"
#include "DebugViewText.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// The two views after a sequence of received outputs on an empty monitor.
struct Views
{
    DebugViewText hex;
    DebugViewText ascii;

    void add(const QByteArray& bytes, bool isFrame)
    {
        const DebugPieces pieces = isFrame ? DebugFramePieces(bytes) : DebugDiscardedPieces(bytes);
        hex.addPiece(pieces.hex);
        ascii.addPiece(pieces.ascii);
    }
};

QString applied(QString before, const DebugViewText::Change& change)
{
    before.chop(change.droppedBack);
    if (!before.startsWith(change.droppedFront))
        return QStringLiteral("<dropped text is not the start>");
    before.remove(0, change.droppedFront.size());
    return before + change.appended;
}

} // namespace

TEST(DebugCellsTest, CellsOnAnEmptyMonitor)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        bool isFrame;
        QString hex;
        QString ascii;
    };
    const Case cases[] = {
        // Payload digits "2002" are the bytes 0x20 and 0x02.
        {"data frame",
         QByteArray("\x85"
                    "2002\r"),
         true, QStringLiteral("|-85-| 20 | 02 |-0D-| "), QStringLiteral("|-85-|    |    |-0D-| ")},
        {"discarded", QByteArray("AB"), false, QStringLiteral("|-41-|-42-| "),
         QStringLiteral("| A  | B  | ")},
        {"empty payload", QByteArray("\x81\r"), true, QStringLiteral("|-81-|-0D-| "),
         QStringLiteral("|-81-|-0D-| ")},
        {"characters 31, 32, 127, 128",
         QByteArray("\x83"
                    "1F207F80\r"),
         true, QStringLiteral("|-83-| 1F | 20 | 7F | 80 |-0D-| "),
         QStringLiteral("|-83-|    |    | \x7F  |    |-0D-| ")},
        {"digit without partner",
         QByteArray("\x86"
                    "313\r"),
         true, QStringLiteral("|-86-| 31 |-33-|-0D-| "), QStringLiteral("|-86-| 1  |-33-|-0D-| ")},
        {"discarded control and high bytes", QByteArray("\x01\xFF"), false, QStringLiteral("|-01-|-FF-| "),
         QStringLiteral("|    |    | ")},
    };
    for (const Case& c : cases) {
        Views views;
        views.add(c.bytes, c.isFrame);
        EXPECT_EQ(views.hex.text(), c.hex) << c.name;
        EXPECT_EQ(views.ascii.text(), c.ascii) << c.name;
    }
}

TEST(DebugCellsTest, LaterOutputRunsOnAfterTheTrimmedText)
{
    Views views;
    views.add(QByteArray("AB"), false);
    views.add(QByteArray("\x85"
                         "2002\r"),
              true);
    EXPECT_EQ(views.hex.text(), QStringLiteral("|-41-|-42-|-85-| 20 | 02 |-0D-| "));
    EXPECT_EQ(views.ascii.text(), QStringLiteral("| A  | B  |-85-|    |    |-0D-| "));
}

TEST(DebugCellsTest, SentFramesStandOnLinesOfTheirOwn)
{
    Views views;
    views.add(QByteArray("A"), false);
    const DebugPieces sent = DebugFramePieces(QByteArray("\x80\r"));
    views.hex.addSentLine(sent.hex);
    views.ascii.addSentLine(sent.ascii);
    views.add(QByteArray("\x81\r"), true);
    EXPECT_EQ(views.hex.text(), QStringLiteral("|-41-|\r\nTx|-80-|-0D-|\r\n|-81-|-0D-| "));
    EXPECT_EQ(views.ascii.text(), QStringLiteral("| A  |\r\nTx|-80-|-0D-|\r\n|-81-|-0D-| "));

    DebugViewText first;
    first.addSentLine(sent.hex);
    EXPECT_EQ(first.text(), QStringLiteral("Tx|-80-|-0D-|\r\n")) << "no empty line before the first";
}

TEST(DebugCellsTest, OutputWithoutLineBreaksKeepsTheMostRecentCharacters)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        bool isFrame;
        int times;
        QString hexEnd;
        QString asciiEnd;
    };
    // 0x44 is "D", 0x41 is "A".
    const Case cases[] = {
        {"100 frames of 100 bytes", QByteArray("\x85") + QByteArray(200, '4') + "\r", true, 100,
         QStringLiteral("| 44 | 44 |-0D-| "), QStringLiteral("| D  | D  |-0D-| ")},
        {"one run of 100000 discarded bytes", QByteArray(100000, 'A'), false, 1,
         QStringLiteral("|-41-|-41-| "), QStringLiteral("| A  | A  | ")},
        {"3000 runs of 7 discarded bytes", QByteArray(7, 'A'), false, 3000, QStringLiteral("|-41-|-41-| "),
         QStringLiteral("| A  | A  | ")},
    };
    for (const Case& c : cases) {
        Views views;
        for (int i = 0; i < c.times; ++i)
            views.add(c.bytes, c.isFrame);
        for (const QString& text : {views.hex.text(), views.ascii.text()}) {
            EXPECT_LE(text.size(), 20480) << c.name;
            EXPECT_GE(text.size(), 20480 - 8) << c.name;
        }
        EXPECT_TRUE(views.hex.text().endsWith(c.hexEnd)) << c.name;
        EXPECT_TRUE(views.ascii.text().endsWith(c.asciiEnd)) << c.name;
    }
}

TEST(DebugCellsTest, OldestLinesGoOnceTheBoundIsReached)
{
    DebugViewText view;
    const QString piece = DebugFramePieces(QByteArray("\x86") + QByteArray(40, '3') + "\r").hex;
    for (int i = 0; i < 2000; ++i) {
        view.addSentLine(piece);
        view.addPiece(QStringLiteral("-%1-| ").arg(i));
    }
    const QString& text = view.text();
    EXPECT_LT(text.size(), DebugViewText::Bound + 200);
    EXPECT_GT(text.size(), DebugViewText::Bound - 200);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Tx|")) || text.startsWith(QLatin1Char('|')));
    EXPECT_TRUE(text.endsWith(QStringLiteral("-1999-| ")));
}

TEST(DebugCellsTest, ChangesReplayedOnTheOldTextGiveTheNewText)
{
    // The window follows the text through these changes instead of reloading it.
    DebugViewText view;
    QRandomGenerator random(308);
    for (int i = 0; i < 3000; ++i) {
        const QString before = view.text();
        const QString piece =
            QStringLiteral("-%1-| ").arg(i) + QString(random.bounded(0, 3), QLatin1Char(' '));
        const DebugViewText::Change change =
            random.bounded(5) == 0 ? view.addSentLine(piece) : view.addPiece(piece);
        ASSERT_EQ(applied(before, change), view.text()) << i;
        const QStringView kept = QStringView(view.text()).left(view.text().size() - change.appended.size());
        const qsizetype lastBreak = kept.lastIndexOf(QStringLiteral("\r\n"));
        ASSERT_EQ(change.keptLineStart, lastBreak < 0 ? 0 : lastBreak + 2) << i;
    }
    view.clear();
    EXPECT_TRUE(view.text().isEmpty());
    EXPECT_EQ(view.addPiece(QStringLiteral("-41-| ")).appended, QStringLiteral("|-41-| "));
}
