// Settings files: any file content, then a write or removal under names and
// a value taken from the input; what was written must read back.
#include "fuzzSupport.h"

#include "platform/privateProfile.h"
#include "platform/text1252.h"

#include <QStringList>

namespace {
QString oneLineTrimmed(QString t) {
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t.trimmed();
}
} // namespace

// Input: an operation byte, then section NUL key NUL value NUL, then the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int operation = data[0] % 3;
    QByteArray rest = fuzz::bytes(data + 1, size - 1);
    QString parts[3];
    for (QString& part : parts) {
        const qsizetype end = rest.indexOf('\0');
        if (end < 0) break;
        part = text1252::decode(rest.left(end));
        rest.remove(0, end + 1);
    }
    const QString& section = parts[0];
    const QString& key = parts[1];
    const QString& value = parts[2];
    const QString path = fuzz::file(QStringLiteral("fuzz.ini"), rest);

    privateProfile::getString(path, section, key, QStringLiteral("d"));
    privateProfile::sectionNames(path);

    const QString unset = QStringLiteral("\x01unset");
    const int whole = 1 << 20;
    switch (operation) {
    case 0:
        if (privateProfile::writeString(path, section, key, value))
            fuzz::check(privateProfile::getString(path, section, key, unset, whole) == oneLineTrimmed(value),
                        "a written value reads back under the same names");
        break;
    case 1:
        if (privateProfile::writeString(path, section, key, std::nullopt))
            fuzz::check(privateProfile::getString(path, section, key, unset, whole) == unset,
                        "a removed key is gone");
        break;
    default:
        if (privateProfile::writeString(path, section, std::nullopt, std::nullopt)) {
            for (const QString& name : privateProfile::sectionNames(path))
                fuzz::check(name.compare(oneLineTrimmed(section), Qt::CaseInsensitive) != 0,
                            "a removed section is gone");
        }
        break;
    }
    return 0;
}
