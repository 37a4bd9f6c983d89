#include "ChannelDefinitions.h"
#include "DataBench.h"

#include <QElapsedTimer>

#include <iostream>

#include <gtest/gtest.h>

namespace {

TEST(GpioLists, IdentifiersFollowThePositionNotTheKey)
{
    DataBench b({}, QStringLiteral("[GPIO_Input_Data_GER]\n1=ABC\n2=Fader Start\n5=\n"
                                   "[GPIO_Output_Data_GER]\n7=Rotlicht\n"));
    const EntryList inputs = ReadGpioList(b.settings, GpioKind::Input);
    EXPECT_EQ(inputs, (EntryList{{QStringLiteral("1|ABC"), 100},
                                 {QStringLiteral("2|Fader Start"), 101},
                                 {QStringLiteral("5|"), 102}}));
    EXPECT_EQ(ReadGpioList(b.settings, GpioKind::Output), (EntryList{{QStringLiteral("7|Rotlicht"), 100}}));
}

TEST(GpioLists, DefinitionFileInTheProgramFolderTakesOver)
{
    DataBench b(QStringLiteral("GPIO_Output_DataDef=Gpio.Def"),
                QStringLiteral("[GPIO_Input_Data_GER]\n1=Own\n[GPIO_Output_Data_GER]\n1=Ignored\n"));
    b.folder.write(QStringLiteral("Gpio.Def"), "[Data_ENG]\n1=English\n[Data_GER]\n3=Extern\n4=Zwei\n");
    std::array<EntryList, 2> lists;
    FillGpioLists(b.settings, lists);
    EXPECT_EQ(lists[0], (EntryList{{QStringLiteral("1|Own"), 100}}));
    EXPECT_EQ(lists[1], (EntryList{{QStringLiteral("3|Extern"), 100}, {QStringLiteral("4|Zwei"), 101}}));
}

TEST(GpioLists, FillingAgainDoesNotDuplicate)
{
    DataBench b({}, QStringLiteral("[GPIO_Input_Data_GER]\n1=A\n2=B\n[GPIO_Output_Data_GER]\n1=C\n"));
    std::array<EntryList, 2> lists;
    lists[1] = {{QStringLiteral("kept"), 7}};
    FillGpioLists(b.settings, lists);
    FillGpioLists(b.settings, lists);
    EXPECT_EQ(lists[0].size(), 2);
    EXPECT_EQ(lists[1], (EntryList{{QStringLiteral("kept"), 7}}));
}

TEST(GpioLists, EntrySplitsIntoChannelAndInfo)
{
    const struct
    {
        const char* entry;
        const char* name;
        const char* info;
    } cases[] = {
        {"1|ABC", "1", "ABC"},
        {"12|Fader|Start", "12", "Fader|Start"},
        {"5|", "5", ""},
        {"plain", "plain", ""},
    };
    for (const auto& c : cases) {
        const GpioEntryFields f = SplitGpioEntry(QLatin1String(c.entry));
        EXPECT_EQ(f.name, QLatin1String(c.name)) << c.entry;
        EXPECT_EQ(f.info, QLatin1String(c.info)) << c.entry;
    }
}

TEST(ChannelLists, IdentifierIsTheKeyPlusTheOffset)
{
    DataBench b({}, QStringLiteral("[IO_Channel_Data_Monitor_Peak_GER]\n0=Summe\n3=AUX 3\n"
                                   "[IO_Channel_Data_PickOff_Output_Dig_GER]\n2.7=Pre Fader\n10=Post\n"));
    EXPECT_EQ(ReadChannelList(b.settings, kMonitorPeakList.name, kMonitorPeakList.offset),
              (EntryList{{QStringLiteral("Summe"), 12000}, {QStringLiteral("AUX 3"), 12003}}));
    EXPECT_EQ(ReadChannelList(b.settings, kOutputPickoffLists[0].name, kOutputPickoffLists[0].offset),
              (EntryList{{QStringLiteral("Pre Fader"), 10002}, {QStringLiteral("Post"), 10010}}));
    EXPECT_TRUE(ReadChannelList(b.settings, kMonitorKeyList.name, kMonitorKeyList.offset).isEmpty());
}

TEST(ChannelLists, DefinitionFileTakesTheShortSectionName)
{
    DataBench b(QStringLiteral("IO_Channel_DataDef=Channels.Def"),
                QStringLiteral("[IO_Channel_Data_Monitor_Channel_GER]\n1=Own\n"));
    b.folder.write(QStringLiteral("Channels.Def"), "[Data_Monitor_Channel_GER]\n4=Kanal 4\n");
    EXPECT_EQ(ReadChannelList(b.settings, kMonitorChannelList.name, kMonitorChannelList.offset),
              (EntryList{{QStringLiteral("Kanal 4"), 11004}}));
    // A named file that does not exist gives empty lists, not the settings file's.
    DataBench missing(QStringLiteral("IO_Channel_DataDef=Missing.Def"),
                      QStringLiteral("[IO_Channel_Data_Monitor_Channel_GER]\n1=Own\n"));
    EXPECT_TRUE(ReadChannelList(missing.settings, kMonitorChannelList.name, 11000).isEmpty());
}

TEST(ChannelLists, SectionsWithFiveThousandKeys)
{
    QString sections = QStringLiteral("[GPIO_Input_Data_GER]\n");
    QString channels = QStringLiteral("[IO_Channel_Data_Monitor_Key_GER]\n");
    for (int i = 0; i < 5000; ++i) {
        sections += QStringLiteral("%1=Eingang %1\n").arg(i + 1);
        channels += QStringLiteral("%1=Taste %1\n").arg(i);
    }
    DataBench b({}, sections + channels);
    QElapsedTimer timer;
    timer.start();
    const EntryList gpio = ReadGpioList(b.settings, GpioKind::Input);
    const EntryList keys = ReadChannelList(b.settings, kMonitorKeyList.name, kMonitorKeyList.offset);
    std::cout << "[ measure  ] two sections of 5000 keys read in " << timer.elapsed() << " ms\n";
    ASSERT_EQ(gpio.size(), 5000);
    ASSERT_EQ(keys.size(), 5000);
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(gpio[i].itemData, 100 + i);
        ASSERT_EQ(keys[i].itemData, 13000 + i);
    }
    EXPECT_EQ(gpio[4999].text, QStringLiteral("5000|Eingang 5000"));
    EXPECT_EQ(keys[4999].text, QStringLiteral("Taste 4999"));
}

} // namespace
