#include "TypingValidator.h"

#include "Cp1252.h"
#include "KeyFilters.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// The characters `after` has in place of the ones of `before` that differ.
QString added(const QString& before, const QString& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    return after.mid(head, after.size() - head - tail);
}

} // namespace

TypingValidator::TypingValidator(QLineEdit* box, Rule allowed, int limit)
    : QValidator(box), m_box(box), m_allowed(allowed), m_limit(limit), m_previous(box->text())
{
    // Emitted after every accepted change, typed or set by the program.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_previous = text; });
    box->setValidator(this);
}

QValidator::State TypingValidator::validate(QString& input, int& /*pos*/) const
{
    // Text the program sets leaves the box unmodified; only edits are judged.
    if (!m_box->isModified())
        return Acceptable;
    for (const QChar c : added(m_previous, input)) {
        if (!m_allowed(c))
            return Invalid;
    }
    if (m_limit > 0 && input.size() > m_limit && input.size() > m_previous.size())
        return Invalid;
    return Acceptable;
}

bool TypingValidator::nameCharacter(QChar c)
{
    // The key filter passes control codes as editing keys; inside a name they are refused.
    return c.unicode() >= 32 && Cp1252::canEncode(c) &&
           FilterNameKey(static_cast<unsigned char>(Cp1252::encodeChar(c))) != 0;
}

bool TypingValidator::digit(QChar c)
{
    return c.unicode() >= 32 && FilterDigitKey(c.unicode()) != 0;
}

bool TypingValidator::windowsText(QChar c)
{
    return c.unicode() >= 32 && Cp1252::canEncode(c);
}
