#pragma once

#include "AppLog.h"
#include "UserInterface.h"

#include <QStringList>

class ProgressDisplay;

// The user-interface seam on a terminal. There is nobody to ask: the command
// line has named the files, so every file dialog answers with the file the
// command works on and every query (overwriting that file) with Yes. Transfers
// show on the progress display; boxes, status lines and log lines are shown on
// standard error only with --verbose, and the error boxes are kept for the
// command to report.
class ConsoleUserInterface final : public UserInterface, public TextSink
{
public:
    ConsoleUserInterface(ProgressDisplay& progress, bool verbose);
    // Clears a progress line left on the terminal.
    ~ConsoleUserInterface() override;

    void messageBox(MessageIcon icon, const QString& title, const QString& text) override;
    bool askYesNo(MessageIcon icon, const QString& title, const QString& text) override;
    QString mainWindowCaption() const override { return QStringLiteral("zelcfg"); }
    void setStatusLine(const QString& shown, const QString& toolTip) override;
    void setBusy(bool) override {}
    void focusTabStrip() override {}
    QString saveFileDialog(const FileDialogRequest& request) override;
    QString openFileDialog(const FileDialogRequest& request) override;
    void pagesToDataSet() override {}
    bool dataSetToPages() override { return true; }
    void showTransferDialog(const QString& caption, std::function<void()> onCancel) override;
    void hideTransferDialog() override;
    void setTransferProgress(qint64 done, qint64 total) override;

    // The log's lines, with --verbose.
    void appendLine(const QString& text, quint32 color) override;

    void setFilePath(const QString& path) { m_filePath = path; }
    // The texts of the warning boxes shown so far, on one line each.
    const QStringList& errors() const { return m_errors; }
    int fileDialogs() const { return m_fileDialogs; }

private:
    void note(const QString& text);

    ProgressDisplay& m_progress;
    bool m_verbose;
    QString m_filePath;
    QStringList m_errors;
    QString m_lastLogLine;
    int m_fileDialogs = 0;
    bool m_transferShown = false;
};
