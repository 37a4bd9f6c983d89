#include "AboutWindow.h"
#include "ChooseDialog.h"
#include "MainWindow.h"
#include "ProtocolWindow.h"
#include "Twips.h"
#include "UiTestEnv.h"

#include <QDir>
#include <QLineEdit>
#include <QTabBar>

#include <gtest/gtest.h>

#include "pages/NamesPage.h"
#include "pages/StatusPage.h"

// Saves pictures of the windows into build/screenshots for a look by eye.
namespace {

const QByteArray SampleTexts = R"(
[Messages_GER]
Form_Choose.Caption=Quelle wählen
Form_Proto.Caption=Protokoll
[TabStrip_Status_GER]
Caption=STATUS
Label01=Anlage
Label02=Standort
Label03=Version
Label04=Seriennummer
Label05=Inbetriebnahme
Label06=Bemerkung
[TabStrip_Name_GER]
Caption=NAMEN
Part01.Caption=Mikrofone
Part01.Label01=Mikrofone 1-4
Part01.Label02=Mikrofone 5-8
Part01.Label03=Mikrofone 9-12
Part02.Caption=Zuspieler
Part02.Label01=Zuspieler 1-4
Part03.Caption=Leitungen
Part03.Label01=Leitungen 1-4
Part04.Caption=Telefon
Part04.Label01=Telefon 1-2
Part05.Caption=Sonstige
Part05.Label01=Sonstige 1-4
Part05.Label02=Sonstige 5-8
[TabStrip_Layer_GER]
Caption=EBENEN
[TabStrip_Output_GER]
Caption=AUSGÄNGE
[TabStrip_Monitor_GER]
Caption=MONITOR
[TabStrip_GPIO_GER]
Caption=GPIO
[TabStrip_Esam_GER]
Caption=ESAM
[TabStrip_SnapShot_GER]
Caption=SNAPSHOT
[TabStrip_FBox_GER]
Caption=FADERBOX
)";

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

TEST(Screenshots, MainWindowOnEveryPage)
{
    UiTestEnv env(SampleTexts);
    env.settings.ShowTabStrip_System = env.settings.ShowTabStrip_ESAM = env.settings.ShowTabStrip_FBOX = true;
    env.settings.ShowTabStrip_Monitor = env.settings.ShowTabStrip_IO_Opt = true;
    env.settings.CountInput = {12, 4, 4, 2, 6};
    env.settings.Debug = true;
    MainWindow window(*env.pages);
    window.setWindowTitle(QStringLiteral("ZEL308Tools Version 1.0 Build 0"));
    window.show();
    window.resize(window.width(), Twips::toPixelsY(9000));
    window.setStatusLine(QStringLiteral(" Bereit"), QStringLiteral("Bereit"));
    auto* names = static_cast<NamesPage*>(window.page(QStringLiteral("frmTabStripData02")));
    names->txtInput(1, 0)->setText(QStringLiteral("MIC 1"));
    names->txtInput(5, 5)->setText(QStringLiteral("TEL"));
    auto* status = static_cast<StatusPage*>(window.page(QStringLiteral("frmTabStripData01")));
    status->txtStatus(0)->setText(QStringLiteral("Studio 3, Regie"));
    for (int i = 0; i < window.tabStrip()->count(); ++i) {
        window.tabStrip()->setCurrentIndex(i);
        save(window, QStringLiteral("main-%1-%2").arg(i + 1).arg(window.currentPage()->formName()));
    }
}

TEST(Screenshots, AboutAndSplashOfEveryModel)
{
    for (const QString& model :
         {QStringLiteral("ZEL308"), QStringLiteral("ZEL312s"), QStringLiteral("MOR304m"),
          QStringLiteral("MOR308m"), QStringLiteral("Studio")}) {
        AboutWindow about(info(model), false);
        about.show();
        save(about, QStringLiteral("about-") + model);
        AboutWindow splash(info(model), true);
        splash.show();
        save(splash, QStringLiteral("splash-") + model);
    }
}

TEST(Screenshots, ChoiceDialogAndProtocol)
{
    UiTestEnv env(SampleTexts);
    ChooseDialog dialog(*env.messages);
    dialog.addEntry(QStringLiteral("NotDefined"), 0);
    for (int i = 0; i < 12; ++i)
        dialog.addEntry(QStringLiteral("MIC %1").arg(i + 1), 1000 + i);
    dialog.addEntry(QStringLiteral("Kanal\tInfo"), 1100);
    dialog.setActItem(QStringLiteral("1003"));
    dialog.show();
    save(dialog, QStringLiteral("choose"));

    ProtocolWindow proto(*env.messages, env.settings.Language);
    for (int i = 0; i < 30; ++i)
        proto.appendLine(
            QStringLiteral("Mo  07.12.2026  10:30:%1   Daten gesendet").arg(i, 2, 10, QLatin1Char('0')), 0);
    proto.show();
    save(proto, QStringLiteral("protocol"));
}

} // namespace
