#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// A command line split into the command, its options and its other words.
// "--name value" and "--name=value" both give an option a value; "--" ends the
// options. Which options a command takes, and whether they carry a value, is
// given to parse().
class Arguments
{
public:
    struct Option
    {
        const char* name; // without the leading "--"
        bool takesValue;
    };

    // False, with the reason in error(), for an unknown option or a missing value.
    bool parse(const QStringList& words, const QList<Option>& options);

    bool has(const QString& name) const { return m_values.contains(name); }
    QString value(const QString& name, const QString& fallback = {}) const
    {
        return m_values.value(name, fallback);
    }
    const QStringList& words() const { return m_words; }
    const QString& error() const { return m_error; }

private:
    QHash<QString, QString> m_values;
    QStringList m_words;
    QString m_error;
};
