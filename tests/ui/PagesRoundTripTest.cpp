#include "AllPages.h"
#include "MainWindow.h"
#include "UiTestEnv.h"

#include "ConfigCollection.h"
#include "DataContext.h"
#include "DataSet.h"
#include "TransferDecoding.h"
#include "TransferEncoding.h"
#include "pages/PageTransfer.h"


#include <gtest/gtest.h>

#include <random>

namespace {

// Every page of the bundled settings file in one main window, with every
// optional page shown and all GPIO rows in use.
class PagesRoundTrip : public ::testing::Test
{
protected:
    PagesRoundTrip()
    {
        env.settings.ShowTabStrip_System = env.settings.ShowTabStrip_ESAM = env.settings.ShowTabStrip_FBOX = true;
        env.settings.ShowTabStrip_Monitor = env.settings.ShowTabStrip_IO_Opt = true;
        env.settings.GPIO_Options_Mode = 0;
        env.settings.CountInput = {16, 16, 8, 8, 16};
        env.settings.CountOutput = {8, 4, 4, 4, 8};
        window = std::make_unique<MainWindow>(*env.pages);
        window->show();
        WaitForAllPages(*window);
    }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng); }
    int position(const EntryList& list) { return list.isEmpty() ? 0 : pick(int(list.size())); }
    int code(const EntryList& list) { return list.isEmpty() || pick(5) == 0 ? 0 : list.at(pick(int(list.size()))).itemData; }
    QString name(int length)
    {
        static const QString chars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -/");
        QString text;
        for (int i = 0, n = 1 + pick(length); i < n; ++i)
            text += chars.at(pick(int(chars.size())));
        return text.trimmed().isEmpty() ? QStringLiteral("X") : text.trimmed();
    }

    // A data set every page can show exactly: names within the counts, codes of
    // named signals and of defined channels, list positions the lists have.
    ConfigurationData randomData()
    {
        const SelectorLists& l = env.pages->lists;
        ConfigurationData d;
        DataSet& c = d.Current;
        QList<int> sources{0};
        for (int part = 0; part < 5; ++part)
            for (int n = 0; n < env.settings.CountInput[part]; ++n) {
                c.InputName[part][n].set(name(env.settings.TextLenInput));
                sources.append(1000 + 100 * part + n);
            }
        sources.removeAll(1406);
        for (auto& layer : c.LayerAssign)
            for (qint16& cell : layer)
                cell = qint16(sources.at(pick(int(sources.size()))));
        c.LayerAssign[pick(8)][pick(8)] = 1406;
        for (int part = 0; part < 5; ++part)
            for (int n = 0; n < env.settings.CountOutput[part]; ++n)
                c.OutputPickoff[part][n] = qint16(position(l.cmbAbgriffOutput[part][n]));
        const int mode = pick(4);
        for (int m = 0; m < 4; ++m)
            c.MonMode[m] = m == mode;
        c.MonChannel = qint16(position(l.cmbKanal));
        c.MonPickoff[pick(3)] = 1;
        for (int k = 0; k < 2; ++k)
            c.PeakPickoff[k] = qint16(position(l.cmbAbgriffPeak[k]));
        for (int k = 0; k < 4; ++k)
            c.ExtMon[k] = qint16(position(l.cmbExtMon[k]));
        for (qint16& v : c.GpioInput)
            v = qint16(code(l.lstData[0]));
        for (qint16& v : c.GpioOutput)
            v = qint16(code(l.lstData[1]));
        c.ControlMode[pick(3)] = 1;
        for (int k = 0; k < 9; ++k) {
            c.VTRSource1[k] = qint16(sources.at(1 + pick(int(sources.size()) - 1)));
            c.VTRSource2[k] = qint16(sources.at(pick(int(sources.size()))));
        }
        c.EsamFrames = qint16(pick(2));
        c.EsamChannels = qint16(pick(2));
        for (int k = 0; k < 8; ++k) {
            c.ConfigFlag1[k] = qint16(pick(2));
            c.ConfigFlag2[k] = qint16(pick(2));
            c.ConfigName[k].set(name(8));
            c.ConfigFile[k].set(QStringLiteral("/srv/zel/slot%1.CNS").arg(k + 1));
        }
        c.ConfigGroupFile.set(QStringLiteral("/srv/zel/group.CNG"));
        c.StartUpConf = qint16(pick(9));
        for (qint16& v : c.FaderBoxInput)
            v = qint16(code(l.lstData[0]));
        for (qint16& v : c.FaderBoxOutput)
            v = qint16(code(l.lstData[1]));
        for (auto& text : d.StatusText)
            text.set(name(64));
        d.ACUVersion.set(QString::number(1000 + pick(9000)));
        return d;
    }

    UiTestEnv env{UiTestEnv::bundledSettings()};
    std::unique_ptr<MainWindow> window;
    std::mt19937 rng{20261208};
};

TEST_F(PagesRoundTrip, EveryPageGivesBackWhatItWasShown)
{
    PageTransfer transfer(*env.pages, *env.app);
    for (int round = 0; round < 20; ++round) {
        const ConfigurationData shown = randomData();
        env.data = shown;
        ASSERT_TRUE(transfer.DataSetToPages()) << "round " << round;
        env.data = ConfigurationData{};
        transfer.PagesToDataSet();
        EXPECT_TRUE(env.data.Current == shown.Current) << "round " << round;
        EXPECT_EQ(env.data.StatusText, shown.StatusText) << "round " << round;
        EXPECT_EQ(env.data.ACUVersion, shown.ACUVersion) << "round " << round;
    }
}

TEST_F(PagesRoundTrip, DataSetSurvivesTheCodecWithThePagesLists)
{
    PageTransfer transfer(*env.pages, *env.app);
    DataContext ctx{*env.app, env.data, nullptr};
    ConfigCollection collect;
    for (int round = 0; round < 20; ++round) {
        const ConfigurationData sent = randomData();
        env.data = sent;
        ASSERT_TRUE(transfer.DataSetToPages());
        transfer.PagesToDataSet();
        const DataExchangeFrame frame = PrepareDataExchange(ctx, env.pages->lists, QStringLiteral("20"));
        ASSERT_TRUE(frame.ok()) << frame.error.toStdString();
        // The decoder starts from the reset image (empty here); only the file
        // paths, which the stream does not carry, are kept from before.
        ASSERT_TRUE(InterpretHexData(ctx, env.pages->lists, collect, frame.payload()));
        EXPECT_TRUE(env.data.Current == sent.Current) << "round " << round;
    }
}

} // namespace
