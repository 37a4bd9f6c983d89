#include "Arguments.h"

bool Arguments::parse(const QStringList& words, const QList<Option>& options)
{
    m_values.clear();
    m_words.clear();
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        // "-h" is the one short option, as most programs take it.
        const QString word =
            !optionsEnded && words.at(i) == QLatin1String("-h") ? QStringLiteral("--help") : words.at(i);
        if (optionsEnded || !word.startsWith(QLatin1String("--")) || word == QLatin1String("-")) {
            m_words.append(word);
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const Option& o) { return name == QLatin1String(o.name); });
        if (option == options.end()) {
            m_error = QStringLiteral("unknown option --%1").arg(name);
            return false;
        }
        if (!option->takesValue) {
            if (equals >= 0) {
                m_error = QStringLiteral("option --%1 takes no value").arg(name);
                return false;
            }
            m_values.insert(name, QString());
        } else if (equals >= 0) {
            m_values.insert(name, word.mid(equals + 1));
        } else if (i + 1 < words.size()) {
            m_values.insert(name, words.at(++i));
        } else {
            m_error = QStringLiteral("option --%1 needs a value").arg(name);
            return false;
        }
    }
    return true;
}
