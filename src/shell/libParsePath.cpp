#include "shell/libParsePath.h"

namespace {

bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

} // namespace

namespace libParsePath {

QString ParsePath(const QString& path, int part) {
    const bool withoutMark = part < 0; // -2, -3, -5: drop the final separator / the dot
    const qsizetype length = path.size();

    // Indexes below are 0-based.
    qsizetype firstSep = -1, lastSep = -1;
    for (qsizetype i = 0; i < length; ++i) {
        if (!isSeparator(path[i])) continue;
        if (firstSep < 0) firstSep = i;
        lastSep = i;
    }

    // A drive is the text up to the first colon, but only when that colon
    // comes before the first folder separator: names on this machine may
    // carry colons, and a colon inside a folder or file name is no drive.
    QString drive;
    const qsizetype colon = path.indexOf(QLatin1Char(':'));
    if (colon >= 0 && (firstSep < 0 || colon < firstSep)) drive = path.left(colon + 1);

    QString folder, baseName, extension, extensionWithDot;
    if (length > 0 && isSeparator(path[length - 1])) {
        if (firstSep < length - 1)
            folder = withoutMark ? path.mid(firstSep, length - 1 - firstSep) : path.mid(firstSep);
        else
            folder = path.mid(firstSep, 1); // the only separator is the last character
    } else {
        qsizetype nameStart = 0;
        if (firstSep < 0) {
            nameStart = drive.size();
        } else {
            // The folder runs from the first separator to the last; any text
            // before the first separator (other than the drive) is in no part.
            folder = withoutMark ? path.mid(firstSep, lastSep - firstSep) : path.mid(firstSep, lastSep - firstSep + 1);
            nameStart = lastSep + 1;
        }
        const QString name = path.mid(nameStart);
        // A dot in first place (".cfg") does not start an extension.
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 1) {
            baseName = name.left(dot);
            extensionWithDot = name.mid(dot);
            extension = withoutMark ? name.mid(dot + 1) : extensionWithDot;
        } else {
            baseName = name;
        }
    }

    switch (part) {
    case 1: return drive;
    case 2:
    case -2: return folder;
    case 3:
    case -3: return drive + folder;
    case 4: return baseName;
    case 5:
    case -5: return extension;
    case 6: return baseName + extensionWithDot;
    case 7: return drive + folder + baseName;
    default: return QString();
    }
}

} // namespace libParsePath
