#include "playback/sequenceFileIo.h"

#include "playback/channelClaim.h"
#include "playback/playbackEngine.h"
#include "playback/sequenceFile.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/channelModel.h"
#include "shell/libParsePath.h"
#include "shell/numberText.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace sequenceFileIo {

using sequenceFile::SequenceFileData;


namespace {

const QString notRecognized = QStringLiteral("Sequence Not Recognized ");

int32_t showUniverses() { return shell().state.totalChannels / sequenceFile::channelsPerUniverse; }

QString showBaseName() { return libParsePath::ParsePath(shell().state.showFileName, 4); }

// A time as the settings record keeps it: shortest decimal text, no blank.
QString singleText(float v) {
    QString t = QString::number(double(v), 'g', 7);
    t.replace(QLatin1String("e"), QLatin1String("E"));
    return t;
}

bool fileExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

// Reads and checks a file; reports to the operator and returns false when
// it cannot be used.
bool readChecked(const QString& path, SequenceFileData& data, bool reportMissing) {
    if (!fileExists(path)) {
        if (reportMissing)
            shell().prompts().messageBox(QStringLiteral(" The sequence button file named ") + path +
                                         QStringLiteral(" has been renamed, deleted, or moved. Please redo Multi Button to fix this issue."));
        return false;
    }
    QByteArray bytes;
    QString reason;
    if (!sequenceFile::readFile(path, bytes, showUniverses(), &reason) || !sequenceFile::decode(bytes, data, &reason)) {
        shell().prompts().messageBox(notRecognized + reason);
        return false;
    }
    const int32_t lacking = data.universes - showUniverses();
    if (lacking > 0) {
        shell().prompts().messageBox(QStringLiteral("This Sequence cannot be played back. Please add ") +
                                     QString::number(lacking) + QStringLiteral(" Universes"));
        return false;
    }
    return true;
}

bool ownedBy(int32_t channel, int32_t playback) {
    const auto& owner = shell().state.channelOwner;
    return channel >= 1 && size_t(channel) < owner.size() && owner[size_t(channel)] == playback;
}

// The factor the fade engine scales intensity channels by, so that a level
// re-claimed here is the one the engine's next pass writes again (a product
// taken in single precision lands on the other side of a half, e.g. 255 at
// 30 % would show 76 and then 77).
double grandMasterScale(const PlaybackEngine& w) { return double(w.computeIntensityFactor()); }

void followGrandBlackout(PlaybackEngine& w) {
    w.blackOutMyControlledShutters(true, shell().masters().returnGrandBlackoutState(), false, false);
}

// Grows a per-step table entry access safely.
template <typename T> T valueAt(const std::vector<T>& v, int32_t i) { return i >= 0 && size_t(i) < v.size() ? v[size_t(i)] : T{}; }
QString textAt(const QStringList& v, int32_t i) { return i >= 0 && i < v.size() ? v[i] : QString(); }

void mirrorToDesk(int32_t row, int32_t step, const PlaybackState& s, bool fullTimes) {
    DeskStepTables& t = shell().state.deskStepTables;
    auto put = [&](auto& table, auto value) {
        if (row >= 0 && size_t(row) < table.size() && step >= 0 && size_t(step) < table[size_t(row)].size())
            table[size_t(row)][size_t(step)] = value;
    };
    if (fullTimes) {
        put(t.fadeUp, valueAt(s.fadeUpTimes, step));
        put(t.fadeDown, valueAt(s.fadeDownTimes, step));
        put(t.delayUp, valueAt(s.delayUpTimes, step));
        put(t.delayDown, valueAt(s.delayDownTimes, step));
        put(t.nextScene, valueAt(s.nextScenes, step));
        put(t.follow, valueAt(s.followTimes, step));
    }
    if (valueAt(s.fadeUpTimes, step) == 0.0f) put(t.fadeUp, 0.0f);
    if (valueAt(s.fadeDownTimes, step) == 0.0f) put(t.fadeDown, 0.0f);
}

// Builds the file image of the playback's sequence; saveMode filters
// channels as the save asks and lists in `toFree` the owned channels it
// leaves out, which the caller frees once the file is written (a failed
// save leaves the playback's channels as they were). The trigger is applied
// to the playback before the timing records are taken, as the save has
// always done.
SequenceFileData buildFileData(PlaybackEngine& w, int32_t saveMode, const QString& playbackText,
                               const QString& triggerText, bool applyTrigger, std::vector<int32_t>* toFree = nullptr) {
    ChannelModel& m = shell().state;
    PlaybackState& s = w.state;
    const int32_t U = showUniverses();
    const int32_t N = std::max<int32_t>(s.stepCount, 0);
    const int32_t P = s.myPlaybackNumber;
    SequenceFileData d = SequenceFileData::sized(U, N);
    d.useSequenceFadeTime = s.useSequenceFadeTime;
    d.useMotionfade = s.useMotionfade;
    d.playbackText = playbackText;

    constexpr int32_t width = sequenceFile::channelsPerUniverse;
    for (int32_t u = 0; u < U; ++u) {
        // The owned channels of this universe that the file keeps, decided
        // once per channel. An owned channel the save mode leaves out is
        // neither in the mask nor in the steps, and the caller frees it
        // (a sequence without steps leaves nothing out).
        sequenceFile::MaskRecord& mask = d.masks[size_t(u)];
        std::vector<uint8_t> kept(size_t(width) + 1, 0);
        for (int32_t k = 1; k <= width; ++k) {
            const int32_t c = width * u + k;
            if (!ownedBy(c, P)) continue;
            const QString type = c < m.channelType.size() ? m.channelType[c] : QString();
            const bool panTilt = type.startsWith(QLatin1String("pan")) || type.startsWith(QLatin1String("tilt"));
            const bool keep = saveMode == 1 ? panTilt : saveMode == 2 ? !panTilt : true;
            if (keep) kept[size_t(k)] = 1;
            if (keep || N == 0) {
                mask.bytes[k - 1] = char(255);
            } else if (toFree) {
                toFree->push_back(c);
            }
        }
        for (int32_t j = 1; j <= N; ++j) {
            char* levels = d.levels[size_t(j - 1)].data() + qsizetype(u) * width;
            for (int32_t k = 1; k <= width; ++k) {
                const int32_t c = width * u + k;
                if (!kept[size_t(k)]) continue;
                const int32_t level = s.stepValues.contains(c, j) ? s.stepValues(c, j) : 0;
                levels[k - 1] = char(uint8_t(clampLevel(level))); // one byte per level
            }
            d.steps[size_t(j - 1)].name = textAt(s.sceneNames, j);
            d.steps[size_t(j - 1)].spareTime = valueAt(s.sceneFadeTimes, j);
        }
        mask.kind = -1;
        mask.fadeFromCurrentScene = s.fadeFromCurrentScene;
        mask.fadeFromCurrentFadeUpTime = s.fadeFromCurrentFadeUpTime;
        mask.fadeFromCurrentFadeDownText = singleText(s.fadeFromCurrentFadeDownTime);
        mask.triggerText = triggerText;
        if (u == 0 && applyTrigger) w.setAutoTrigger(triggerText.toInt(), false);
    }
    for (int32_t j = 1; j <= N; ++j) {
        sequenceFile::StepRecord& r = d.steps[size_t(j - 1)];
        r.fadeUp = valueAt(s.fadeUpTimes, j);
        r.fadeDown = valueAt(s.fadeDownTimes, j);
        r.delayUp = valueAt(s.delayUpTimes, j);
        r.delayDown = valueAt(s.delayDownTimes, j);
        r.follow = valueAt(s.followTimes, j);
        r.nextScene = valueAt(s.nextScenes, j);
        r.waitForGo = valueAt(s.stepStops, j) != 0;
        r.command = textAt(s.stepCommands, j);
        r.hasMarker = true;
    }
    return d;
}

QString triggerTextOfOption(const PlaybackState& s) {
    switch (s.optMode) {
    case 0: return QStringLiteral("1");
    case 1: return QStringLiteral("0");
    default: return QStringLiteral("2");
    }
}

} // namespace

QString showFolder() {
    const QString stored = QStringLiteral("Sequences\\") + showBaseName();
    const QString path = shell().programPath(stored);
    QDir().mkpath(path);
    return path;
}

QString pageFolder() {
    const QString page = shell().shortcuts().currentPage();
    const QString stored = QStringLiteral("Sequences\\") + showBaseName() + QStringLiteral("\\") + page;
    const QString path = shell().programPath(stored);
    QDir().mkpath(path);
    return path;
}

bool loadSeqenceIntoMemory(PlaybackEngine& w, const QString& fileNameSeq, int16_t crossFade) {
    ChannelModel& m = shell().state;
    PlaybackState& s = w.state;
    const bool empty = fileExists(fileNameSeq) && QFileInfo(fileNameSeq).size() == 0;
    SequenceFileData d;
    if (!empty && !readChecked(fileNameSeq, d, true)) return false;

    const int32_t P = s.myPlaybackNumber;
    m.currentPlayback = P;
    s.iAmLivePlayback = false;
    s.alteredPlayback = false;
    s.livePlaybackName.clear();
    s.stopAndClearAfterFadeOut = false;
    s.theSequenceFilename = fileNameSeq;
    if (empty) {
        w.view().displaySequenceData();
        return true;
    }

    const int32_t N = d.stepCount;
    const int32_t U = d.universes;
    s.sequenceUniverses = U;
    s.stepCount = N;
    w.ensureChannelCapacity();
    if (N > 0) {
        int32_t stepSlots = N + 1;
        w.reDimForStepCount(N + 1, stepSlots);
    }
    if (P >= 1 && P <= 8) channelModel::reDimMyVariables(std::max(channelModel::checkForLargestChaser(), N + 1));

    w.setUseSequenceFadetime(d.useSequenceFadeTime);
    s.useMotionfade = d.useMotionfade;

    for (int32_t u = 0; u < U; ++u) {
        for (int32_t j = 1; j <= N; ++j) {
            const char* levels = d.levels[size_t(j - 1)].constData() + qsizetype(u) * sequenceFile::channelsPerUniverse;
            for (int32_t k = 1; k <= sequenceFile::channelsPerUniverse; ++k) {
                const int32_t c = sequenceFile::channelsPerUniverse * u + k;
                if (c > m.totalChannels) break;
                w.claimStepChannel(j, c, uint8_t(levels[k - 1]));
            }
            const sequenceFile::StepRecord& r = d.steps[size_t(j - 1)];
            if (j < s.sceneNames.size()) s.sceneNames[j] = r.name;
            if (size_t(j) < s.sceneFadeTimes.size()) s.sceneFadeTimes[size_t(j)] = r.spareTime > 0 ? r.spareTime : 0.5f;
        }
        const sequenceFile::MaskRecord& mask = d.masks[size_t(u)];
        if (mask.kind == -1) {
            for (int32_t k = 1; k <= sequenceFile::channelsPerUniverse; ++k) {
                const int32_t c = sequenceFile::channelsPerUniverse * u + k;
                if (c > m.totalChannels) break;
                if (uint8_t(mask.bytes[k - 1]) == 255) w.claimMaskChannel(c);
            }
        }
        if (crossFade == 0) {
            s.fadeFromCurrentScene = mask.fadeFromCurrentScene;
            if (mask.fadeFromCurrentScene) {
                s.fadeFromCurrentFadeUpTime = mask.fadeFromCurrentFadeUpTime;
                s.fadeFromCurrentFadeDownTime = float(numberText::leadingValue(mask.fadeFromCurrentFadeDownText.trimmed()));
                if (!s.fadeUpTimes.empty()) s.fadeUpTimes[0] = s.fadeFromCurrentFadeUpTime;
                if (!s.fadeDownTimes.empty()) s.fadeDownTimes[0] = s.fadeFromCurrentFadeDownTime;
                s.overRideCrossFadeTimes = false;
            }
        } else if (crossFade == 1) {
            s.fadeFromCurrentScene = true;
        }
    }

    const bool mirror = s.isDeskPlayback && P >= 1 && P <= 8;
    for (int32_t j = 1; j <= N; ++j) {
        if (j < s.stepCommands.size()) s.stepCommands[j].clear();
        const sequenceFile::StepRecord& r = d.steps[size_t(j - 1)];
        const bool take = r.hasMarker && s.useSequenceFadeTime && size_t(j) < s.fadeUpTimes.size();
        if (take) {
            s.fadeUpTimes[size_t(j)] = s.sequenceFadeUpTimes[size_t(j)] = r.fadeUp;
            s.fadeDownTimes[size_t(j)] = s.sequenceFadeDownTimes[size_t(j)] = r.fadeDown;
            s.delayUpTimes[size_t(j)] = r.delayUp;
            s.delayDownTimes[size_t(j)] = r.delayDown;
            s.followTimes[size_t(j)] = r.follow;
            s.nextScenes[size_t(j)] = r.nextScene;
            if (j < s.stepCommands.size()) s.stepCommands[j] = r.command.trimmed();
            s.stepStops[size_t(j)] = r.waitForGo ? 1 : 0;
        }
        if (mirror) mirrorToDesk(s.deskRow, j, s, take);
    }

    w.setTriggerType(sequenceFile::triggerFromText(d.triggerText()));
    s.currentStep = 0;
    w.takeOverHighPriorityChannels();

    shell().presets().loadPresetEvents(libParsePath::ParsePath(fileNameSeq, 7) + QStringLiteral(".UQF"), P);
    followGrandBlackout(w);
    w.view().displaySequenceData();
    return true;
}

bool loadSequenceFromDialog(PlaybackEngine& w) {
    w.state.isRunning = false;
    FileDialogRequest request;
    request.title = QStringLiteral("Load Sequence File");
    request.folder = showFolder();
    request.fileName = QStringLiteral("*.YSQ");
    request.filter = QStringLiteral("(*.YSQ) (*.YSQ)");
    const QString fileName = shell().prompts().openFileName(request);
    if (fileName.isEmpty()) return false;
    shell().state.currentFileName = fileName;
    if (!loadSeqenceIntoMemory(w, fileName, 0)) return false;
    const int answer = shell().prompts().messageBox(
        QStringLiteral("Would you like this Sequence Cuelist played back with Auto Trigger activated?"), msgBox::YesNo);
    w.state.isRunning = false;
    const bool autoTrigger = answer == msgBox::Yes;
    w.optMode_Click(autoTrigger ? 0 : 1);
    w.fadeFromCurrent(1, true, 0);
    w.state.continuousRun = autoTrigger;
    return true;
}

namespace {
bool saveSequenceAs(PlaybackEngine& w, bool doNotAskMe, int32_t playBackToSaveTo, const QString& autoPlay,
                    int32_t saveMode, const QString& fileNameOverride, bool askBeforeReplacing) {
    PlaybackState& s = w.state;
    const QString page = pageFolder();
    QString fileName;
    QString remembered;
    bool restoreName = false;
    if (fileNameOverride.isEmpty()) {
        fileName = s.theSequenceFilename;
    } else if (fileExists(fileNameOverride)) {
        fileName = fileNameOverride;
    } else if (saveMode == -1) {
        remembered = s.theSequenceFilename;
        restoreName = true;
        fileName = QDir(showFolder()).filePath(fileNameOverride + QStringLiteral(".YSQ"));
    } else {
        fileName = QDir(page).filePath(fileNameOverride + QStringLiteral(".YSQ"));
    }

    if (!doNotAskMe) {
        FileDialogRequest request;
        request.title = QStringLiteral("Save Sequence File");
        request.folder = page;
        request.fileName = fileName;
        request.filter = QStringLiteral("(*.YSQ) (*.YSQ)");
        fileName = shell().prompts().saveFileName(request);
        if (fileName.isEmpty()) return false; // cancelled: no error
        if (QFileInfo(fileName).suffix().isEmpty()) fileName += QStringLiteral(".YSQ");
    }
    if (fileName.isEmpty()) {
        shell().prompts().messageBox(notRecognized + QStringLiteral("no file name to save to"));
        return false;
    }

    // Writing over an existing file replaces a button that is already placed.
    const bool replacement = fileExists(fileName);
    if (replacement && askBeforeReplacing) {
        const int answer = shell().prompts().messageBox(
            QStringLiteral("Button Name Already Exists, would you like to replace the current Button Sequence"), msgBox::YesNo);
        if (answer != msgBox::Yes) return false;
    }

    // Every channel record keeps the step count in 16 bits; a longer
    // sequence would be written as a file no loader accepts.
    if (s.stepCount > sequenceFile::maxSteps) {
        shell().prompts().messageBox(notRecognized + QStringLiteral("a sequence file holds at most 32767 steps"));
        return false;
    }
    const QString trigger = autoPlay == QLatin1String("1") ? QStringLiteral("1")
                            : autoPlay == QLatin1String("0") ? QStringLiteral("0")
                                                             : QStringLiteral("2");
    std::vector<int32_t> toFree;
    const SequenceFileData d =
        buildFileData(w, saveMode, sequenceFile::playbackNumberText(playBackToSaveTo), trigger, true, &toFree);
    QString error;
    if (!safeFile::writeWhole(fileName, sequenceFile::encode(d), &error)) {
        shell().prompts().messageBox(notRecognized + error);
        return false;
    }
    for (const int32_t c : toFree) shell().state.channelOwner[size_t(c)] = 0;
    shell().state.sequenceChanged = false;
    shell().presets().savePresetEvents(libParsePath::ParsePath(fileName, 7) + QStringLiteral(".UQF"), s.myPlaybackNumber);

    s.theSequenceFilename = fileName;
    if (s.showPlaybackShortcuts) shell().playback().refreshShortcuts(s.myPlaybackNumber, false);
    if (!replacement) shell().shortcuts().saveNewButtonPosition(libParsePath::ParsePath(fileName, 4), false);
    if (restoreName) s.theSequenceFilename = remembered;
    return true;
}
} // namespace

bool saveSequence(PlaybackEngine& w, bool doNotAskMe, int32_t playBackToSaveTo, const QString& autoPlay,
                  int32_t saveMode, const QString& fileNameOverride) {
    return saveSequenceAs(w, doNotAskMe, playBackToSaveTo, autoPlay, saveMode, fileNameOverride, true);
}

bool getFadeStatus(PlaybackEngine& w, bool setStatus) {
    const QString path = w.state.theSequenceFilename.trimmed();
    if (!fileExists(path)) return false;
    QByteArray bytes;
    SequenceFileData data;
    if (!sequenceFile::readFile(path, bytes, showUniverses()) || !sequenceFile::decode(bytes, data) || data.masks.empty())
        return false;
    const bool status = data.masks.front().fadeFromCurrentScene;
    if (setStatus) w.state.fadeFromCurrentScene = status;
    return status;
}

bool SaveUseSequenceFadetimeShort(PlaybackEngine& w) {
    const QString& path = w.state.theSequenceFilename;
    bool ok = true;
    if (fileExists(path)) {
        QString reason;
        if (!sequenceFile::rewriteTriggerText(path, triggerTextOfOption(w.state), showUniverses(), &reason)) {
            shell().prompts().messageBox(QStringLiteral("ERROR IN SaveUseSequenceFadetimeShort ") + reason);
            ok = false;
        }
    }
    return ok;
}

bool saveUseSequenceFadetime(PlaybackEngine& w) {
    PlaybackState& s = w.state;
    const QString path = s.theSequenceFilename;
    if (!fileExists(path)) return true;
    QByteArray bytes;
    QString reason;
    SequenceFileData old;
    if (!sequenceFile::readFile(path, bytes, showUniverses(), &reason) || !sequenceFile::decode(bytes, old, &reason)) {
        shell().prompts().messageBox(notRecognized + reason);
        return false;
    }
    if (old.universes != showUniverses() || old.stepCount != s.stepCount)
        return saveSequenceAs(w, true, s.myPlaybackNumber, triggerTextOfOption(s), 0, QString(), false);

    // Same shape: the scene and mask records are replaced; the timing records
    // and the trailer stay as they are in the file.
    const SequenceFileData fresh = buildFileData(w, 0, sequenceFile::playbackNumberText(s.myPlaybackNumber),
                                                 triggerTextOfOption(s), false);
    const QByteArray image = sequenceFile::encode(fresh);
    const qsizetype channelPart = qsizetype(old.universes) * (old.stepCount + 1) * sequenceFile::recordSize;
    bytes.replace(0, channelPart, image.left(channelPart));
    if (!safeFile::writeWhole(path, bytes, &reason)) {
        shell().prompts().messageBox(notRecognized + reason);
        return false;
    }
    return true;
}

bool oldrefreshPlaybackChannels(PlaybackEngine& w) {
    PlaybackState& s = w.state;
    if (s.stopAndClearAfterFadeOut) return true;
    if (!fileExists(s.theSequenceFilename)) return false;
    SequenceFileData d;
    if (!readChecked(s.theSequenceFilename, d, false)) return true;

    ChannelModel& m = shell().state;
    const int32_t P = s.myPlaybackNumber;
    const int32_t N = d.stepCount;
    w.ensureChannelCapacity();
    if (N > 0 && N != s.stepCount) {
        s.stepCount = N;
        int32_t stepSlots = N + 1;
        w.reDimForStepCount(N + 1, stepSlots);
    }
    auto outputFor = [&](int32_t c, float level, double scale) {
        const double v = m.channelIsIntensity[size_t(c)] ? double(level) * scale : double(level);
        return clampLevel(roundHalfEven(v));
    };
    const double scale = grandMasterScale(w);
    for (int32_t u = 0; u < d.universes; ++u) {
        for (int32_t j = 1; j <= N; ++j) {
            const char* levels = d.levels[size_t(j - 1)].constData() + qsizetype(u) * sequenceFile::channelsPerUniverse;
            for (int32_t k = 1; k <= sequenceFile::channelsPerUniverse; ++k) {
                const int32_t c = sequenceFile::channelsPerUniverse * u + k;
                if (c > m.totalChannels) break;
                if (m.channelType[c] == QLatin1String("none") || !s.stepValues.contains(c, j)) continue;
                const int32_t b = uint8_t(levels[k - 1]);
                if (b == s.stepValues(c, j) || (b == 0 && !ownedBy(c, P))) continue;
                if (!channelClaim::priorityAllows(s.myPriority, c) || !channelClaim::holdAllows(c)) continue;
                if (m.channelTouched[size_t(c)] && !s.alteredPlayback) continue;
                m.channelTouched[size_t(c)] = 0;
                if (j == s.currentStep && !(s.isRunning && m.channelFades[size_t(c)])) {
                    s.currentLevels[size_t(c)] = float(b);
                    if (ownedBy(c, P) && !m.channelBlackoutHold[size_t(c)]) m.channelOutput[size_t(c)] = outputFor(c, float(b), scale);
                }
                s.stepValues(c, j) = b;
            }
        }
        const sequenceFile::MaskRecord& mask = d.masks[size_t(u)];
        if (mask.kind != -1) continue;
        for (int32_t k = 1; k <= sequenceFile::channelsPerUniverse; ++k) {
            const int32_t c = sequenceFile::channelsPerUniverse * u + k;
            if (c > m.totalChannels) break;
            if (uint8_t(mask.bytes[k - 1]) != 255 || !channelClaim::priorityAllows(s.myPriority, c)) continue;
            m.channelOwner[size_t(c)] = int16_t(P);
            m.channelOutput[size_t(c)] = outputFor(c, s.currentLevels[size_t(c)], scale);
        }
    }
    shell().presets().loadPresetEvents(libParsePath::ParsePath(s.theSequenceFilename, 7) + QStringLiteral(".UQF"), P);
    followGrandBlackout(w);
    return true;
}

} // namespace sequenceFileIo
