#include "StatusTexts.h"
#include "DataBench.h"

#include <gtest/gtest.h>

namespace {

QString hexOf(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

// One incoming entry: length byte and text, as hex digits.
QString entry(const QByteArray& text)
{
    return QStringLiteral("%1").arg(text.size(), 2, 16, QLatin1Char('0')).toUpper() + hexOf(text);
}

TEST(StatusTexts, BlankTextsGoOutAsTheirNumberedPlaceholder)
{
    DataBench b;
    for (auto& text : b.data.StatusText)
        text.set(QStringLiteral("   "));
    b.data.StatusText[3].set(QString::fromUtf8("Sendung läuft"));

    const QByteArray block = BuildStatusTextBlock(b.ctx);
    EXPECT_EQ(b.ui.pagesToDataSetCount, 1);
    ASSERT_EQ(block.size(), 1 + 780 + 1);
    EXPECT_EQ(static_cast<unsigned char>(block.front()), 0x83);
    EXPECT_EQ(block.back(), '\r');
    QString expected;
    for (int n = 1; n <= 6; ++n) {
        const QByteArray text =
            n == 4 ? QByteArray("Sendung l\xE4uft") : QStringLiteral("TextStatus(%1)").arg(n).toLatin1();
        expected += QStringLiteral("40") + hexOf(text.leftJustified(64, ' '));
    }
    EXPECT_EQ(QString::fromLatin1(block.mid(1, 780)), expected);
}

TEST(StatusTexts, OutgoingBlockReadsBack)
{
    DataBench b;
    b.data.StatusText[0].set(QString(70, QLatin1Char('x'))); // cut to 64
    b.data.StatusText[1].set(QString::fromUtf8("€uro ß"));
    const QString content = StatusTextContent(b.data);

    ConfigurationData sent = b.data;
    const StatusTextReading r = ReadStatusTextBlock(b.ctx, content);
    EXPECT_EQ(r.stored, 6);
    EXPECT_EQ(r.surplus, 0);
    EXPECT_FALSE(r.cutShort);
    EXPECT_EQ(b.data.StatusText[0], sent.StatusText[0]);
    EXPECT_EQ(b.data.StatusText[1].trimmedRight(), QString::fromUtf8("€uro ß"));
    EXPECT_EQ(b.data.StatusText[5].trimmedRight(), QStringLiteral("TextStatus(6)"));
    EXPECT_EQ(b.ui.dataSetToPagesCount, 1);
}

TEST(StatusTexts, IncomingBlocksOfEveryShape)
{
    const struct
    {
        const char* name;
        QString content;
        QStringList texts; // the six stored texts, trailing blanks removed
        int surplus;
        bool cutShort;
    } cases[] = {
        {"three entries, one empty",
         entry("Eins") + entry("") + entry("Drei  "),
         {"Eins", "", "Drei", "", "", ""},
         0,
         false},
        {"eight entries",
         entry("1") + entry("2") + entry("3") + entry("4") + entry("5") + entry("6") + entry("7") +
             entry("8"),
         {"1", "2", "3", "4", "5", "6"},
         2,
         false},
        {"ends inside a text",
         entry("Ganz") + QStringLiteral("05414243"),
         {"Ganz", "", "", "", "", ""},
         0,
         true},
        {"empty", QString(), {"", "", "", "", "", ""}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DataBench b;
        for (auto& text : b.data.StatusText)
            text.set(QStringLiteral("alt"));
        const StatusTextReading r = ReadStatusTextBlock(b.ctx, c.content);
        QStringList stored;
        for (const auto& text : b.data.StatusText)
            stored.append(text.trimmedRight());
        EXPECT_EQ(stored, c.texts);
        EXPECT_EQ(r.surplus, c.surplus);
        EXPECT_EQ(r.cutShort, c.cutShort);
        EXPECT_EQ(b.ui.dataSetToPagesCount, 1);
    }
}

} // namespace
