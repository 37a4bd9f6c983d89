#pragma once

#include <QValidator>

// Lets into a name box only the characters the device takes in names; typing or
// pasting a refused character leaves the text as it was.
class NameKeyValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
