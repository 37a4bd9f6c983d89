#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Reads a payload of hex digits pair by pair from the left. A payload that ends
// before the pair to be read (also inside it) is too short: line noise or a cut
// frame, never zeros. The position is a 16-bit counter: a pair that would start
// beyond digit 32767 cannot be read. That, and a 16-bit value whose high byte is
// above 0x7F or a code that grows beyond 32767 with its base, fail the reading; the
// first failure is kept and every later read gives 0.
class PayloadReader
{
public:
    static constexpr qsizetype LastStartDigit = 32767; // 1-based

    // Reads from `digits`, which must outlive the reader; firstByte pairs are skipped.
    explicit PayloadReader(const QByteArray& digits, qsizetype firstByte = 0);
    PayloadReader(QByteArray&&, qsizetype = 0) = delete;

    int byte();
    // High byte first; 0 ... 32767.
    int word();
    // word() + base, which must stay within 0 ... 32767.
    int code(int base);
    QByteArray bytes(int count);
    void skip(int count);

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    // 0-based index of the digit the next pair starts at.
    qsizetype position() const { return m_pos; }

private:
    Q_DISABLE_COPY(PayloadReader)
    void fail(const QString& why);

    const QByteArray& m_digits;
    qsizetype m_pos;
    QString m_error;
};
