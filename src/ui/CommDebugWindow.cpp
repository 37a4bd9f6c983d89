#include "CommDebugWindow.h"

#include "DebugCells.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Screen");

QPlainTextEdit* makeView(const QString& name, QWidget* parent)
{
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(name);
    view->setReadOnly(true);
    // Every edit would stay on the undo stack: memory without bound for a view nobody edits.
    view->setUndoRedoEnabled(false);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return view;
}

TwipRect twipsOf(const QRect& pixels)
{
    const QRect r = Twips::fromPixels(pixels);
    return {r.x(), r.y(), r.width(), r.height()};
}

QSize screenTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return {Twips::fromPixelsX(pixels.width()), Twips::fromPixelsY(pixels.height())};
}

} // namespace

CommDebugWindow::CommDebugWindow(SerialLink& link, QString settingsFile, QWidget* parent)
    : QWidget(parent, Qt::Window), m_link(&link), m_settingsFile(std::move(settingsFile)),
      m_txtHex(makeView(QStringLiteral("txtHex"), this)),
      m_txtAscii(makeView(QStringLiteral("txtAscii"), this)), m_hex(RowWidth), m_ascii(RowWidth)
{
    setObjectName(QStringLiteral("frmCommDebug"));
    setWindowTitle(QStringLiteral("COMM Debug (L\u00F6schen mit <F12>)"));

    const TwipRect start{0, 0, 8000, 6000};
    const TwipRect placed = RestoreWindowPlacement(m_settingsFile, kSection, QLatin1String(PlacementPrefix),
                                                   start, screenTwips());
    setGeometry(Twips::toPixels(placed.left, placed.top, placed.width, placed.height));
    clearViews();

    connect(&link, &SerialLink::debugOutput, this, &CommDebugWindow::DebugAusgabe);
    connect(&link, &SerialLink::debugFrameSent, this, &CommDebugWindow::showSentFrame);
}

void CommDebugWindow::DebugAusgabe(const QByteArray& bytes, bool isFrame)
{
    const DebugPieces pieces = isFrame ? DebugFramePieces(bytes) : DebugDiscardedPieces(bytes);
    AppendText(m_txtHex, m_hex, m_hex.addPiece(pieces.hex));
    AppendText(m_txtAscii, m_ascii, m_ascii.addPiece(pieces.ascii));
}

void CommDebugWindow::showSentFrame(const QByteArray& frame)
{
    const DebugPieces pieces = DebugFramePieces(frame);
    AppendText(m_txtHex, m_hex, m_hex.addSentLine(pieces.hex));
    AppendText(m_txtAscii, m_ascii, m_ascii.addSentLine(pieces.ascii));
}

void CommDebugWindow::clearViews()
{
    m_hex.clear();
    m_ascii.clear();
    m_txtHex->clear();
    m_txtAscii->clear();
}

QString CommDebugWindow::shownRows(QStringView text)
{
    QString rows;
    rows.reserve(text.size() + text.size() / RowWidth);
    qsizetype column = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            rows += QLatin1Char('\n');
            column = 0;
            ++i;
            continue;
        }
        if (column == RowWidth) {
            rows += QLatin1Char('\n');
            column = 0;
        }
        rows += text[i];
        ++column;
    }
    return rows;
}

void CommDebugWindow::AppendText(QPlainTextEdit* view, const DebugViewText& text,
                                 const DebugViewText::Change& change)
{
    QTextDocument* document = view->document();
    const qsizetype kept = text.text().size() - change.appended.size();
    if (kept == 0) {
        // Nothing of the old text stayed: the new one is at most a view full.
        document->setPlainText(shownRows(text.text()));
        view->moveCursor(QTextCursor::End);
        view->ensureCursorVisible();
        return;
    }
    if (!change.droppedFront.isEmpty()) {
        // Whole lines went, and whole rows of the line after them: their rows
        // are the first blocks.
        int rows = int(shownRows(change.droppedFront).count(QLatin1Char('\n')));
        if (!change.droppedFront.endsWith(QLatin1Char('\n')))
            ++rows;
        QTextCursor top(document);
        top.setPosition(document->findBlockByNumber(rows).position(), QTextCursor::KeepAnchor);
        top.removeSelectedText();
    }

    // The touched line is the last one, its rows the last blocks of the view.
    // Everything from its first row not kept whole is written again.
    const qsizetype keptColumns = kept - change.keptLineStart;
    const qsizetype oldRows =
        std::max<qsizetype>(1, (keptColumns + change.droppedBack + RowWidth - 1) / RowWidth);
    const int wholeRows = int(keptColumns / RowWidth);
    const int firstRow = document->blockCount() - int(oldRows);
    QTextCursor cursor(document);
    if (wholeRows == 0) {
        cursor.setPosition(document->findBlockByNumber(firstRow).position());
    } else {
        const QTextBlock lastWhole = document->findBlockByNumber(firstRow + wholeRows - 1);
        cursor.setPosition(lastWhole.position() + lastWhole.length() - 1);
    }
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QString rows = shownRows(QStringView(text.text()).mid(change.keptLineStart + wholeRows * RowWidth));
    if (wholeRows > 0 && !rows.isEmpty())
        rows.prepend(QLatin1Char('\n'));
    cursor.insertText(rows);

    view->moveCursor(QTextCursor::End);
    view->ensureCursorVisible();
}

void CommDebugWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F12) {
        clearViews();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CommDebugWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_txtHex->setGeometry(0, 0, width(), half);
    m_txtAscii->setGeometry(0, half, width(), half);
}

void CommDebugWindow::closeEvent(QCloseEvent* event)
{
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    SaveWindowPlacement(m_settingsFile, kSection, QLatin1String(PlacementPrefix), twipsOf(geometry()),
                        normal);
    if (m_link)
        m_link->setDebugLevel(0);
    QWidget::closeEvent(event);
}
