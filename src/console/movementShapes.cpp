#include "console/movementShapes.h"

#include "console/fixtureClipboard.h"
#include "shell/shapeFile.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/services/effectsService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int32_t clampLevel(int32_t v) { return std::clamp(v, 0, 255); }

// size / 255 * d + centre, halves to even.
int32_t scaled(int32_t size, int32_t d, int32_t centre) {
    return int32_t(std::nearbyint(double(size) / 255.0 * double(d) + double(centre)));
}

std::vector<int32_t> selectedFixtures() {
    ChannelModel& m = shell().state;
    PatchService& patch = shell().patch();
    std::vector<int32_t> out;
    for (int32_t f = 1; f <= m.fixtureCount; ++f)
        if (patch.isSelected(f)) out.push_back(f);
    return out;
}

bool channelIn(int32_t ch) { return ch >= 1 && ch <= shell().state.totalChannels; }

int32_t panChannel(int32_t f) {
    const auto& v = shell().state.fixturePanChannel;
    return size_t(f) < v.size() && channelIn(v[size_t(f)]) ? v[size_t(f)] : 0;
}
int32_t tiltChannel(int32_t f) {
    const auto& v = shell().state.fixtureTiltChannel;
    return size_t(f) < v.size() && channelIn(v[size_t(f)]) ? v[size_t(f)] : 0;
}

// Channels start .. start + ChannelsUsed - 1 of fixture f, within the channel range.
std::pair<int32_t, int32_t> fixtureSpan(int32_t f) {
    ChannelModel& m = shell().state;
    if (size_t(f) >= m.fixtureStartChannel.size() || size_t(f) >= m.fixtureLightClass.size()) return {1, 0};
    const int32_t start = m.fixtureStartChannel[size_t(f)];
    const int32_t cls = m.fixtureLightClass[size_t(f)];
    if (cls < 1 || !channelIn(start)) return {1, 0};
    const int32_t used = m.lightClass(cls).ChannelsUsed;
    return {start, std::min(start + used - 1, m.totalChannels)};
}

QString typeOf(int32_t ch) {
    const QStringList& t = shell().state.channelType;
    return ch < t.size() ? t[ch] : QString();
}

} // namespace

bool MovementShapes::saveCurrentShapeFunction(const QString& filenameToSave) {
    ChannelModel& m = shell().state;
    QString path;
    if (filenameToSave.trimmed().isEmpty()) {
        FileDialogRequest req;
        req.title = QStringLiteral("Save Sequence File");
        req.folder = shell().programPath(QStringLiteral("Shapes"));
        req.fileName = QStringLiteral("*.YSH");
        req.filter = QStringLiteral("(*.YSH) (*.YSH)");
        path = shell().prompts().saveFileName(req);
        // A cancelled dialog writes nothing.
        if (path.isEmpty()) return false;
        if (!path.endsWith(QLatin1String(".YSH"), Qt::CaseInsensitive)) path += QStringLiteral(".YSH");
        m.currentFileName = path;
        m.sequenceChanged = false;
    } else {
        if (filenameToSave.contains(QLatin1Char('/')) || filenameToSave.contains(QLatin1Char('\\')) ||
            filenameToSave.contains(QLatin1Char(':')) || filenameToSave.contains(QLatin1String(".."))) {
            shell().prompts().messageBox(QStringLiteral("Error saving shape: ") +
                                         QStringLiteral("a shape name holds no folder: ") + filenameToSave);
            return false;
        }
        path = shell().programPath(QStringLiteral("Shapes\\") + filenameToSave + QStringLiteral(".YSH"));
        m.currentFileName = path;
    }
    PlaybackService& playback = shell().playback();
    const int32_t current = m.currentPlayback;
    const int32_t n = std::max(0, playback.getMaxSteps(current));
    shapeFile::Shape shape;
    shape.shiftSteps = dmxPilotShiftSteps;
    shape.groupSize = dmxPilotGroupSize;
    const std::vector<int32_t> chosen = selectedFixtures();
    if (!chosen.empty()) {
        const auto [first, last] = fixtureSpan(chosen.front());
        int32_t pan = 0, tilt = 0;
        for (int32_t ch = first; ch <= last; ++ch) {
            if (!pan && typeOf(ch) == QLatin1String("pan")) pan = ch;
            if (!tilt && typeOf(ch) == QLatin1String("tilt")) tilt = ch;
        }
        for (int32_t s = 1; s <= n; ++s) {
            shapeFile::Step step;
            step.pan = int16_t(pan ? playback.sendChaserValueFromPlayback(pan, s, current) : 0);
            step.tilt = int16_t(tilt ? playback.sendChaserValueFromPlayback(tilt, s, current) : 0);
            shape.steps.push_back(step);
        }
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!safeFile::writeWhole(path, shapeFile::encode(shape), &error)) {
        shell().prompts().messageBox(QStringLiteral("Error saving shape: ") + error);
        return false;
    }
    m.sequenceChanged = false;
    // The browser's preview pictures show the new shape too.
    shell().effects().updateShapePictures();
    return true;
}

bool MovementShapes::ShapeGenerator(bool append, const QString& fileNameToOpen, int32_t theXSize, int32_t theYSize,
                                    int32_t theCenterX, int32_t theCenterY) {
    ChannelModel& m = shell().state;
    const std::vector<int32_t> chosen = selectedFixtures();
    if (chosen.empty()) {
        shell().prompts().messageBox(
            QStringLiteral(" No fixtures are Selected,Please select Fixtures Using the Fixture List"));
        return false;
    }
    m.currentFileName = fileNameToOpen;
    m.sequenceChanged = false;
    // The whole file is read and checked before the playback is touched.
    QByteArray bytes;
    QString error;
    shapeFile::Shape shape;
    if (fileNameToOpen.trimmed().isEmpty() || !safeFile::readWhole(fileNameToOpen, bytes, &error) ||
        !shapeFile::decode(bytes, shape, &error)) {
        if (error.isEmpty()) error = QStringLiteral("no shape file was named.");
        shell().prompts().messageBox(QStringLiteral("Shape Generator:") + error);
        return false;
    }

    PlaybackService& playback = shell().playback();
    EffectsService& effects = shell().effects();
    const int32_t current = m.currentPlayback;
    const int32_t oldSteps = std::max(0, playback.getMaxSteps(current));
    std::vector<int32_t> first(size_t(m.totalChannels) + 1, 0);
    for (int32_t ch = 1; ch <= m.totalChannels; ++ch)
        first[size_t(ch)] = playback.sendChaserValueFromPlayback(ch, 1, current);
    const int32_t base = append ? oldSteps : 0;
    const int32_t n = int32_t(shape.steps.size());
    const bool running = playback.getChaserFlag(current);
    auto owned = [&](int32_t ch) { return size_t(ch) < m.channelOwner.size() && m.channelOwner[size_t(ch)] == current; };

    for (int32_t i = base + 1; i <= base + n; ++i) {
        const shapeFile::Step& st = shape.steps[size_t(i - base - 1)];
        const int32_t dp = st.pan - 127, dt = st.tilt - 127;
        for (int32_t f : chosen) {
            const int32_t panCh = panChannel(f), tiltCh = tiltChannel(f);
            int32_t P = 0, T = 0;
            if (theXSize < 1 && theYSize < 1) {
                if (running) {
                    P = st.pan;
                    T = st.tilt;
                } else {
                    if (panCh) P = m.channelOutput[size_t(panCh)] + dp;
                    if (tiltCh) T = m.channelOutput[size_t(tiltCh)] + dt;
                }
            } else if (theCenterX != 0 || theCenterY != 0) {
                P = scaled(theXSize, dp, theCenterX);
                T = scaled(theYSize, dt, theCenterY);
            } else {
                P = scaled(theXSize, dp, effects.getLocalX(f));
                T = scaled(theYSize, dt, effects.getLocalY(f));
            }
            P = clampLevel(P);
            T = clampLevel(T);
            if (panCh) {
                channelModel::checkPriorities(panCh);
                playback.recieveChaserValueData(panCh, i, P, current);
            }
            if (tiltCh) {
                channelModel::checkPriorities(tiltCh);
                playback.recieveChaserValueData(tiltCh, i, T, current);
            }
            const auto [lo, hi] = fixtureSpan(f);
            for (int32_t ch = lo; ch <= hi; ++ch) {
                if (fixtureClipboard::isPanOrTilt(ch)) continue;
                if (owned(ch) && playback.sendChaserValueFromPlayback(ch, i, current) == 0) {
                    if (channelModel::checkPriorities(ch)) {
                        m.channelOwner[size_t(ch)] = int16_t(current);
                        playback.recieveChaserValueData(ch, i, m.channelOutput[size_t(ch)], current);
                    }
                }
                if (base < oldSteps && owned(ch) && playback.sendChaserValueFromPlayback(ch, i, current) == 0)
                    playback.recieveChaserValueData(ch, i, first[size_t(ch)], current);
            }
        }
    }
    for (int32_t f = 1; f <= m.fixtureCount; ++f) effects.fillInOtherActiveFixturesOnCurrentPlayback(f);
    dmxPilotShiftSteps = shape.shiftSteps;
    dmxPilotGroupSize = shape.groupSize;
    channelModel::reDimMyVariables(channelModel::checkForLargestChaser());
    playback.setMaxStepsValue(current, base + n);
    playback.SendMefadeTimeFromMain(current, true);
    return true;
}
