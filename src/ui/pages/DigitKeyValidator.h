#pragma once

#include <QValidator>

// Lets into a numeric box only the digits 0-9, typed or pasted; a refused
// character leaves the text as it was. Editing keys (backspace and the like)
// never reach the validator as text, so they keep working.
class DigitKeyValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
