#include "BoundedText.h"

#include <gtest/gtest.h>

namespace {

// A view filled with lines "LLLL...\r\n" of the given lengths (CR LF included).
QString lines(std::initializer_list<int> lengths)
{
    QString text;
    for (int len : lengths)
        text += QString(len - 2, QLatin1Char('L')) + QStringLiteral("\r\n");
    return text;
}

} // namespace

TEST(ProtocolLine, EmptyViewGetsBlankTextAndLineBreak)
{
    EXPECT_EQ(AppendProtocolLine(QString(), "abc"), " abc\r\n");
    EXPECT_EQ(AppendProtocolLine(" abc\r\n", "de"), " abc\r\n de\r\n");
}

TEST(ProtocolLine, BelowTheBoundNothingIsDropped)
{
    const QString view = lines({8, 20000});
    EXPECT_EQ(DropOldestLines(view, 100), view);
    EXPECT_EQ(OldestLinesToDrop(view, 20480 - view.size() - 1), 0);
}

TEST(ProtocolLine, OverflowDropsThroughLastBreakAtOrBeforeN)
{
    // 20470 characters + 20 gives n = 10. Breaks end at positions 6 and 11 (1-based
    // CR at 5 and 10): the pair at 10 is taken, 11 characters go.
    const QString view = lines({6, 5, 20459});
    ASSERT_EQ(view.size(), 20470);
    EXPECT_EQ(OldestLinesToDrop(view, 20), 11);
    EXPECT_EQ(DropOldestLines(view, 20), view.mid(11));
}

TEST(ProtocolLine, ScanGoesBackToAnEarlierBreak)
{
    // CR at position 5 only, n = 10: the first line goes.
    const QString view = lines({6, 20464});
    EXPECT_EQ(DropOldestLines(view, 20), view.mid(6));
}

TEST(ProtocolLine, FirstBreakAfterNKeepsEverything)
{
    const QString view = lines({30, 20440});
    ASSERT_EQ(view.size(), 20470);
    EXPECT_EQ(DropOldestLines(view, 20), view);
    EXPECT_GT(AppendProtocolLine(view, QString(20, QLatin1Char('x'))).size(), 20480);
}

TEST(ProtocolLine, BreakAtPositionOneIsNotDropped)
{
    const QString view = QStringLiteral("\r\n") + QString(20478, QLatin1Char('x'));
    EXPECT_EQ(DropOldestLines(view, 10), view);
}

TEST(ProtocolLine, TextWithoutBreaksIsNeverCut)
{
    const QString view(30000, QLatin1Char('x'));
    EXPECT_EQ(DropOldestLines(view, 100), view);
}

TEST(ProtocolLine, OverflowBeyondTheTextScansFromItsEnd)
{
    const QString view = lines({6, 6});
    EXPECT_EQ(DropOldestLines(view, 20480), view.mid(12));
}
