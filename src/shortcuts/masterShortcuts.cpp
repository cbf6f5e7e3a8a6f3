#include "shortcuts/masterShortcuts.h"

#include "platform/paths.h"
#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "shell/shell.h"
#include "shortcuts/sequenceHeader.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {
constexpr int32_t lastEntry = MasterShortcuts::buttonCount + 1; // 512
}

MasterShortcuts::MasterShortcuts() {
    trash = [](const QString& path) { return miscGlobalFunctions::shellFileOperation(path); };
}

QStringList& MasterShortcuts::table() {
    QStringList& t = shell().state.masterShortcutFiles;
    // The table never holds fewer than 512 entries (1-based).
    while (t.size() <= lastEntry) t.append(QString());
    return t;
}

QString MasterShortcuts::entry(int32_t button) const {
    const QStringList& t = shell().state.masterShortcutFiles;
    if (button < 1 || button > buttonCount || button + 1 >= t.size()) return {};
    return t[button + 1].trimmed();
}

bool MasterShortcuts::showNumbers() const {
    return miscGlobalFunctions::readIniValue(shell().iniFile(), QStringLiteral("Shortcuts"), QStringLiteral("ShowNumbers"),
                                             QStringLiteral("0")).trimmed() == QLatin1String("1");
}

void MasterShortcuts::setShowNumbers(bool on) {
    miscGlobalFunctions::writeIniValue(shell().iniFile(), QStringLiteral("Shortcuts"), QStringLiteral("ShowNumbers"),
                                       on ? QStringLiteral("1") : QStringLiteral("0"));
    if (onChanged) onChanged();
}

QString MasterShortcuts::caption(int32_t button) const {
    const QString e = entry(button);
    if (e.isEmpty()) return QStringLiteral("Sequence ") + QString::number(button);
    const QString title = libParsePath::ParsePath(e, 4);
    return showNumbers() ? title + QLatin1Char('-') + QString::number(button) : title;
}

int32_t MasterShortcuts::colour(int32_t button) const {
    if (entry(button).isEmpty()) return cleared.count(button) ? clearedColour : designColour;
    return runningButtons.count(button) ? runningColour : assignedColour;
}

bool MasterShortcuts::entryPathOk(const QString& e) const {
    if (e.isEmpty() || e.startsWith(QLatin1Char('\\')) || e.startsWith(QLatin1Char('/')) || e.contains(QLatin1Char(':')))
        return false;
    for (const QString& part : QString(e).replace(QLatin1Char('/'), QLatin1Char('\\')).split(QLatin1Char('\\')))
        if (part == QLatin1String("..")) return false;
    return true;
}

QString MasterShortcuts::entryRealPath(const QString& e) const {
    return shell().programPath(QStringLiteral("Sequences\\") + e);
}

bool MasterShortcuts::running(const QString& e) const {
    int32_t n = 0;
    return shell().playback().returnIfFilenameIsRunning(e, n);
}

void MasterShortcuts::pressRight(int32_t button) {
    selectedMasterShortcut = button;
    shell().state.showChanged = true;
}

void MasterShortcuts::pressLeft(int32_t button, bool shiftAlone) {
    const QString e = entry(button);
    const QString path = entryPathOk(e) ? entryRealPath(e) : QString();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        shell().prompts().messageBox(QStringLiteral("Sequence File Does Not Exits, Removing Sequence Shortcut Assignment."));
        selectedMasterShortcut = button;
        removeEntry(button);
        return;
    }
    // One number, checked once, names the playback for every call below.
    const sequenceHeader::Header header = sequenceHeader::read(path);
    int32_t playbackNumber = header.playbackNumber;
    PlaybackService& playback = shell().playback();
    playback.setUseSequenceFadetime(playbackNumber, header.useSequenceFadeTime);
    playback.setUseMotionfade(playbackNumber, header.useMotionfade);
    playback.clkAddPlaybackControl(playbackNumber, false, false, false);
    playback.loadSequenceInDoc(playbackNumber, path, false, false, 0);
    shell().state.currentPlayback = playbackNumber;
    if (!shiftAlone) {
        for (int32_t b = 1; b <= buttonCount; ++b)
            if (!entry(b).isEmpty() && !running(entry(b))) runningButtons.erase(b);
    }
    checkActivePlaybacks(e);
    playback.checkForActivePlaybacks(playbackNumber, e);
}

void MasterShortcuts::checkActivePlaybacks(const QString& name) {
    if (!name.isEmpty() && running(name)) {
        for (int32_t b = 1; b <= buttonCount; ++b)
            if (entry(b) == name) runningButtons.insert(b);
    }
    for (int32_t b = 1; b <= buttonCount; ++b) {
        const QString e = entry(b);
        if (!e.isEmpty() && !cleared.count(b) && !running(e)) runningButtons.erase(b);
    }
    if (onChanged) onChanged();
}

void MasterShortcuts::removeEntry(int32_t button) {
    if (button < 1 || button > buttonCount) return;
    // Outside a playback window the first playback fader is applied to its dimmer first.
    if (!shell().playback().playbackWindowActive()) shell().masters().applyPlaybackFader(1);
    const QString e = entry(button);
    // Only a regular sequence file named by a non-empty, relative entry may go:
    // an empty entry must never name the Sequences folder itself.
    const bool isSequence = e.endsWith(QLatin1String(".YSQ"), Qt::CaseInsensitive);
    const QString path = isSequence && entryPathOk(e) ? entryRealPath(e) : QString();
    const bool present = !path.isEmpty() && QFileInfo(path).isFile();
    // The home playback is read from the file itself, whatever window is active.
    const int32_t home = present ? sequenceHeader::read(path).playbackNumber : 0;
    const int answer = shell().prompts().messageBox(QStringLiteral("Would you like to delete the Sequence file as well?"),
                                                    msgBox::OKCancel);
    if (answer == msgBox::OK && present && trash) trash(path);
    table()[button + 1] = QString();
    cleared.insert(button);
    runningButtons.erase(button);
    shell().playback().refreshShortcuts(home, false);
    shell().show().saveConfiguration(false, false, false);
    if (onChanged) onChanged();
}

QString MasterShortcuts::extractFolderAndSequence(const QString& fullPath) const {
    const QString root = QDir::cleanPath(shell().programPath(QStringLiteral("Sequences")));
    const QString path = QDir::cleanPath(QString(fullPath).replace(QLatin1Char('\\'), QLatin1Char('/')));
    // The folder is compared without regard to case; a path elsewhere has no table form.
    if (!path.startsWith(root + QLatin1Char('/'), Qt::CaseInsensitive)) return {};
    return path.mid(root.size() + 1).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

void MasterShortcuts::dropFiles(int32_t button, const QStringList& realPaths) {
    QStringList& t = table();
    for (int k = 0; k < realPaths.size(); ++k) {
        const int32_t index = button + 1 + k;
        if (index >= t.size()) {
            shell().prompts().messageBox(QStringLiteral("Error in dropping file ") +
                                         QStringLiteral("There is no table entry %1.").arg(index));
            break;
        }
        const QString& file = realPaths[k];
        if (libParsePath::ParsePath(file, 5).toUpper() != QLatin1String(".YSQ")) {
            shell().prompts().messageBox(
                QStringLiteral("File type cannot be assigned to a Sequence Shortcut, must have a 'YSQ' extension."));
            continue;
        }
        const QString relative = extractFolderAndSequence(file);
        if (relative.isEmpty() || !entryPathOk(relative)) {
            shell().prompts().messageBox(QStringLiteral("Only sequence files inside the Sequences folder can be assigned: ") + file);
            continue;
        }
        t[index] = relative;
        cleared.erase(index - 1);
    }
    shell().state.showChanged = true;
    if (onChanged) onChanged();
}

void MasterShortcuts::arrangeAlphabetically() {
    QStringList& t = table();
    // Only the entries of the buttons (2..512) take part; the rest stay.
    QStringList names;
    for (int32_t i = 2; i <= lastEntry; ++i)
        if (!t[i].trimmed().isEmpty()) names << t[i];
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (int32_t i = 2; i <= lastEntry; ++i) t[i] = i - 2 < names.size() ? names[i - 2] : QString();
    if (onChanged) onChanged();
}

void MasterShortcuts::arrangeByChaser() {
    QStringList& t = table();
    std::vector<QStringList> byGroup(9);
    for (int32_t b = 1; b <= buttonCount; ++b) {
        const QString e = t[b + 1];
        if (e.trimmed().isEmpty()) continue;
        int group = 0;
        const QString path = entryPathOk(e.trimmed()) ? entryRealPath(e.trimmed()) : QString();
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            const sequenceHeader::Header h = sequenceHeader::read(path);
            const double v = std::nearbyint(h.storedPlayback);
            if (h.ok && v >= 0 && v <= 8) group = int(v);
        }
        byGroup[size_t(group)] << e;
    }
    int32_t k = 2;
    for (const QStringList& g : byGroup)
        for (const QString& e : g) t[k++] = e;
    for (; k <= lastEntry; ++k) t[k] = QString();
    if (onChanged) onChanged();
}

QStringList builtInShortcutRows() {
    QStringList rows = {
        QStringLiteral("A = Strobe All"), QStringLiteral("B = BPM Counter"), QStringLiteral("C = Chase Strobe"),
        QStringLiteral("D = Close All Shutters"), QStringLiteral("E = Strobe Chase Speed"), QStringLiteral("F = Foward Step"),
        QStringLiteral("G = Stop DMX Output"), QStringLiteral("I = Inverse"), QStringLiteral("M = Motionfade"),
        QStringLiteral("P = Play Sequence"), QStringLiteral("Q = Use Fadetime"), QStringLiteral("R = Record Scene"),
        QStringLiteral("S = Stop Sequence"), QStringLiteral("V = Previous Step"), QStringLiteral("X = DMX Pilot"),
        QStringLiteral("Y = Syncronize"), QStringLiteral("Pause = Pause Sequence or Schedule"),
        QStringLiteral("Shift + F = Fadetime"), QStringLiteral("Shift + I = Strobe Intensity"),
        QStringLiteral("Shift + R = Strobe Rate"), QString(18, QLatin1Char(' '))};
    for (int i = 1; i <= 10; ++i) rows << QStringLiteral("%1 = Sequence %2").arg(i % 10).arg(i);
    rows << QString(18, QLatin1Char(' '));
    for (int i = 1; i <= 10; ++i) rows << QStringLiteral("Shift + F%1 = Multi Sequence %1").arg(i);
    rows << QString(19, QLatin1Char(' '));
    for (int i = 1; i <= 10; ++i) rows << QStringLiteral("Shift + %1 = Multi-Chase Shortcut %2").arg(i % 10).arg(i);
    rows << QString(20, QLatin1Char(' '));
    for (int i = 1; i <= 10; ++i) rows << QStringLiteral("F%1 = DMX Pilot Config %1").arg(i);
    rows << QString(20, QLatin1Char(' ')) << QStringLiteral("F11 = Start Schedule") << QStringLiteral("F12 = Stop Schedule");
    return rows;
}
