#pragma once

#include "DebugViewText.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>

class QPlainTextEdit;
class SerialLink;

// `frmCommDebug`: the received link bytes in hex (upper view) and as characters
// (lower view), fed by the link's debug output; with "DebugShowSent" the sent
// frames too, each on a line of its own. F12 empties both views. Closing the
// window stores its placement and ends all debug output for the rest of the
// run; the end procedure closes it (rather than deleting it) for that reason.
class CommDebugWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CommDebugWindow)

public:
    static constexpr const char* PlacementPrefix = "Comm_Debug_Coord_";
    // The views show a line in rows of at most this many characters (12 cells):
    // Qt lays out a whole paragraph on every change, and output without line
    // breaks would otherwise grow one paragraph without end. A line cut at the
    // views' start loses whole rows.
    static constexpr qsizetype RowWidth = 60;

    // The views' display of a text starting at a row start: CR LF ends a row, and
    // a longer line is broken every RowWidth characters.
    static QString shownRows(QStringView text);

    // Placed at 0, 0 with 8000 x 6000 twips, then as stored in section "Screen".
    CommDebugWindow(SerialLink& link, QString settingsFile, QWidget* parent = nullptr);

    // isFrame: a complete received frame, else bytes discarded before a frame start.
    void DebugAusgabe(const QByteArray& bytes, bool isFrame);
    void showSentFrame(const QByteArray& frame);
    void clearViews();

    QPlainTextEdit* hexView() const { return m_txtHex; }
    QPlainTextEdit* asciiView() const { return m_txtAscii; }
    // The views' texts with CR LF line ends.
    const QString& hexText() const { return m_hex.text(); }
    const QString& asciiText() const { return m_ascii.text(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Makes the view show the text after the change, redoing only the rows of the
    // line it touched, and puts the caret at its end.
    static void AppendText(QPlainTextEdit* view, const DebugViewText& text,
                           const DebugViewText::Change& change);

    QPointer<SerialLink> m_link;
    QString m_settingsFile;
    QPlainTextEdit* m_txtHex;
    QPlainTextEdit* m_txtAscii;
    DebugViewText m_hex;
    DebugViewText m_ascii;
};
