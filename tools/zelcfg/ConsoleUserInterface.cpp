#include "ConsoleUserInterface.h"

#include "ProgressDisplay.h"

#include <cstdio>

namespace {

QString oneLine(const QString& text)
{
    return text.simplified();
}

} // namespace

ConsoleUserInterface::ConsoleUserInterface(ProgressDisplay& progress, bool verbose)
    : m_progress(progress), m_verbose(verbose)
{
}

void ConsoleUserInterface::messageBox(MessageIcon icon, const QString&, const QString& text)
{
    if (icon == MessageIcon::Exclamation)
        m_errors.append(oneLine(text));
    note(text);
}

bool ConsoleUserInterface::askYesNo(MessageIcon, const QString&, const QString& text)
{
    note(text + QStringLiteral(" - yes"));
    return true;
}

void ConsoleUserInterface::setStatusLine(const QString& shown, const QString&)
{
    // Most status lines repeat the log line just written.
    const QString text = shown.trimmed();
    if (!text.isEmpty() && !m_lastLogLine.endsWith(text))
        note(shown);
}

QString ConsoleUserInterface::saveFileDialog(const FileDialogRequest&)
{
    ++m_fileDialogs;
    return m_filePath;
}

QString ConsoleUserInterface::openFileDialog(const FileDialogRequest&)
{
    ++m_fileDialogs;
    return m_filePath;
}

void ConsoleUserInterface::showTransferDialog(const QString& caption, std::function<void()>)
{
    m_transferShown = true;
    m_progress.begin(caption);
}

void ConsoleUserInterface::hideTransferDialog()
{
    if (m_transferShown)
        m_progress.end();
    m_transferShown = false;
}

ConsoleUserInterface::~ConsoleUserInterface()
{
    hideTransferDialog();
}

void ConsoleUserInterface::setTransferProgress(qint64 done, qint64 total)
{
    // Without the transfer dialog ("ShowCancelDialog" off) the progress still shows.
    if (!m_transferShown) {
        m_transferShown = true;
        m_progress.begin(QString());
    }
    m_progress.update(done, total);
}

void ConsoleUserInterface::appendLine(const QString& text, quint32)
{
    m_lastLogLine = text.trimmed();
    note(text);
}

void ConsoleUserInterface::note(const QString& text)
{
    if (!m_verbose)
        return;
    if (m_transferShown)
        m_progress.end();
    std::fputs((QStringLiteral("  ") + oneLine(text) + QLatin1Char('\n')).toUtf8().constData(), stderr);
}
