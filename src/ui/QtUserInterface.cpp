#include "QtUserInterface.h"

#include "MainWindow.h"
#include "TransferDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        break;
    }
    return QMessageBox::Critical;
}

} // namespace

QtUserInterface::QtUserInterface() = default;

QtUserInterface::~QtUserInterface()
{
    setBusy(false);
    delete m_transferDialog.data();
}

void QtUserInterface::setMainWindow(MainWindow* window)
{
    m_mainWindow = window;
}

void QtUserInterface::setAnswerTexts(const QString& yes, const QString& no)
{
    m_yesText = yes;
    m_noText = no;
}

void QtUserInterface::setPageTransfer(std::function<void()> pagesToDataSet,
                                      std::function<bool()> dataSetToPages)
{
    m_pagesToDataSet = std::move(pagesToDataSet);
    m_dataSetToPages = std::move(dataSetToPages);
}

QWidget* QtUserInterface::parentWindow() const
{
    return m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow.data() : nullptr;
}

QMessageBox::StandardButton QtUserInterface::runBox(MessageIcon icon, const QString& title,
                                                    const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(boxIcon(icon), title, text.trimmed(), buttons, parentWindow());
    // Qt's own labels would be English whatever language the user chose.
    if (QAbstractButton* yes = box.button(QMessageBox::Yes); yes && !m_yesText.isEmpty())
        yes->setText(m_yesText);
    if (QAbstractButton* no = box.button(QMessageBox::No); no && !m_noText.isEmpty())
        no->setText(m_noText);
    // The busy pointer would stand over the box; the user needs the arrow to answer.
    const bool wasBusy = m_busy;
    setBusy(false);
    const auto answer = m_boxAnswer ? m_boxAnswer(box) : static_cast<QMessageBox::StandardButton>(box.exec());
    setBusy(wasBusy);
    return answer;
}

void QtUserInterface::messageBox(MessageIcon icon, const QString& title, const QString& text)
{
    runBox(icon, title, text, QMessageBox::Ok);
}

bool QtUserInterface::askYesNo(MessageIcon icon, const QString& title, const QString& text)
{
    return runBox(icon, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtUserInterface::mainWindowCaption() const
{
    return m_mainWindow ? m_mainWindow->windowTitle() : QString();
}

void QtUserInterface::setStatusLine(const QString& shown, const QString& toolTip)
{
    if (m_mainWindow)
        m_mainWindow->setStatusLine(shown, toolTip);
}

void QtUserInterface::setBusy(bool busy)
{
    // The override cursor is a stack: push once, pop once, whatever the callers do.
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUserInterface::focusTabStrip()
{
    if (m_mainWindow)
        m_mainWindow->focusTabStrip();
}

QString QtUserInterface::qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString pattern = i + 1 < parts.size() ? parts.at(i + 1).trimmed() : QString();
        if (pattern.isEmpty()) {
            filters.append(description);
            continue;
        }
        // Qt reads the patterns from the last parentheses of the description.
        const QString tail = QLatin1Char('(') + pattern + QLatin1Char(')');
        filters.append(description.endsWith(tail) ? description : description + QLatin1Char(' ') + tail);
    }
    return filters.join(QStringLiteral(";;"));
}

QString QtUserInterface::runFileDialog(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(parentWindow(), request.title);
    dialog.setObjectName(QStringLiteral("CommDlg"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The caller asks about overwriting in its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.path.isEmpty()) {
        const QFileInfo proposed(request.path);
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    const bool wasBusy = m_busy;
    setBusy(false);
    QString chosen;
    if (m_fileDialogAnswer)
        chosen = m_fileDialogAnswer(dialog);
    else if (dialog.exec() == QDialog::Accepted)
        chosen = dialog.selectedFiles().value(0);
    setBusy(wasBusy);
    return chosen;
}

QString QtUserInterface::saveFileDialog(const FileDialogRequest& request)
{
    return runFileDialog(request, true);
}

QString QtUserInterface::openFileDialog(const FileDialogRequest& request)
{
    return runFileDialog(request, false);
}

void QtUserInterface::pagesToDataSet()
{
    if (m_pagesToDataSet)
        m_pagesToDataSet();
}

bool QtUserInterface::dataSetToPages()
{
    return !m_dataSetToPages || m_dataSetToPages();
}

TransferDialog* QtUserInterface::transferDialog()
{
    if (!m_transferDialog)
        m_transferDialog = new TransferDialog(m_mainWindow.data());
    return m_transferDialog.data();
}

void QtUserInterface::showTransferDialog(const QString& caption, std::function<void()> onCancel)
{
    transferDialog()->showOver(m_mainWindow.data(), caption, std::move(onCancel));
}

void QtUserInterface::hideTransferDialog()
{
    if (m_transferDialog)
        m_transferDialog->hide();
}

void QtUserInterface::setTransferProgress(qint64 done, qint64 total)
{
    if (m_transferDialog)
        m_transferDialog->setProgress(done, total);
}
