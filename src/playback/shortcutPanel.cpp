#include "playback/shortcutPanel.h"

#include "playback/sequenceFile.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace shortcutPanel {

namespace {

QString sequencesPath(const QString& relative) { return shell().programPath(QStringLiteral("Sequences\\") + relative); }

// The stored number text as a playback: 1..31999, else 1.
int32_t playbackFromText(const QString& text) {
    const double v = numberText::leadingValue(text);
    if (v > 0 && v < 32000) return std::max(1, int32_t(std::nearbyint(v)));
    return 1;
}

bool firstRecord(const QString& realPath, QByteArray& record) {
    QFile f(realPath);
    if (!f.open(QIODevice::ReadOnly)) return false;
    record = f.read(sequenceFile::recordSize);
    return record.size() == sequenceFile::recordSize;
}

} // namespace

int32_t checkPlaybackNumber(const QString& realPath) {
    if (realPath.isEmpty() || realPath == QLatin1String("*.YSQ") || !realPath.endsWith(QLatin1String(".YSQ")))
        return 0;
    if (!QFileInfo(realPath).isFile()) return 0;
    QByteArray record;
    if (!firstRecord(realPath, record)) return 1;
    return playbackFromText(QString::fromLatin1(record.mid(sequenceFile::at::numberText, sequenceFile::numberTextWidth)));
}

QStringList panelEntries(int32_t playbackNumber) {
    const QStringList& master = shell().state.masterShortcutFiles;
    QStringList entries;
    for (int32_t j = 2; j <= 512 && j < master.size(); ++j) {
        const QString& entry = master[j];
        if (!entry.isEmpty() && checkPlaybackNumber(sequencesPath(entry)) == playbackNumber) entries << entry;
    }
    const QString show = libParsePath::ParsePath(shell().state.showFileName, 4);
    if (show.isEmpty()) return entries;
    const QDir folder(sequencesPath(show));
    if (!folder.exists()) return entries;
    for (const QString& name : folder.entryList({QStringLiteral("*.ysq*")}, QDir::Files, QDir::Name)) {
        const QString relative = show + QLatin1Char('\\') + name;
        bool inMaster = false;
        for (int32_t j = 1; j <= 511 && j < master.size() && !inMaster; ++j) inMaster = master[j] == relative;
        if (!inMaster && checkPlaybackNumber(folder.filePath(name)) == playbackNumber) entries << relative;
    }
    return entries;
}

std::vector<Place> buttonPlaces(int32_t count, double panelWidth) {
    std::vector<Place> places;
    const int32_t perRow = std::max(1, int32_t(std::nearbyint(panelWidth / buttonWidth)));
    double rowTop = 60;
    for (int32_t k = 1; k <= count; ++k) {
        Place p;
        if (k == 1) {
            p = {75, 60};
        } else if ((k - 1) % perRow != 0) {
            p = {places.back().left + buttonWidth, rowTop};
        } else {
            // The first button of a new row: k / perRow heights down, as a fraction.
            rowTop = double(k) / double(perRow) * buttonHeight;
            p = {75, rowTop};
        }
        places.push_back(p);
    }
    return places;
}

bool loadShortcutSequence(const QString& relativePath) {
    const QString path = sequencesPath(relativePath);
    if (relativePath.isEmpty() || !QFileInfo(path).isFile()) return false;
    QByteArray bytes;
    QString reason;
    sequenceFile::SequenceFileData header;
    if (!safeFile::readWhole(path, bytes, &reason) || !sequenceFile::decode(bytes, header, &reason)) {
        shell().prompts().messageBox(QStringLiteral("Error loadind Sequence ") + reason);
        return false;
    }
    const int32_t target = playbackFromText(header.playbackText);
    shell().state.currentPlayback = target;
    PlaybackService& frame = shell().playback();
    // The playback is made first, so that a new one takes the file's flags too.
    frame.clkAddPlaybackControl(target, false, false, false);
    frame.setUseSequenceFadetime(target, header.useSequenceFadeTime);
    frame.setUseMotionfade(target, header.useMotionfade);
    int32_t doc = target;
    frame.loadSequenceInDoc(doc, path, false, false, 0);
    shell().state.currentPlayback = std::max(1, sequenceFile::readSequenceHeader(path));
    return true;
}

bool deleteSequenceFile(const QString& relativePath) {
    const int answer = shell().prompts().messageBox(QStringLiteral("Would you like to delete the Sequence file?"),
                                                    msgBox::OKCancel);
    const QString path = sequencesPath(relativePath);
    return answer == msgBox::OK && QFileInfo(path).isFile() && QFile::moveToTrash(path);
}

} // namespace shortcutPanel
