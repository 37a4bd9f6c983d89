#include "QtUserInterface.h"

#include "MainWindow.h"
#include "TransferDialog.h"
#include "Twips.h"
#include "UiTestEnv.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct BoxKind
{
    const char* name;
    MessageIcon icon;
    bool query;
    QMessageBox::Icon shownIcon;
    QMessageBox::StandardButtons buttons;
};

class MessageBoxKinds : public ::testing::TestWithParam<BoxKind>
{
};

TEST(QueryButtons, YesAndNoCarryTheChosenLanguagesTexts)
{
    QtUserInterface ui;
    ui.setAnswerTexts(QStringLiteral("&Ja"), QStringLiteral("&Nein"));
    QStringList labels;
    ui.setBoxAnswer([&](QMessageBox& box) {
        for (const auto button : {QMessageBox::Yes, QMessageBox::No})
            labels.append(box.button(button)->text());
        return QMessageBox::No;
    });
    EXPECT_FALSE(ui.askYesNo(MessageIcon::Exclamation, QStringLiteral("Port"), QStringLiteral("Fortfahren?")));
    EXPECT_EQ(labels, (QStringList{"&Ja", "&Nein"}));
}

TEST_P(MessageBoxKinds, BoxHasTheIconButtonsTitleAndTrimmedText)
{
    const BoxKind& kind = GetParam();
    QtUserInterface ui;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString title;
    QString text;
    ui.setBoxAnswer([&](QMessageBox& box) {
        icon = box.icon();
        buttons = box.standardButtons();
        title = box.windowTitle();
        text = box.text();
        return kind.query ? QMessageBox::Yes : QMessageBox::Ok;
    });
    if (kind.query)
        EXPECT_TRUE(ui.askYesNo(kind.icon, QStringLiteral("Caption"), QStringLiteral("  Daten senden?  ")));
    else
        ui.messageBox(kind.icon, QStringLiteral("Caption"), QStringLiteral("  Daten senden?  "));
    EXPECT_EQ(icon, kind.shownIcon);
    EXPECT_EQ(buttons, kind.buttons);
    EXPECT_EQ(title, QStringLiteral("Caption"));
    EXPECT_EQ(text, QStringLiteral("Daten senden?"));
}

INSTANTIATE_TEST_SUITE_P(
    QtUserInterface, MessageBoxKinds,
    ::testing::Values(
        BoxKind{"OperationError", MessageIcon::Exclamation, false, QMessageBox::Warning, QMessageBox::Ok},
        BoxKind{"LinkReply", MessageIcon::Information, false, QMessageBox::Information, QMessageBox::Ok},
        BoxKind{"Query", MessageIcon::Stop, true, QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No},
        BoxKind{"VersionMessage", MessageIcon::Stop, false, QMessageBox::Critical, QMessageBox::Ok}),
    [](const ::testing::TestParamInfo<BoxKind>& info) { return std::string(info.param.name); });

TEST(QtUserInterface, OnlyYesConfirms)
{
    QtUserInterface ui;
    for (auto [answer, expected] : {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false},
                                    std::pair{QMessageBox::Escape, false}}) {
        ui.setBoxAnswer([answer = answer](QMessageBox&) { return answer; });
        EXPECT_EQ(ui.askYesNo(MessageIcon::Stop, QString(), QStringLiteral("?")), expected);
    }
}

TEST(QtUserInterface, RealBoxIsAnsweredByItsButton)
{
    QtUserInterface ui;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(ui.askYesNo(MessageIcon::Stop, QStringLiteral("t"), QStringLiteral("q")));
}

TEST(QtUserInterface, BusyPointerIsPushedOnceAndRestored)
{
    QtUserInterface ui;
    ui.setBusy(true);
    ui.setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // A box shows the normal pointer and the busy one comes back after it.
    const QCursor* duringBox = reinterpret_cast<const QCursor*>(1);
    ui.setBoxAnswer([&](QMessageBox&) {
        duringBox = QApplication::overrideCursor();
        return QMessageBox::Ok;
    });
    ui.messageBox(MessageIcon::Exclamation, QString(), QStringLiteral("x"));
    EXPECT_EQ(duringBox, nullptr);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    ui.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ui.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtUserInterface, FilterBecomesQtsForm)
{
    EXPECT_EQ(QtUserInterface::qtNameFilters(QStringLiteral("ZEL/MOR Rimtal Daten  (*.DAT)|*.DAT")),
              QStringLiteral("ZEL/MOR Rimtal Daten  (*.DAT)"));
    EXPECT_EQ(QtUserInterface::qtNameFilters(QStringLiteral("Daten|*.DAT|Alle|*.*")),
              QStringLiteral("Daten (*.DAT);;Alle (*.*)"));
    EXPECT_EQ(QtUserInterface::qtNameFilters(QStringLiteral("Gruppe (*.CNG)|*.CNG;*.CNS")),
              QStringLiteral("Gruppe (*.CNG) (*.CNG;*.CNS)"));
}

TEST(QtUserInterface, FileDialogsTakeTitleFilterSuffixAndProposedPath)
{
    UiTestEnv env;
    QtUserInterface ui;
    const FileDialogRequest request{QStringLiteral("Speichern unter"),
                                    QStringLiteral("ZEL/MOR Rimtal Daten  (*.DAT)|*.DAT"),
                                    QStringLiteral("DAT"), env.folder.file(QStringLiteral("Studio.DAT"))};
    for (bool save : {true, false}) {
        ui.setFileDialogAnswer([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), request.title);
            // Qt folds the two blanks of the description into one.
            EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("ZEL/MOR Rimtal Daten (*.DAT)")});
            EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("DAT"));
            EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(dialog.acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            EXPECT_EQ(QDir(dialog.directory()).absolutePath(), QDir(env.folder.path()).absolutePath());
            return QStringLiteral("/chosen.DAT");
        });
        const QString chosen = save ? ui.saveFileDialog(request) : ui.openFileDialog(request);
        EXPECT_EQ(chosen, QStringLiteral("/chosen.DAT"));
    }
}

TEST(QtUserInterface, PageTransferGoesToTheRegisteredHooks)
{
    QtUserInterface ui;
    ui.pagesToDataSet(); // nothing registered: nothing happens
    int toData = 0;
    int toPages = 0;
    EXPECT_TRUE(ui.dataSetToPages());
    ui.setPageTransfer([&] { ++toData; }, [&] { return ++toPages < 2; });
    ui.pagesToDataSet();
    EXPECT_TRUE(ui.dataSetToPages());
    EXPECT_FALSE(ui.dataSetToPages()); // the pages could not take the data set
    EXPECT_EQ(toData, 1);
    EXPECT_EQ(toPages, 2);
}

class WithMainWindow : public ::testing::Test
{
protected:
    UiTestEnv env;
    QtUserInterface ui;
    MainWindow window{*env.pages};

    void SetUp() override
    {
        ui.setMainWindow(&window);
        window.setWindowTitle(QStringLiteral("ZEL308Tools V1.0"));
        window.show();
    }
};

TEST_F(WithMainWindow, StatusLineCaptionAndTabFocusReachTheMainWindow)
{
    ShowStatus(ui, QStringLiteral("  Bereit  "));
    EXPECT_EQ(window.statusText()->text(), QStringLiteral(" Bereit"));
    EXPECT_EQ(window.statusText()->toolTip(), QStringLiteral("Bereit"));
    EXPECT_EQ(ui.mainWindowCaption(), QStringLiteral("ZEL308Tools V1.0"));
    ui.focusTabStrip();
    EXPECT_EQ(window.focusWidget(), window.tabStrip());
}

TEST_F(WithMainWindow, TransferDialogKeepsItsLastCaptionAndCancels)
{
    int cancelled = 0;
    ui.showTransferDialog(QStringLiteral("Daten senden"), [&] { ++cancelled; });
    TransferDialog* dialog = ui.transferDialog();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Daten senden"));
    const QRect main = window.frameGeometry();
    EXPECT_EQ(dialog->x(), (main.width() - dialog->width()) / 2 + main.left());
    EXPECT_EQ(dialog->y(), (main.height() - dialog->height()) / 2 + main.top());
    ui.hideTransferDialog();
    EXPECT_FALSE(dialog->isVisible());

    ui.showTransferDialog(QString(), [&] { cancelled += 10; });
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Daten senden"));
    EXPECT_EQ(dialog->cancelButton()->text(), QStringLiteral("&Abbrechen"));
    dialog->cancelButton()->click();
    EXPECT_EQ(cancelled, 10);
    EXPECT_FALSE(dialog->isVisible());
}

TEST(TransferDialog, DesignTextsAndClosingCancels)
{
    TransferDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Datenübertragung"));
    EXPECT_NE(
        dialog.findChild<QLabel*>()->text().indexOf(QStringLiteral("Datenübertragung, bitte warten...")), -1);
    bool cancelled = false;
    dialog.showOver(nullptr, QString(), [&] { cancelled = true; });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Datenübertragung"));
    dialog.close();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TransferDialog, ProgressBarBetweenLabelAndButtonBusyUntilTold)
{
    TransferDialog dialog;
    dialog.showOver(nullptr, QString(), [] {});
    const QProgressBar* bar = dialog.progressBar();
    EXPECT_EQ(bar->maximum(), 0) << "a busy indicator until progress is reported";
    dialog.setProgress(512, 1958);
    EXPECT_EQ(bar->maximum(), 1000);
    EXPECT_EQ(bar->value(), 261);
    dialog.setProgress(1958, 1958);
    EXPECT_EQ(bar->value(), 1000);
    dialog.setProgress(3, 0);
    EXPECT_EQ(bar->maximum(), 0) << "the length is not known";
    dialog.setProgress(10, 1958);
    dialog.hide();
    dialog.showOver(nullptr, QString(), [] {});
    EXPECT_EQ(bar->maximum(), 0) << "a new showing starts busy";

    // The label and the button keep their places; the bar lies between them.
    const QLabel* label = dialog.findChild<QLabel*>();
    EXPECT_EQ(label->geometry(), Twips::toPixels(240, 240, 4200, 315));
    EXPECT_EQ(dialog.cancelButton()->geometry(), Twips::toPixels(1740, 840, 1200, 375));
    EXPECT_FALSE(bar->geometry().intersects(label->geometry()));
    EXPECT_FALSE(bar->geometry().intersects(dialog.cancelButton()->geometry()));
    EXPECT_TRUE(dialog.rect().contains(bar->geometry()));
}

TEST_F(WithMainWindow, TransferProgressReachesTheShownDialog)
{
    ui.setTransferProgress(5, 10); // nothing shown yet: nothing to move
    ui.showTransferDialog(QStringLiteral("Daten senden"), [] {});
    ui.setTransferProgress(979, 1958);
    EXPECT_EQ(ui.transferDialog()->progressBar()->value(), 500);
}

} // namespace
