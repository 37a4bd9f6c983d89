#include "NameKeyValidator.h"

#include "Cp1252.h"
#include "KeyFilters.h"

QValidator::State NameKeyValidator::validate(QString& input, int& /*pos*/) const
{
    for (const QChar c : input) {
        // The filter works on the byte the character has on the wire.
        if (!Cp1252::canEncode(c))
            return Invalid;
        const int code = static_cast<unsigned char>(Cp1252::encodeChar(c));
        if (FilterNameKey(code) == 0)
            return Invalid;
    }
    return Acceptable;
}
