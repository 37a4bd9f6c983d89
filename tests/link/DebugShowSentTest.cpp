#include "LinkFixture.h"

#include <QList>

// "DebugShowSent" lets the debug monitor show the frames the program sends,
// as long as frames are shown at all.
class DebugShowSentTest : public LinkFixture
{
protected:
    DebugShowSentTest()
    {
        QObject::connect(link.get(), &SerialLink::debugFrameSent, &m_timers,
                         [this](const QByteArray& frame) { sent.append(frame); });
    }

    // InitLink with the two keys in the file; the test opening closes the port.
    void initWith(const QString& debug, const QString& showSent)
    {
        writeComm(QStringLiteral("Debug"), debug);
        if (!showSent.isNull())
            writeComm(QStringLiteral("DebugShowSent"), showSent);
        ASSERT_EQ(link->InitLink(), 0);
        port.setPortOpen(true);
    }

    QList<QByteArray> sent;
};

TEST_F(DebugShowSentTest, OffUnlessTheKeySaysYes)
{
    initWith(QStringLiteral("3"), QString());
    EXPECT_FALSE(link->settings().DebugShowSent);
    ASSERT_TRUE(link->TransmitData("\x80\r"));
    EXPECT_TRUE(sent.isEmpty());
}

TEST_F(DebugShowSentTest, ShownWithFrameLevelsOnly)
{
    struct Case
    {
        const char* debug;
        const char* showSent;
        bool shown;
    };
    const Case cases[] = {
        {"1", "yes", true}, {"3", "Ja", true}, {"2", "yes", false}, {"0", "yes", false}, {"3", "no", false},
    };
    for (const Case& c : cases) {
        sent.clear();
        initWith(QLatin1String(c.debug), QLatin1String(c.showSent));
        ASSERT_TRUE(link->TransmitData("\x86\x33\x35\r"));
        EXPECT_EQ(sent, c.shown ? QList<QByteArray>{"\x86\x33\x35\r"} : QList<QByteArray>{})
            << c.debug << " " << c.showSent;
    }
}

TEST_F(DebugShowSentTest, ClosedMonitorStopsTheSentFramesToo)
{
    initWith(QStringLiteral("1"), QStringLiteral("yes"));
    link->setDebugLevel(0);
    ASSERT_TRUE(link->TransmitData("\x80\r"));
    EXPECT_TRUE(sent.isEmpty());
}
