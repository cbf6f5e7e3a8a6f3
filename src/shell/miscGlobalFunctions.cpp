#include "shell/miscGlobalFunctions.h"

#include "platform/paths.h"
#include "platform/placementStore.h"
#include "platform/privateProfile.h"
#include "platform/prompts.h"
#include "shell/newDoEvents.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace {


// VB-style InStr: 1-based start and result, 0 when not found.
int instr(int start, const QString& s, const QString& t) {
    if (start < 1) start = 1;
    if (start > s.size()) return 0;
    if (t.isEmpty()) return start;
    const qsizetype at = s.indexOf(t, start - 1);
    return at < 0 ? 0 : int(at) + 1;
}

constexpr int maxInt16 = std::numeric_limits<int16_t>::max();

QString scanToken(Shell::TokenCursor& cursor, const QString& text, int index, const QString& delimiter,
                  const QString& quote) {
    // Texts, positions and indexes are 16-bit; anything larger gives nothing.
    if (index < 0 || index > maxInt16 || text.size() > maxInt16 || delimiter.size() > maxInt16) return {};
    const int length = int(text.size());
    const int quoteLength = int(quote.size());

    if ((index == 0 && length < cursor.position) || length == 0) {
        cursor.position = 0;
        return {};
    }
    if (!(index == 0 && cursor.position != 0)) {
        // A new scan. The delimiter length is only taken here, so a running
        // scan keeps the length it started with.
        cursor.position = 1;
        cursor.delimiterLength = int32_t(delimiter.size());
    }

    const int delimiterLength = cursor.delimiterLength;
    int fieldCount = 0;
    QString field;
    for (;;) {
        const int position = cursor.position;
        int f = instr(position, text, delimiter);
        if (quoteLength > 0) {
            // Only the first quoted part after the field's start protects
            // the delimiters inside it.
            const int e = instr(position, text, quote);
            const int d = instr(e + 1, text, quote);
            if (e < f && f < d) f = instr(d, text, delimiter);
        }
        if (f < position) f = length + delimiterLength; // the field runs to the end

        bool taken = false;
        if (index == 0) {
            taken = true;
        } else {
            ++fieldCount;
            taken = fieldCount == index;
        }
        if (taken) {
            const int fieldLength = f - position;
            if (fieldLength < 0) return {}; // beyond the last field
            field = text.mid(position - 1, fieldLength);
        }
        cursor.position = f + delimiterLength;
        if (taken) break;
    }
    if (quoteLength > 0) field = miscGlobalFunctions::replaceText(field, quote, QString(), 1);
    return field;
}

// text without the leading and trailing characters for which trim(c) holds.
template <typename Trim> QString trimmedWhere(const QString& text, Trim trim) {
    qsizetype first = 0, last = text.size();
    while (first < last && trim(text[first])) ++first;
    while (last > first && trim(text[last - 1])) --last;
    return text.mid(first, last - first);
}

int16_t checkedInt16(double v) {
    if (!(v >= std::numeric_limits<int16_t>::min() - 0.5 && v <= maxInt16 + 0.5))
        throw std::overflow_error("Overflow");
    const double rounded = std::nearbyint(v); // the default mode rounds halves to even
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > maxInt16) throw std::overflow_error("Overflow");
    return int16_t(rounded);
}

} // namespace

namespace miscGlobalFunctions {

QString readIniValue(const QString& iniFile, const QString& section, const QString& key, const QString& defaultValue) {
    return privateProfile::getString(paths::realPath(iniFile), section, key, defaultValue, 254);
}

void writeIniValue(const QString& iniFile, const QString& section, const std::optional<QString>& key,
                   const std::optional<QString>& value) {
    // The writer itself turns line breaks into blanks.
    privateProfile::writeString(paths::realPath(iniFile), section, key, value);
}

QString truthText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> truthFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok) return std::nullopt;
    return number != 0.0;
}


QString nextToken(const QString& text, int index, const QString& delimiter, const QString& quote) {
    return scanToken(shell().tokenCursor, text, index, delimiter, quote);
}

QString nextTokenAlt(const QString& text, int index, const QString& delimiter, const QString& quote) {
    return scanToken(shell().tokenCursorAlt, text, index, delimiter, quote);
}

QString replaceText(QString text, const QString& find, const QString& replacement, int mode, bool* replaced) {
    if (replaced) *replaced = false;
    if (mode == 0) mode = 1;
    if (find.isEmpty()) return text;
    const Qt::CaseSensitivity cs = std::abs(mode) - 1 == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    auto replaceAll = [&](const QString& what) {
        qsizetype at = text.indexOf(what, 0, cs);
        while (at >= 0) {
            text.replace(at, what.size(), replacement);
            if (replaced) *replaced = true;
            // Go on after the inserted text, so it is never searched again.
            at = text.indexOf(what, at + replacement.size(), cs);
        }
    };
    if (mode > 0) {
        replaceAll(find);
    } else {
        for (QChar ch : find) replaceAll(QString(ch));
    }
    return text;
}

QString escapeFileName(QString& name) {
    static constexpr char16_t pairs[][2] = {{u'<', u'{'}, {u'>', u'}'}, {u':', u';'}, {u'/', u'+'},
                                            {u'\\', u']'}, {u'|', u'!'}, {u'?', u'&'}, {u'*', u'@'}};
    for (const auto& p : pairs) name.replace(QChar(p[0]), QChar(p[1]));
    // Only blanks are trimmed, as the names are shown and stored that way.
    return trimmedWhere(name, [](QChar c) { return c == QLatin1Char(' '); });
}

void copyFolderFiles(const QString& sourceFolder, const QString& targetFolder, int& copied) {
    copied = 0;
    const QDir source(paths::realPath(sourceFolder));
    const QDir target(paths::realPath(targetFolder));
    const QFileInfoList files = source.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    namespace fs = std::filesystem;
    for (const QFileInfo& file : files) {
        // The file is copied beside its target under a hidden name and then
        // renamed over it, so a copy that fails half-way (a full disk) never
        // leaves a damaged file in place of the good one. An existing target
        // named in another case is the one replaced: names are one name
        // whatever their case.
        const QString destination = paths::realPath(target.path() + QLatin1Char('/') + file.fileName());
        const QString temporary = target.filePath(QStringLiteral(".") + file.fileName() + QStringLiteral(".copying"));
        std::error_code ec;
        bool ok = fs::copy_file(file.absoluteFilePath().toStdString(), temporary.toStdString(),
                                fs::copy_options::overwrite_existing, ec) && !ec;
        if (ok) {
            fs::rename(temporary.toStdString(), destination.toStdString(), ec);
            ok = !ec;
        }
        if (!ok) fs::remove(temporary.toStdString(), ec);
        if (ok) {
            ++copied;
        } else {
            shell().prompts().beep();
            shell().prompts().messageBox(QStringLiteral("Error copying file ") + file.fileName(), msgBox::OKOnly);
        }
        newDoEvents::doEventsIfPending();
    }
}


bool shellFileOperation(const QString& path, QWidget* ownerWindow, bool silent) {
    Q_UNUSED(ownerWindow);
    Q_UNUSED(silent); // the trash never asks
    const QString real = paths::realPath(path);
    const QFileInfo info(real);
    if (real.isEmpty() || (!info.exists() && !info.isSymLink())) return false;
    return QFile::moveToTrash(real);
}

bool isDirectory(const QString& path) {
    if (path.isEmpty()) return false;
    return QFileInfo(paths::realPath(path)).isDir();
}

bool FileExists(const QString& fileName) {
    if (fileName.isEmpty()) return false;
    const QFileInfo info(paths::realPath(fileName));
    return info.exists() && !info.isDir() && (info.size() > 0 || info.lastModified().isValid());
}

QString universeChannelText(int32_t channel) {
    const int32_t universe = (channel - 1) / 512 + 1;
    const int32_t within = channel - 512 * (universe - 1);
    return QStringLiteral("U:") + QString::number(universe) + QStringLiteral(" CH:") + QString::number(within);
}

int16_t rotatePointX(int16_t x, int16_t y, int16_t centre, float angle) {
    const double dx = checkedInt16(double(x) - centre), dy = checkedInt16(double(y) - centre);
    const double a = angle;
    return checkedInt16(std::cos(a) * dx - std::sin(a) * dy + centre);
}

int16_t rotatePointY(int16_t x, int16_t y, int16_t centre, float angle) {
    const double dx = checkedInt16(double(x) - centre), dy = checkedInt16(double(y) - centre);
    const double a = angle;
    return checkedInt16(std::sin(a) * dx + std::cos(a) * dy + centre);
}

QString trimControlChars(const QString& text) {
    return trimmedWhere(text, [](QChar c) { return c.unicode() <= 32; });
}

void showStatusText(const QString& text) {
    Shell& s = shell();
    if (s.mainWindow().oneConsole()) {
        s.masters().showTopBarText(text);
        return;
    }
    s.playback().setFrameCaption(text);
}

} // namespace miscGlobalFunctions
