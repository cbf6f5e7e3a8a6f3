#include "platform/privateProfile.h"

#include "platform/safeFile.h"
#include "platform/text1252.h"

#include <QFile>
#include <QStringList>

namespace {

// The lines of the file; empty when it does not exist. *readable is false
// when the file exists but cannot be read, so that a write does not replace
// a file it could not see with a file of one line.
QStringList readLines(const QString& file, bool* readable = nullptr) {
    if (readable) *readable = true;
    QFile f(file);
    if (!f.exists()) return {};
    if (!f.open(QIODevice::ReadOnly)) {
        if (readable) *readable = false;
        return {};
    }
    const QString text = text1252::decode(f.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// A section header line gives its trimmed name; any other line gives nullopt.
std::optional<QString> sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('['))) return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

// A key line gives its trimmed key; comments and other lines give nullopt.
std::optional<QString> keyOf(const QString& line) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) return std::nullopt;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0) return std::nullopt;
    return t.left(eq).trimmed();
}

QString valueOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return line.mid(eq + 1).trimmed();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line break inside a name or value would split the entry over two lines
// and change the file's structure, so the writer turns it into a blank; the
// reader looks names up by the same rule, so a value written under such a
// name reads back with it.
QString oneLine(QString t) {
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

struct SectionSpan {
    qsizetype header = -1; // index of the header line
    qsizetype end = -1;    // one past the last line of the section
};

SectionSpan findSection(const QStringList& lines, const QString& section) {
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionOf(lines[i]);
        if (!name) continue;
        if (span.header >= 0) { span.end = i; return span; }
        if (sameName(*name, section.trimmed())) span.header = i;
    }
    if (span.header >= 0) span.end = lines.size();
    return span;
}

qsizetype findKey(const QStringList& lines, const SectionSpan& span, const QString& key) {
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const auto k = keyOf(lines[i]);
        if (k && sameName(*k, key.trimmed())) return i;
    }
    return -1;
}

// The lines without every section of that name (header and body).
QStringList withoutSections(const QStringList& lines, const QString& section) {
    const QString wanted = section.trimmed();
    QStringList kept;
    kept.reserve(lines.size());
    bool dropping = false;
    for (const QString& line : lines) {
        if (const auto name = sectionOf(line)) dropping = sameName(*name, wanted);
        if (!dropping) kept.append(line);
    }
    return kept;
}

// The lines without every line of the section's span that holds the key.
QStringList withoutKeys(const QStringList& lines, const SectionSpan& span, const QString& key) {
    const QString wanted = key.trimmed();
    QStringList kept;
    kept.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > span.header && i < span.end) {
            const auto k = keyOf(lines[i]);
            if (k && sameName(*k, wanted)) continue;
        }
        kept.append(lines[i]);
    }
    return kept;
}

} // namespace

namespace privateProfile {

QString getString(const QString& file, const QString& section, const QString& key,
                  const QString& defaultValue, int maxChars) {
    const QStringList lines = readLines(file);
    const SectionSpan span = findSection(lines, oneLine(section));
    QString result = defaultValue;
    if (span.header >= 0) {
        const qsizetype at = findKey(lines, span, oneLine(key));
        if (at >= 0) result = valueOf(lines[at]);
    }
    return result.left(maxChars);
}

bool writeString(const QString& file, const QString& sectionName,
                 const std::optional<QString>& keyName, const std::optional<QString>& valueText) {
    const QString section = oneLine(sectionName);
    const std::optional<QString> key = keyName ? std::optional<QString>(oneLine(*keyName)) : std::nullopt;
    const std::optional<QString> value = valueText ? std::optional<QString>(oneLine(*valueText)) : std::nullopt;
    // Names that could not be read back as written are refused.
    if (section.contains(QLatin1Char(']'))) return false;
    if (key) {
        const QString k = key->trimmed();
        if (k.isEmpty() || k.contains(QLatin1Char('=')) || k.startsWith(QLatin1Char(';')) || k.startsWith(QLatin1Char('[')))
            return false;
    }

    bool readable = true;
    QStringList lines = readLines(file, &readable);
    if (!readable) return false;
    const SectionSpan span = findSection(lines, section);

    // A removal takes every copy of the section or key that a reader could
    // find: with only the first gone, a hand-edited duplicate would surface
    // in its place and the removed value would read back.
    // Both are done in one pass over the file: a file holding thousands of
    // copies is still cleaned at once.
    if (!key) {
        if (span.header < 0) return true;
        lines = withoutSections(lines, section);
    } else if (!value) {
        if (span.header < 0) return true;
        if (findKey(lines, span, *key) < 0) return true;
        lines = withoutKeys(lines, span, *key);
    } else {
        const QString entry = key->trimmed() + QLatin1Char('=') + value->trimmed();
        if (span.header < 0) {
            lines.append(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
            lines.append(entry);
        } else {
            const qsizetype at = findKey(lines, span, *key);
            if (at >= 0) {
                // The value is replaced in place; the key keeps its spelling.
                lines[at] = keyOf(lines[at]).value_or(key->trimmed()) + QLatin1Char('=') + value->trimmed();
            } else {
                // After the section's last non-blank line, so blank separators stay last.
                qsizetype insertAt = span.end;
                while (insertAt - 1 > span.header && lines[insertAt - 1].trimmed().isEmpty()) --insertAt;
                lines.insert(insertAt, entry);
            }
        }
    }

    QByteArray out;
    for (const QString& line : lines) {
        out.append(text1252::encode(line));
        out.append("\r\n");
    }
    return safeFile::writeWhole(file, out);
}

QStringList sectionNames(const QString& file) {
    QStringList names;
    for (const QString& line : readLines(file)) {
        if (const auto name = sectionOf(line)) names.append(*name);
    }
    return names;
}

} // namespace privateProfile
