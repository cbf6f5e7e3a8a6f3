#pragma once
// The small routines every subsystem calls: settings files, the two
// tokenizers, text replacement, file-name escaping, folder copy and trash
// delete, geometry and text helpers, and the status caption. The routines on
// windows are in shell/ui/windowFunctions.h.

#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

namespace miscGlobalFunctions {

// The value of key in section of the settings file, cut to 254 characters;
// `defaultValue` (also cut) when the file, section or key is missing. Never
// reports a failure.
QString readIniValue(const QString& iniFile, const QString& section, const QString& key,
                     const QString& defaultValue = QString());

// Writes key = value in section; every carriage return and line feed of the
// value becomes a space. With no value (std::nullopt) the key is removed,
// with no key the whole section. The file is created on the first write. A
// failed write is silent, as its callers expect.
void writeIniValue(const QString& iniFile, const QString& section, const std::optional<QString>& key,
                   const std::optional<QString>& value);

// Truth values in settings files: written "True" / "False", read back from
// "True", "False" (any case) or a number (0 false, anything else true).
QString truthText(bool value);
std::optional<bool> truthFromText(const QString& text);

// One field of a delimited text. index >= 1 returns field `index` counted
// from the start; index 0 returns the next field of the running scan and,
// after the last one, the empty text (the scan then starts again). A
// delimiter inside the first quoted part of a field does not split it, and
// the quote characters are removed from the result. nextTokenAlt is the same
// with its own cursor, for a scan nested inside another.
QString nextToken(const QString& text, int index, const QString& delimiter, const QString& quote = QString());
QString nextTokenAlt(const QString& text, int index, const QString& delimiter, const QString& quote = QString());

// Replaces `find` in text. mode 1 (or 0): exact; 2: without regard to case;
// negative modes replace each single character of `find` instead (-1 exact,
// -2 without regard to case). The search continues after each inserted
// replacement. *replaced is set when something was replaced.
QString replaceText(QString text, const QString& find, const QString& replacement, int mode = 1,
                    bool* replaced = nullptr);

// Replaces the characters that file names cannot hold (<>:/\|?*) in `name`
// itself, and returns it without leading and trailing blanks.
QString escapeFileName(QString& name);

// Copies every plain file (no folders, no hidden files) of sourceFolder into
// targetFolder, overwriting; a failed copy beeps, shows "Error copying file
// <name>" and the copy goes on. `copied` counts the files copied. Folders are
// given in stored or real form.
void copyFolderFiles(const QString& sourceFolder, const QString& targetFolder, int& copied);

// Moves path to the desktop's trash; when there is no trash nothing is
// deleted. Returns whether the file went to the trash (callers may ignore it).
bool shellFileOperation(const QString& path, QWidget* ownerWindow = nullptr, bool silent = false);

// True when path (stored or real form) is a folder.
bool isDirectory(const QString& path);

// True when fileName (stored or real form) names an existing file, empty or
// not; false for a folder, a missing file or a bad path. Never shows anything.
bool FileExists(const QString& fileName);

// "U:<universe> CH:<channel within the universe>".
QString universeChannelText(int32_t channel);

// Rotation of (x, y) about (centre, centre) by angle radians, rounded to the
// nearest integer (halves to even). Throws std::overflow_error when x -
// centre, y - centre or the result leaves the 16-bit range.
int16_t rotatePointX(int16_t x, int16_t y, int16_t centre, float angle);
int16_t rotatePointY(int16_t x, int16_t y, int16_t centre, float angle);

// text without its leading and trailing characters of code 32 or less.
QString trimControlChars(const QString& text);

// Shows text as the console's status line: the caption of the frame, or in
// one-console mode (MainWindowService::oneConsole) the top bar.
void showStatusText(const QString& text);

} // namespace miscGlobalFunctions
