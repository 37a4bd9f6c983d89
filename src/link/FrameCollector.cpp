#include "FrameCollector.h"

void FrameCollector::feed(const QByteArray& bytes)
{
    if (m_frame.isEmpty())
        m_discarded.clear();
    collect(bytes);
}

void FrameCollector::collect(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char b = bytes.at(i);
        if (frameComplete()) {
            m_waiting.append(bytes.mid(i));
            if (m_waiting.size() > MaxFrameBytes) {
                m_notes << QStringLiteral("  Link: %1 bytes behind an unread frame dropped")
                               .arg(m_waiting.size());
                m_waiting.clear();
            }
            return;
        }
        if (m_frame.isEmpty()) {
            if (isStartByte(b))
                m_frame.append(b);
            else
                m_discarded.append(b);
            continue;
        }
        if (isStartByte(b)) {
            m_notes << QStringLiteral("  Link: incomplete frame %1 of %2 bytes dropped, frame %3 begins")
                           .arg(QString::number(quint8(m_frame.at(0)), 16).toUpper())
                           .arg(m_frame.size())
                           .arg(QString::number(quint8(b), 16).toUpper());
            m_frame = QByteArray(1, b);
            continue;
        }
        m_frame.append(b);
        if (m_frame.size() > MaxFrameBytes && !frameComplete()) {
            m_notes << QStringLiteral("  Link: %1 bytes without end byte dropped").arg(m_frame.size());
            m_frame.clear();
        }
    }
}

QByteArray FrameCollector::takeFrame()
{
    QByteArray frame = m_frame;
    m_frame.clear();
    const QByteArray behind = m_waiting;
    m_waiting.clear();
    m_discarded.clear();
    collect(behind);
    return frame;
}

void FrameCollector::clear()
{
    m_frame.clear();
    m_waiting.clear();
}

QStringList FrameCollector::takeNotes()
{
    QStringList notes;
    notes.swap(m_notes);
    return notes;
}
