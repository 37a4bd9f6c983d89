#include "ProfileFile.h"

namespace {

QString folded(QStringView name)
{
    return TextFile::trimBlanks(name).toCaseFolded();
}

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

bool validSectionName(const QString& name)
{
    return !name.isEmpty() && !hasLineBreak(name) && !name.contains(QLatin1Char(']'));
}

bool validKeyName(const QString& name)
{
    return !name.isEmpty() && !hasLineBreak(name) && !name.contains(QLatin1Char('=')) &&
           !name.startsWith(QLatin1Char(';')) && !name.startsWith(QLatin1Char('['));
}

} // namespace

ProfileFile ProfileFile::parse(const QByteArray& bytes)
{
    ProfileFile file;
    file.m_storage = TextFile::detectStorage(bytes);
    const TextFile::LineBytes lineBytes = TextFile::toLineBytes(bytes, file.m_storage);
    const QByteArray& text = lineBytes.text;
    file.m_tail = lineBytes.tail;
    file.m_encoding = TextFile::lineEncoding(text, file.m_storage);
    const QList<TextFile::RawLine> raw = TextFile::splitLines(text);
    file.m_newline = TextFile::newlineFor(raw);
    file.m_lines.reserve(raw.size());
    for (const TextFile::RawLine& line : raw)
        file.m_lines.append(file.makeLine(line.text, line.ending, file.m_lines.isEmpty()));
    file.reindex();
    return file;
}

QByteArray ProfileFile::bytes() const
{
    qsizetype total = 0;
    for (const Line& line : m_lines)
        total += line.text.size() + line.ending.size();
    QByteArray out;
    out.reserve(total);
    for (const Line& line : m_lines)
        out.append(line.text).append(line.ending);
    return TextFile::toFileBytes(out, m_storage, m_tail);
}

ProfileFile::Line ProfileFile::makeLine(QByteArray text, QByteArrayView ending, bool firstLine) const
{
    Line line;
    line.text = std::move(text);
    line.ending = ending;
    QByteArrayView content = line.text;
    if (firstLine && TextFile::mayHaveUtf8Mark(m_encoding) && content.startsWith(TextFile::kUtf8Bom))
        content = content.sliced(TextFile::kUtf8Bom.size());
    // Blank and comment lines need no decoding (both code pages keep ASCII as is).
    qsizetype first = 0;
    while (first < content.size() && (content[first] == ' ' || content[first] == '\t'))
        ++first;
    if (first == content.size() || content[first] == ';')
        return line;
    // Blanks and TABs are the same single bytes in every code page the file may use.
    qsizetype end = content.size();
    while (content[end - 1] == ' ' || content[end - 1] == '\t')
        --end;
    const QString trimmed = TextFile::decode(content.sliced(first, end - first), m_encoding);
    if (trimmed.front() == QLatin1Char('[')) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = TextFile::trimBlanks(QStringView(trimmed).sliced(1, close - 1));
        }
        return line;
    }
    const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
    if (eq < 0)
        return line;
    line.name = TextFile::trimBlanks(QStringView(trimmed).first(eq));
    if (line.name.isEmpty())
        return line;
    line.kind = Kind::Key;
    line.value = TextFile::unquote(TextFile::trimBlanks(QStringView(trimmed).sliced(eq + 1)));
    return line;
}

void ProfileFile::reindex()
{
    m_sections.clear();
    Section* section = nullptr; // null before the first section and inside a repeated one
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section) {
            const QString name = line.name.toCaseFolded();
            section = m_sections.contains(name) ? nullptr : &m_sections.insert(name, Section{i, i, {}}).value();
        } else if (line.kind == Kind::Key && section) {
            section->lastKey = i;
            const QString name = line.name.toCaseFolded();
            if (!section->keys.contains(name))
                section->keys.insert(name, i);
        }
    }
}

std::optional<ProfileFile::Section> ProfileFile::findSection(QStringView name) const
{
    const auto it = m_sections.constFind(folded(name));
    if (it == m_sections.cend())
        return std::nullopt;
    return *it;
}

std::optional<qsizetype> ProfileFile::findKey(QStringView section, QStringView key) const
{
    const auto s = m_sections.constFind(folded(section));
    if (s == m_sections.cend())
        return std::nullopt;
    const auto it = s->keys.constFind(folded(key));
    if (it == s->keys.cend())
        return std::nullopt;
    return *it;
}

std::optional<QString> ProfileFile::value(QStringView section, QStringView key) const
{
    const std::optional<qsizetype> line = findKey(section, key);
    if (!line)
        return std::nullopt;
    return m_lines[*line].value;
}

QStringList ProfileFile::sections() const
{
    QStringList names;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section && m_sections.value(line.name.toCaseFolded()).header == i)
            names.append(line.name);
    }
    return names;
}

QStringList ProfileFile::keys(QStringView section) const
{
    QStringList names;
    const std::optional<Section> s = findSection(section);
    if (!s)
        return names;
    for (qsizetype i = s->header + 1; i <= s->lastKey; ++i) {
        const Line& line = m_lines[i];
        // Only the first line of each key name counts (the index points at it).
        if (line.kind == Kind::Key && s->keys.value(line.name.toCaseFolded()) == i)
            names.append(line.name);
    }
    return names;
}

void ProfileFile::insertLine(qsizetype at, const QString& text)
{
    // The line before may be the file's last one, written without a line break.
    if (at > 0 && !TextFile::isLineBreak(m_lines[at - 1].ending))
        m_lines[at - 1].ending = m_newline;
    m_lines.insert(at, makeLine(TextFile::encode(text, m_encoding), m_newline, at == 0));
}

ProfileFile::Change ProfileFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = TextFile::trimBlanks(section);
    const QString keyName = TextFile::trimBlanks(key);
    if (!validSectionName(sectionName) || !validKeyName(keyName))
        return Change::Refused;
    QString text = value;
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    if (const std::optional<qsizetype> at = findKey(sectionName, keyName)) {
        // Keep the key as written, the "=" and the blanks after it (aligned files stay aligned).
        const Line old = m_lines[*at];
        qsizetype keep = old.text.indexOf('=') + 1;
        while (keep < old.text.size() && (old.text[keep] == ' ' || old.text[keep] == '\t'))
            ++keep;
        QByteArray bytes = old.text.first(keep) + TextFile::encode(text, m_encoding);
        if (bytes == old.text)
            return Change::None;
        // Kind and name stay, so the index stays valid.
        m_lines[*at] = makeLine(std::move(bytes), old.ending, *at == 0);
        keepReadingAsBefore();
        return Change::Done;
    }
    if (const std::optional<Section> s = findSection(sectionName)) {
        insertLine(s->lastKey + 1, keyName + QLatin1Char('=') + text);
    } else {
        if (!m_lines.isEmpty() &&
            !TextFile::trimBlanks(TextFile::decode(m_lines.last().text, m_encoding)).isEmpty())
            insertLine(m_lines.size(), QString());
        insertLine(m_lines.size(), QLatin1Char('[') + sectionName + QLatin1Char(']'));
        insertLine(m_lines.size(), keyName + QLatin1Char('=') + text);
    }
    reindex();
    keepReadingAsBefore();
    return Change::Done;
}

ProfileFile::Change ProfileFile::addKeys(const QString& section,
                                         const QList<std::pair<QString, QString>>& entries)
{
    QList<std::pair<QString, QString>> missing;
    for (const auto& [key, value] : entries) {
        if (!validKeyName(TextFile::trimBlanks(key)))
            return Change::Refused;
        if (!findKey(section, key))
            missing.append({key, value});
    }
    if (missing.isEmpty())
        return Change::None;
    // The first key goes in the ordinary way (it creates the section when needed);
    // the others follow it without a new index each.
    const Change first = setValue(section, missing.first().first, missing.first().second);
    if (first == Change::Refused)
        return first;
    qsizetype at = findSection(TextFile::trimBlanks(section))->lastKey + 1;
    for (qsizetype i = 1; i < missing.size(); ++i) {
        QString value = missing[i].second;
        value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        insertLine(at++, TextFile::trimBlanks(missing[i].first) + QLatin1Char('=') + value);
    }
    reindex();
    return Change::Done;
}

ProfileFile::Change ProfileFile::remove(QStringView section, QStringView key)
{
    const std::optional<qsizetype> at = findKey(section, key);
    if (!at)
        return Change::None;
    m_lines.removeAt(*at);
    reindex();
    keepReadingAsBefore();
    return Change::Done;
}

// An edit may take out a Windows-1252 file's last bytes that are not UTF-8: read
// again, the file would count as UTF-8 and its other characters would change.
// Such a file goes over to UTF-8 as a whole, so that every line reads as before.
void ProfileFile::keepReadingAsBefore()
{
    if (m_encoding != TextFile::Encoding::Windows1252 ||
        TextFile::detectEncoding(bytes()) == TextFile::Encoding::Windows1252)
        return;
    for (Line& line : m_lines)
        line.text = TextFile::encode(TextFile::decode(line.text, m_encoding), TextFile::Encoding::Utf8);
    m_encoding = TextFile::Encoding::Utf8;
}
