#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// Judges what typing or pasting adds to a text box, never what the program put
// there: a name read from a file or from the device shows whole even when it is
// longer than the typing limit or holds a character that cannot be typed, and
// it can still be edited. A refused addition leaves the text as it was.
class TypingValidator : public QValidator
{
    Q_OBJECT

public:
    using Rule = bool (*)(QChar c);

    // Installs itself on `box`, which owns it. With limit > 0 typing stops at that length.
    TypingValidator(QLineEdit* box, Rule allowed, int limit = 0);
    State validate(QString& input, int& pos) const override;

    // The characters the device takes in names; no control characters.
    static bool nameCharacter(QChar c);
    static bool digit(QChar c);
    // A character that Windows-1252, the code page of the files and the wire,
    // holds; no control characters.
    static bool windowsText(QChar c);

private:
    QLineEdit* m_box;
    Rule m_allowed;
    int m_limit;
    QString m_previous; // the text before the edit being judged
};
