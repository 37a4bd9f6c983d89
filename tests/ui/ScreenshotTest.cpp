#include "AboutWindow.h"
#include "ChooseDialog.h"
#include "DataSet.h"
#include "MainWindow.h"
#include "ProtocolWindow.h"
#include "QtUserInterface.h"
#include "SerialLink.h"
#include "TransferDialog.h"
#include "Twips.h"
#include "UiTestEnv.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>

#include <gtest/gtest.h>

#include "FakeSerialControl.h"

#include "pages/NamesPage.h"
#include "pages/PageTransfer.h"
#include "pages/StatusPage.h"

// Saves pictures of the windows into build/screenshots for a look by eye.
namespace {

// "96" normally; the second run of these cases at 1.5 times the scale says "144".
QString dpiTag()
{
    const QString tag = qEnvironmentVariable("ZEL_SHOT_DPI");
    return tag.isEmpty() ? QStringLiteral("96") : tag;
}

// A data set with something on every page.
void fillSample(ConfigurationData& data)
{
    const char* names[] = {"MIC 1", "MIC 2", "MIC 3", "MIC 4", "MIC 5", "MIC 6"};
    for (int i = 0; i < 6; ++i)
        data.Current.InputName[0][i].set(QString::fromLatin1(names[i]));
    data.Current.InputName[1][0].set(QStringLiteral("CD 1"));
    data.Current.InputName[1][1].set(QStringLiteral("SERVER"));
    data.Current.InputName[4][6].set(QStringLiteral("REGIE"));
    for (int layer = 0; layer < 8; ++layer)
        for (int n = 0; n < 8; ++n)
            data.Current.LayerAssign[layer][n] = qint16((layer + n) % 3 == 0 ? 0 : 1000 + (layer + n) % 6);
    data.Current.LayerAssign[1][2] = 1406;
    data.StatusText[0].set(QStringLiteral("Studio 3, Regie"));
    data.StatusText[1].set(QStringLiteral("Funkhaus, 2. OG"));
    data.ACUVersion.set(QStringLiteral("0412"));
}


QString shotFolder()
{
    const QString folder = QDir::cleanPath(QStringLiteral(ZEL_BIN_DIR "/../screenshots"));
    QDir().mkpath(folder);
    return folder;
}

void save(QWidget& widget, const QString& name)
{
    const QString path = shotFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
}

ProgramInfo info(const QString& model)
{
    AppSettings settings;
    settings.AppTitle = QStringLiteral("ZEL308Tools");
    settings.DeviceModel = model;
    settings.ProductName = model + QStringLiteral(" Editor");
    settings.FileDescription = QStringLiteral("Konfiguration der Steuereinheit");
    return ProgramInfo::fromSettings(settings);
}

// Every page of each model's shipped settings file, in both languages, at the
// window's start height; a page taller than that once more scrolled to its end.
TEST(Screenshots, MainWindowOnEveryPageOfEveryModel)
{
    for (const QString& model : {QStringLiteral("ZEL308"), QStringLiteral("ZEL312s")}) {
        for (const QString& language : {QStringLiteral("GER"), QStringLiteral("ENG")}) {
            UiTestEnv env(UiTestEnv::shippedSettings(model + QStringLiteral("Tools.Ini")), language);
            ASSERT_EQ(env.readStartupSettings(), 0) << model.toStdString();
            env.settings.DeviceModel = model;
            // The version page too.
            env.settings.ShowTabStrip_System = true;
            MainWindow window(*env.pages);
            window.setWindowTitle(model + QStringLiteral("Tools Version 1.0 Build 0"));
            window.show();
            const QString ready = env.messages->get(QStringLiteral("Ready"));
            window.setStatusLine(QLatin1Char(' ') + ready, ready);

            fillSample(env.data);
            EXPECT_TRUE(PageTransfer(*env.pages, *env.app).DataSetToPages());

            for (int i = 0; i < window.tabStrip()->count(); ++i) {
                window.tabStrip()->setCurrentIndex(i);
                const QString name = QStringLiteral("main-%1-%2-%3dpi-%4-%5")
                                         .arg(model, language, dpiTag())
                                         .arg(i + 1)
                                         .arg(window.currentPage()->formName());
                save(window, name);
                QScrollBar* bar = window.verticalScroll();
                if (bar->isEnabled()) {
                    bar->setValue(bar->maximum());
                    save(window, name + QStringLiteral("-end"));
                    bar->setValue(0);
                }
            }
        }
    }
}

TEST(Screenshots, AboutAndSplashOfEveryModel)
{
    for (const QString& model :
         {QStringLiteral("ZEL308"), QStringLiteral("ZEL312s"), QStringLiteral("MOR304m"),
          QStringLiteral("MOR308m"), QStringLiteral("Studio")}) {
        AboutWindow about(info(model), false);
        about.show();
        save(about, QStringLiteral("about-%1-%2dpi").arg(model, dpiTag()));
        AboutWindow splash(info(model), true);
        splash.show();
        save(splash, QStringLiteral("splash-%1-%2dpi").arg(model, dpiTag()));
    }
}

TEST(Screenshots, ChoiceDialogAndProtocol)
{
    UiTestEnv env(UiTestEnv::bundledSettings());
    ChooseDialog dialog(*env.messages);
    dialog.addEntry(QStringLiteral("NotDefined"), 0);
    for (int i = 0; i < 12; ++i)
        dialog.addEntry(QStringLiteral("MIC %1").arg(i + 1), 1000 + i);
    dialog.addEntry(QStringLiteral("Kanal\tInfo"), 1100);
    dialog.setActItem(QStringLiteral("1003"));
    dialog.show();
    save(dialog, QStringLiteral("choose-%1dpi").arg(dpiTag()));

    ProtocolWindow proto(*env.messages, env.settings.Language);
    for (int i = 0; i < 30; ++i)
        proto.appendLine(
            QStringLiteral("Mo  07.12.2026  10:30:%1   Daten gesendet").arg(i, 2, 10, QLatin1Char('0')), 0);
    // A line longer than the view: the view still shows where each line begins.
    proto.appendLine(QStringLiteral("Mo  07.12.2026  10:31:00   Die Datendatei /home/studio/Konfigurationen/"
                                    "Regie 3/Sendungen/Morgenmagazin/ZEL308Tools.Dat wurde nicht gefunden."),
                     0);
    proto.show();
    save(proto, QStringLiteral("protocol-%1dpi").arg(dpiTag()));
}

} // namespace

// The transfer dialog halfway through sending a 16 KiB frame in chunks of 512
// bytes, taken as the 17th chunk goes out.
TEST(Screenshots, TransferDialogMidSend)
{
    UiTestEnv env;
    env.settings.ShowMsgBox = false; // a failure must not wait for a box nobody answers
    QtUserInterface ui;
    AppContext ctx{env.settings, *env.messages, *env.log, ui, env.clock};
    FakeSerialControl port;
    port.drainMs = 1;
    port.applyFixedProperties();
    port.setPortOpen(true);
    SerialLink link(ctx, port);
    int chunks = 0;
    int shownValue = -1;
    port.onOutput = [&](const QByteArray&) {
        if (++chunks != 17)
            return;
        TransferDialog* dialog = ui.transferDialog();
        shownValue = dialog->progressBar()->value();
        save(*dialog, QStringLiteral("TransferDialog-mid-send-") + dpiTag());
    };
    QByteArray frame = QByteArray("\x85") + QByteArray(16382, '3') + "\r";
    ASSERT_TRUE(link.TransmitData(frame, QStringLiteral("Daten senden")));
    EXPECT_EQ(shownValue, 500);
}
