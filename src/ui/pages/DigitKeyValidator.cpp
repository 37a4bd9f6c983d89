#include "DigitKeyValidator.h"

#include "KeyFilters.h"

QValidator::State DigitKeyValidator::validate(QString& input, int& /*pos*/) const
{
    for (const QChar c : input) {
        // Control codes pass the key filter as editing keys; inside the text
        // they are not digits.
        if (c.unicode() < 32 || FilterDigitKey(c.unicode()) == 0)
            return Invalid;
    }
    return Acceptable;
}
