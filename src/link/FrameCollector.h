#pragma once

#include <QByteArray>
#include <QStringList>

// Gathers received bytes into link frames: a start byte 0x80 ... 0x89, payload
// digits, the end byte 0x0D. Bytes before a start byte are set aside as
// discarded. Bytes after a complete frame wait behind it and are hunted through
// again once the frame has been taken, so two frames that arrive back to back
// come out one at a time. Payload digits never equal a start byte, so a start
// byte inside a frame means the frame was torn: it is dropped and the new one
// begins. A frame that grows past MaxFrameBytes without an end byte is dropped.
class FrameCollector
{
public:
    static constexpr qsizetype MaxFrameBytes = 64 * 1024;
    static constexpr char EndByte = 0x0D;

    static bool isStartByte(char byte) { return quint8(byte) >= 0x80 && quint8(byte) <= 0x89; }

    void feed(const QByteArray& bytes);
    // The frame being received: empty or starting with a start byte.
    const QByteArray& buffer() const { return m_frame; }
    const QByteArray& discarded() const { return m_discarded; }
    void clearDiscarded() { m_discarded.clear(); }
    bool hasFrame() const { return !m_frame.isEmpty(); }
    bool frameComplete() const { return m_frame.size() >= 2 && m_frame.endsWith(EndByte); }
    // Takes the complete frame out; the bytes behind it become the next frame.
    QByteArray takeFrame();
    void clear();
    // What was dropped since the last call, one line per event, for the log.
    QStringList takeNotes();

private:
    void collect(const QByteArray& bytes);

    QByteArray m_frame;
    QByteArray m_waiting; // bytes behind a complete frame
    QByteArray m_discarded;
    QStringList m_notes;
};
