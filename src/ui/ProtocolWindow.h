#pragma once

#include "AppLog.h"

#include <QDialog>

class MessageTexts;
class QPlainTextEdit;
class QPushButton;

// The history of everything logged for the screen in this run. It lives from
// start-up on, hidden, and is shown on demand; hiding keeps the history.
class ProtocolWindow : public QDialog, public TextSink
{
    Q_OBJECT
    Q_DISABLE_COPY(ProtocolWindow)

public:
    static constexpr qsizetype MaxTextLength = 20480;

    ProtocolWindow(MessageTexts& messages, QString language, QWidget* parent = nullptr);

    // Appends one blank, the text and CR LF after dropping the oldest lines
    // that would push the history over its bound. The colour is not shown: the
    // history is plain text.
    void appendLine(const QString& text, quint32 color) override;

    // The history with its CR LF line ends.
    const QString& text() const { return m_text; }
    QPlainTextEdit* view() const { return m_txtProto; }
    QPushButton* okButton() const { return m_cmdOk; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadTexts();

    MessageTexts& m_messages;
    QString m_language;
    QPlainTextEdit* m_txtProto;
    QPushButton* m_cmdOk;
    QString m_text;
    bool m_textsLoaded = false;
};
