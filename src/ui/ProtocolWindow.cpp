#include "ProtocolWindow.h"

#include "BoundedText.h"
#include "MessageTexts.h"
#include "Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

ProtocolWindow::ProtocolWindow(MessageTexts& messages, QString language, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_language(std::move(language)),
      m_txtProto(new QPlainTextEdit(this)), m_cmdOk(new QPushButton(QStringLiteral("&Ok"), this))
{
    setObjectName(QStringLiteral("frmProto"));
    setWindowTitle(QStringLiteral("Protokoll"));
    setFixedSize(Twips::toPixels(8505, 4935));

    m_txtProto->setObjectName(QStringLiteral("txtProto"));
    m_txtProto->setGeometry(Twips::toPixels(120, 120, 8295, 4095));
    m_txtProto->setReadOnly(true);
    m_txtProto->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtProto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtProto->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setGeometry(Twips::toPixels(3720, 4440, 1095, 375));
    m_cmdOk->setDefault(true);
    connect(m_cmdOk, &QPushButton::clicked, this, &QDialog::hide);
}

void ProtocolWindow::appendLine(const QString& text, quint32 /*color*/)
{
    const QString kept = DropOldestLines(m_text, text.size(), MaxTextLength);
    const QString line = QLatin1Char(' ') + text + QStringLiteral("\r\n");
    if (kept.size() == m_text.size()) {
        m_txtProto->appendPlainText(line.left(line.size() - 2));
    } else {
        // The view shows the history without the final line break, one paragraph per line.
        QString shown = kept + line;
        shown.chop(2);
        m_txtProto->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    m_text = kept + line;
    // The newest line in view from its first character (weekday and date), not
    // scrolled to the end of the longest line.
    m_txtProto->moveCursor(QTextCursor::End);
    m_txtProto->moveCursor(QTextCursor::StartOfLine);
    m_txtProto->horizontalScrollBar()->setValue(0);
}

void ProtocolWindow::showEvent(QShowEvent* event)
{
    loadTexts();
    QDialog::showEvent(event);
}

void ProtocolWindow::loadTexts()
{
    if (m_language.isEmpty() || m_textsLoaded)
        return;
    setWindowTitle(m_messages.get(QStringLiteral("Form_Proto.Caption")));
    m_txtProto->setToolTip(m_messages.get(QStringLiteral("Form_Proto.ToolTip"), QString()));
    m_textsLoaded = true;
}
