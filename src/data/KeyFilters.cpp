#include "KeyFilters.h"

#include <QString>

namespace {

bool isDigit(int code)
{
    return code >= '0' && code <= '9';
}

bool isNameCharacter(int code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || isDigit(code))
        return true;
    // U+00A7 is the section sign; everything else here is ASCII.
    static const QString punctuation = QStringLiteral(" !\u00A7$%&/()=?{[]}\\+*#,.-;:_<>|@~");
    return code > 0 && code <= 0xFFFF && punctuation.contains(QChar(char16_t(code)));
}

} // namespace

int FilterNameKey(int keyCode)
{
    if (keyCode < 32)
        return keyCode;
    return isNameCharacter(keyCode) ? keyCode : 0;
}

int FilterDigitKey(int keyCode)
{
    if (keyCode < 32)
        return keyCode;
    return isDigit(keyCode) ? keyCode : 0;
}
