#pragma once
// Private-profile settings files (ylc.ini and the per-show files): our own
// reader and writer. Section and key names match without regard to case, the
// first match wins, blanks around names and values are ignored, a line break
// in a name counts as a blank (the writer stores it so), lines end in CR LF
// and the text is Windows-1252. A write keeps every other line, comment
// and the order of the file.

#include <QString>
#include <optional>

namespace privateProfile {

// The value of key in section, or `defaultValue` when either is missing.
// The result is cut to `maxChars` characters, as the console's readers expect.
QString getString(const QString& file, const QString& section, const QString& key,
                  const QString& defaultValue, int maxChars = 254);

// Writes key = value in section, creating the file, the section or the key as
// needed (a new key goes at the end of its section, a new section at the end
// of the file). With no value the key is removed; with no key the whole
// section is removed (every copy of it that a reader could find, in one pass
// over the file). Line breaks in a name or value become blanks. Returns
// false, changing nothing, when the file exists but cannot be read, when a
// name could not be read back as written (a section name holding "]", a key
// that is empty, holds "=" or starts with ";" or "["), or when the file could
// not be written.
bool writeString(const QString& file, const QString& section,
                 const std::optional<QString>& key, const std::optional<QString>& value);

// Every section name of the file, in file order.
QStringList sectionNames(const QString& file);

} // namespace privateProfile
