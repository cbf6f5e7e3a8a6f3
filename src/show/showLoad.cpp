// Show load and clear: the file is read whole into a fresh model and checked
// before anything loaded changes; only then is the old rig cleared and the
// new one swapped in and rebuilt.

#include "show/showEngine.h"
#include "show/showFile.h"
#include "show/showNames.h"

#include "profiles/ClsFixture.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/channelModel.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/patchModel.h"
#include "shell/roleResolution.h"
#include "shell/services/controlService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/supportService.h"
#include "shell/services/visualizerService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

const QString loadError = QStringLiteral("Error loading Configuration File ");

// Moves every array and table the show file holds from `from` into `into`;
// both are sized to the same channel count.
void takeShowArrays(ChannelModel& into, ChannelModel& from) {
    using std::swap;
    swap(into.channelFades, from.channelFades);
    swap(into.channelType, from.channelType);
    swap(into.channelInvert, from.channelInvert);
    swap(into.channelSyncFlags, from.channelSyncFlags);
    swap(into.channelSyncGroups, from.channelSyncGroups);
    swap(into.channelDmxPilotFlags, from.channelDmxPilotFlags);
    swap(into.channelStrobeHigh, from.channelStrobeHigh);
    swap(into.channelStrobeLow, from.channelStrobeLow);
    swap(into.channelStrobeIntensityFlags, from.channelStrobeIntensityFlags);
    swap(into.channelStrobeRateFlags, from.channelStrobeRateFlags);
    swap(into.channelFixtureLabel, from.channelFixtureLabel);
    swap(into.channelProfileName, from.channelProfileName);
    swap(into.channelLowLimits, from.channelLowLimits);
    swap(into.channelHighLimits, from.channelHighLimits);
    swap(into.fixtureIconTop, from.fixtureIconTop);
    swap(into.fixtureIconLeft, from.fixtureIconLeft);
    swap(into.dmxPilotShortcutFiles, from.dmxPilotShortcutFiles);
    swap(into.masterShortcutFiles, from.masterShortcutFiles);
    swap(into.fixtureName, from.fixtureName);
    swap(into.channelExtraText, from.channelExtraText);
    swap(into.channelDmxPilotSteps, from.channelDmxPilotSteps);
    swap(into.fixtureAreaMaxX, from.fixtureAreaMaxX);
    swap(into.fixtureAreaMaxY, from.fixtureAreaMaxY);
    swap(into.fixtureAreaMinX, from.fixtureAreaMinX);
    swap(into.fixtureAreaMinY, from.fixtureAreaMinY);
    swap(into.fixtureRotationX, from.fixtureRotationX);
    swap(into.fixtureRotationY, from.fixtureRotationY);
    swap(into.fixtureRotationZ, from.fixtureRotationZ);
    swap(into.fixtureElevation, from.fixtureElevation);
    swap(into.fixtureView, from.fixtureView);
    swap(into.viewNames, from.viewNames);
    swap(into.fixtureMatrixMarker, from.fixtureMatrixMarker);
    swap(into.fixtureMatrixColumn, from.fixtureMatrixColumn);
    swap(into.fixtureMatrixRow, from.fixtureMatrixRow);
    swap(into.fixtureMatrixName, from.fixtureMatrixName);
    swap(into.lightClasses, from.lightClasses);
    swap(into.tables, from.tables);
    into.fixtureCount = from.fixtureCount;
    into.lightClassCount = from.lightClassCount;
}

void zeroFixtureRoles(ChannelModel& m, size_t f) {
    m.fixtureGoboRotationChannel[f] = 0;
    m.fixtureShutterChannel[f] = 0;
    m.fixtureIsColourMixer[f] = 0;
    m.fixturePanChannel[f] = 0;
    m.fixtureTiltChannel[f] = 0;
    m.fixtureTiltFineChannel[f] = 0;
    m.fixturePanFineChannel[f] = 0;
    m.fixtureDimmerChannel[f] = 0;
    m.fixtureFogChannel[f] = 0;
    m.fixtureHazeFanChannel[f] = 0;
}

QString description(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

} // namespace

bool ShowEngine::loadConfiguration(const QString& file, bool ask) {
    Shell& s = shell();
    showLoadOk = false;
    QString chosen = file;
    if (ask) {
        FileDialogRequest request;
        request.title = QStringLiteral("Load Show / Configuration");
        request.folder = configurationsFolder();
        request.fileName = QStringLiteral("*.YCF");
        request.filter = QStringLiteral("Show / Configuration (*.YCF *.ycf)");
        chosen = s.prompts().openFileName(request);
        // A cancel is the operator's own choice, not a failure to report.
        if (chosen.isEmpty()) return false;
    }
    const QString path = paths::realPath(chosen);

    s.playback().setRefreshTickEnabled(false);
    s.patch().setSimulationEnabled(false);
    auto restart = [&s] {
        s.playback().setRefreshTickEnabled(true);
        s.patch().setSimulationEnabled(true);
    };

    QByteArray bytes;
    QString problem;
    if (!safeFile::readWhole(path, bytes, &problem)) {
        s.prompts().messageBox(loadError + problem);
        restart();
        return false;
    }
    ChannelModel fresh;
    problem = showFile::decode(bytes, fresh);
    bytes.clear();
    if (!problem.isEmpty()) {
        s.prompts().messageBox(loadError + problem);
        restart();
        return false;
    }

    // The file is good: the old rig goes while its own sizes still hold, then
    // the arrays take the new channel count and the file's content.
    ChannelModel& m = s.state;
    clear(1, m.totalChannels, false);
    channelModel::redimForMoreUniverses(fresh.totalChannels);
    s.playback().resizeMyArrays();
    takeShowArrays(m, fresh);

    clsWallTextures& walls = m.tables.wallTextures;
    const QString wallFolder = QStringLiteral("3dObjects\\Wall Textures\\");
    if (!walls.ceiling.isEmpty() && miscGlobalFunctions::FileExists(s.programPath(wallFolder + walls.ceiling))) {
        for (QString* wall : {&walls.ceiling, &walls.leftWall, &walls.rightWall, &walls.backWall, &walls.frontWall,
                              &walls.floor})
            *wall = s.programPath(wallFolder + *wall);
    } else {
        walls = clsWallTextures{};
    }
    // Intensity flags derive from the fixtures; the old show's go with it.
    std::fill(m.channelIsIntensity.begin(), m.channelIsIntensity.end(), 0);
    // Every profile in use stays within the count the look-ups scan.
    m.lightClassCount = std::max(m.lightClassCount, m.highestLightClassInUse());

    setCurrentShow(path, inConfigurations(path));
    s.support().showLoadingText(QStringLiteral("LOADING FIXTURE TRAITS "));
    s.shortcuts().loadPageButtons();
    showLoadOk = true;
    s.support().unloadSplash();
    restart();
    return true;
}

bool ShowEngine::loadTheConfiguration(bool ask, const QString& file) {
    Shell& s = shell();
    s.playback().setRefreshTickEnabled(false);
    s.patch().setSimulationEnabled(false);
    s.control().StopServer();
    s.patch().unloadFixtureList();
    s.visualizer().unloadVisualizer();

    loadConfiguration(file, ask);
    if (showLoadOk) rebuildAfterLoad();

    s.playback().refreshShortcuts(0, true);
    s.playback().setRefreshTickEnabled(true);
    s.patch().setSimulationEnabled(true);
    s.masters().cmdProgramingMode_Click();
    s.presets().cmdColor_Click();
    s.playback().clkAddPlaybackControl(0, true, false, false);
    patchModel::refreshLoadedFixtureTypes();
    return showLoadOk;
}

void ShowEngine::rebuildAfterLoad() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t count = m.fixtureCount;
    s.patch().layoutFixtures(1, count, false);
    patchModel::fixture_layout(1, count);
    loadsyncmem();
    s.patch().showFixtureList();
    for (size_t k = 1; k < m.lightClasses.size(); ++k) m.lightClass(int(k)).findColorGoboDimmerChannels();
    try {
        for (int32_t f = 1; f <= count; ++f) {
            zeroFixtureRoles(m, size_t(f));
            roleResolution::findPanandTilt(f);
            if (m.fixtureAreaMaxX[size_t(f)] == 0) patchModel::resetAreaLimitsForFixture(f);
            roleResolution::findIfBeamHasShutter(f);
            roleResolution::findifcolormixer(f);
        }
        patchModel::findlightclasses(1, count);
        for (int32_t f = 1; f <= count; ++f) roleResolution::findPanandTilt(f);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Fixture Layout:") + description(e));
    }
    std::fill(m.channelFixture.begin(), m.channelFixture.end(), 0);
    roleResolution::getFixtureDimmersandFoggers();
    roleResolution::findSyncChannels();
    for (int32_t c = 1; c <= m.totalChannels; ++c)
        if (m.channelStrobeLow[size_t(c)] > 0) m.channelStrobeRangeFlags[size_t(c)] = 1;
}

void ShowEngine::loadsyncmem() {
    const ShowTables& t = shell().state.tables;
    std::vector<std::pair<int, QString>> entries;
    for (int i = 1; i <= ShowTables::groupSlots; ++i)
        if (!t.groupMembers.value(i - 1).trimmed().isEmpty()) entries.emplace_back(i, t.groupNames.value(i - 1));
    shell().mainWindow().setGroupMenu(entries);
}

void ShowEngine::clear(int32_t fromhowmany, int32_t tohowmany, bool reDimMe) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        const int32_t first = std::max(fromhowmany, 1);
        const int32_t lastFixture = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureStartChannel.size()) - 1);
        for (int32_t a = first; a <= lastFixture; ++a) {
            const size_t f = size_t(a);
            s.patch().unloadFixtureIcon(a);
            for (auto* v : {&m.fixturePanFineChannel, &m.fixtureTiltFineChannel, &m.fixturePanChannel,
                            &m.fixtureTiltChannel, &m.fixtureDimmerChannel})
                (*v)[f] = 0;
            m.fixtureGoboRotationChannel[f] = 0;
            m.fixtureShutterChannel[f] = 0;
            for (auto* v : {&m.fixtureRotationX, &m.fixtureRotationY, &m.fixtureRotationZ, &m.fixtureIconTop,
                            &m.fixtureIconLeft, &m.fixtureElevation})
                (*v)[f] = 0;
            m.fixtureGoboAngle[f] = 0;
            patchModel::resetAreaLimitsForFixture(a);
        }

        m.lightClasses.clear();
        for (int k = 1; k <= showFile::fixedProfileSlots; ++k) m.lightClass(k);

        s.mainWindow().setGroupMenu({});
        m.tables.groupMembers = QStringList(ShowTables::groupSlots);
        m.tables.groupNames = QStringList(ShowTables::groupSlots);

        const int32_t lastChannel = std::min(tohowmany, m.totalChannels);
        for (int32_t k = first; k <= lastChannel; ++k) {
            const size_t c = size_t(k);
            m.channelFades[c] = 0;
            m.channelType[k] = QStringLiteral("none");
            m.channelInvert[c] = 0;
            m.channelSyncFlags[c] = 0;
            m.channelSyncGroups[c] = 1;
            m.channelDmxPilotFlags[c] = 0;
            m.channelStrobeLow[c] = 0;
            m.channelFixtureLabel[k].clear();
            m.channelProfileName[k] = QStringLiteral("none");
            m.channelLowLimits[c] = 0;
            m.channelHighLimits[c] = 0;
            m.fixtureIconTop[c] = 0;
            m.fixtureIconLeft[c] = 0;
            m.channelMixedColour[k] = QStringLiteral("0");
            m.channelStrobeRateFlags[c] = 0;
            m.channelStrobeIntensityFlags[c] = 0;
            m.fixtureView[k].clear();
            m.viewNames[k].clear();
            m.fixtureMatrixMarker[k].clear();
            m.fixtureMatrixColumn[c] = 0;
            m.fixtureMatrixRow[c] = 0;
            m.fixtureMatrixName[k].clear();
        }

        if (s.playback().getChaserFlag(m.currentPlayback)) {
            s.prompts().messageBox(
                QStringLiteral("Please stop all Playbacks before clearing Configuration. Please Try Again"));
        } else {
            s.shortcuts().unloadShortcutWindows();
            s.patch().unloadFixtureList();
            s.patch().unloadLayoutWindow();
            s.visualizer().unloadVisualizer();
            s.support().unloadShowPresetData();
            for (int32_t i = 1; i <= std::min(512, m.totalChannels); ++i) {
                m.masterShortcutFiles[i].clear();
                m.dmxPilotShortcutFiles[i].clear();
            }
            m.tables.wallTextures = clsWallTextures{};
        }

        m.tables.objectList.clear();
        m.fixtureCount = 0;
        m.lightClassCount = 0;

        if (reDimMe) {
            s.playback().setRefreshTickEnabled(false);
            channelModel::redimForMoreUniverses(512);
            s.playback().setRefreshTickEnabled(true);
        }
        s.playback().refreshShortcuts(1, true);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error clearing Configuration: ") + description(e));
    }
}

void ShowEngine::clearall() { shell().support().confirmNewShow(); }

void ShowEngine::startNewShow() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    s.playback().clearSequenceInChaser(m.currentPlayback);
    clear(1, m.totalChannels, true);
    m.showFileName = QStringLiteral("newConfiguration.YCF");
    m.showName = QStringLiteral("newConfiguration");
    showFilePath.clear();
    m.showChanged = true;
    savingNewShow = true;
    saveConfiguration(true, true, false);
    savingNewShow = false;
    s.presets().makePalleteDirectories();
    s.playback().refreshShortcuts(0, true);
    s.patch().reloadLayoutWindow();
    for (size_t k = 1; k < m.lightClasses.size(); ++k) m.lightClass(int(k)).findColorGoboDimmerChannels();
    patchModel::fixture_layout(1, m.fixtureCount);
    s.masters().cmdPlaybackMode_Click();
    s.masters().cmdProgramingMode_Click();
    s.playback().clkAddPlaybackControl(0, true, true, false);
    miscGlobalFunctions::showStatusText(QStringLiteral("VarnelDMX DMX Software ") + showNames::versionText() +
                                        QStringLiteral(" || Show Name: ") + m.showName);
    s.presets().regenerateAllPresets();
    s.presets().cmdColor_Click();
    s.shortcuts().deleteAllPages();
}

bool ShowEngine::loadStartupShow() {
    Shell& s = shell();
    const QString name = settingsKeys::read(settingsKeys::startupFile, s.state.showFileName).trimmed();
    if (name.isEmpty()) return true;
    const QString path = s.programPath(QStringLiteral("Configurations\\") + name);
    if (!miscGlobalFunctions::FileExists(path)) return true;
    return loadTheConfiguration(false, path);
}
