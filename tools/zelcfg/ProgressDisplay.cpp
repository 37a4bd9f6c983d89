#include "ProgressDisplay.h"

#include <unistd.h>

#include <algorithm>

ProgressDisplay::Style ProgressDisplay::styleFor(std::FILE* out, bool quiet)
{
    if (quiet)
        return Style::Off;
    return ::isatty(::fileno(out)) ? Style::Terminal : Style::Lines;
}

QString ProgressDisplay::terminalLine(const QString& caption, qint64 done, qint64 total)
{
    if (total <= 0)
        return QStringLiteral("%1  %2 bytes").arg(caption).arg(done);
    const qint64 shown = std::clamp<qint64>(done, 0, total);
    const int filled = int(shown * BarWidth / total);
    return QStringLiteral("%1 [%2%3] %4%  %5/%6 bytes")
        .arg(caption, QString(filled, u'#'), QString(BarWidth - filled, u'.'))
        .arg(int(shown * 100 / total), 3)
        .arg(shown)
        .arg(total);
}

void ProgressDisplay::begin(const QString& caption)
{
    // The link's texts may end in dots of their own.
    QString text = caption.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.trimmed().isEmpty())
        m_caption = text.trimmed();
    m_quarter = 0;
    if (m_style == Style::Terminal) {
        draw(m_caption + QStringLiteral(" ..."));
    } else if (m_style == Style::Lines && m_caption != m_lastLineCaption) {
        // A transfer shows and hides its dialog for each step; one line per caption is enough.
        print(m_caption + QStringLiteral(" ..."));
        m_lastLineCaption = m_caption;
    }
}

void ProgressDisplay::update(qint64 done, qint64 total)
{
    if (m_style == Style::Terminal) {
        draw(terminalLine(m_caption, done, total));
        return;
    }
    if (m_style != Style::Lines || total <= 0)
        return;
    const int quarter = int(std::clamp<qint64>(done, 0, total) * 4 / total);
    if (quarter > m_quarter) {
        m_quarter = quarter;
        print(QStringLiteral("%1: %2/%3 bytes (%4%)").arg(m_caption).arg(done).arg(total).arg(quarter * 25));
    }
}

void ProgressDisplay::end()
{
    if (m_style == Style::Terminal && m_drawn) {
        std::fputs("\r\x1b[2K", m_out);
        std::fflush(m_out);
        m_drawn = false;
    }
}

void ProgressDisplay::draw(const QString& text)
{
    std::fputs("\r\x1b[2K", m_out);
    std::fputs(text.toUtf8().constData(), m_out);
    std::fflush(m_out);
    m_drawn = true;
}

void ProgressDisplay::print(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), m_out);
    std::fflush(m_out);
}
