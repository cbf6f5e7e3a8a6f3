#include "patch/fixtureRemoval.h"

#include "patch/fixtureGroups.h"
#include "platform/prompts.h"
#include "profiles/ClsFixture.h"
#include "shell/patchModel.h"
#include "shell/services/mastersService.h"
#include "shell/services/patchService.h"
#include "shell/services/presetsService.h"
#include "shell/services/showService.h"
#include "shell/services/visualizerService.h"
#include "shell/shell.h"

namespace fixtureRemoval {

namespace {

const QString lastFixtureRefusal = QStringLiteral("Cannot Remove Last Fixture, Use 'Create new Show/Configuration");

void resetChannel(ChannelModel& m, int32_t c) {
    m.channelType[c] = QStringLiteral("none");
    m.channelMixedColour[c] = QStringLiteral("0");
    m.channelFixtureLabel[c].clear();
    m.channelProfileName[c].clear();
    m.channelFades[size_t(c)] = 0;
    m.channelStrobeIntensityFlags[size_t(c)] = 0;
    m.channelStrobeRateFlags[size_t(c)] = 0;
    m.channelStrobeHigh[size_t(c)] = 0;
    m.channelStrobeLow[size_t(c)] = 0;
    m.channelStrobeState[size_t(c)] = 0;
}

void resetFixture(ChannelModel& m, int32_t f) {
    const size_t i = size_t(f);
    m.fixtureGoboRotationChannel[i] = m.fixtureShutterChannel[i] = 0;
    m.fixtureIsColourMixer[i] = 0;
    m.fixturePanChannel[i] = m.fixtureTiltChannel[i] = m.fixtureTiltFineChannel[i] = m.fixturePanFineChannel[i] = 0;
    m.fixtureDimmerChannel[i] = m.fixtureFogChannel[i] = m.fixtureHazeFanChannel[i] = 0;
    m.fixtureName[f].clear();
    m.fixtureIconTop[i] = m.fixtureIconLeft[i] = 0;
    m.fixtureView[f].clear();
    m.fixtureRotationX[i] = m.fixtureRotationY[i] = m.fixtureRotationZ[i] = m.fixtureElevation[i] = 0;
    m.fixtureMatrixMarker[f].clear();
    m.fixtureMatrixColumn[i] = m.fixtureMatrixRow[i] = 0;
    m.fixtureMatrixName[f].clear();
}

void shiftDown(ChannelModel& m, int32_t f) {
    for (int32_t k = f; k < m.fixtureCount; ++k) {
        const size_t a = size_t(k), b = size_t(k + 1);
        m.fixtureName[k] = m.fixtureName[k + 1];
        m.fixtureIconTop[a] = m.fixtureIconTop[b];
        m.fixtureIconLeft[a] = m.fixtureIconLeft[b];
        m.fixtureView[k] = m.fixtureView[k + 1];
        m.fixtureRotationX[a] = m.fixtureRotationX[b];
        m.fixtureRotationY[a] = m.fixtureRotationY[b];
        m.fixtureRotationZ[a] = m.fixtureRotationZ[b];
        m.fixtureElevation[a] = m.fixtureElevation[b];
        m.fixtureMatrixMarker[k] = m.fixtureMatrixMarker[k + 1];
        m.fixtureMatrixColumn[a] = m.fixtureMatrixColumn[b];
        m.fixtureMatrixRow[a] = m.fixtureMatrixRow[b];
        m.fixtureMatrixName[k] = m.fixtureMatrixName[k + 1];
        m.fixtureStartChannel[a] = m.fixtureStartChannel[b];
    }
}

bool profileUsed(const ChannelModel& m, const QString& name) {
    for (int32_t c = 1; c <= m.totalChannels; ++c)
        if (m.channelType[c] != QLatin1String("none") && !m.channelProfileName[c].isEmpty() &&
            m.channelProfileName[c].trimmed() == name)
            return true;
    return false;
}

// Runs the removal of these names with the visualizer closed meanwhile.
bool removeNames(const QStringList& names, const QString& question) {
    Shell& s = shell();
    s.visualizer().unloadVisualizer();
    s.presets().cmdColor_Click();
    bool removed = false;
    if (s.state.fixtureCount <= 1) {
        s.prompts().messageBox(lastFixtureRefusal);
    } else if (s.prompts().messageBox(question, msgBox::YesNo) == msgBox::Yes) {
        try {
            for (const QString& name : names) removeAFixture(name);
            refreshAfterRemoveAFixture();
            removed = true;
        } catch (const std::exception& e) {
            s.prompts().messageBox(QStringLiteral("remove Fixture: ") + QString::fromLocal8Bit(e.what()));
            s.patch().setSimulationEnabled(true);
        }
    }
    s.masters().cmdProgramingMode_Click();
    return removed;
}

} // namespace

bool removeAFixture(const QString& name) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    if (name.isEmpty()) return false;
    int32_t f = 0;
    for (int32_t i = 1; i <= m.fixtureCount; ++i)
        if (m.fixtureName[i] == name) {
            f = i;
            break;
        }
    if (f == 0) return false;
    s.patch().setSimulationEnabled(false);
    const int32_t start = m.fixtureStartChannel[size_t(f)];
    if (start >= 1 && start <= m.totalChannels) {
        const QString profileName = m.channelProfileName[start].trimmed();
        int32_t used = -1;
        for (int32_t k = 1; k <= m.lightClassCount; ++k)
            if (m.lightClass(k).Name.trimmed() == profileName) {
                used = m.lightClass(k).ChannelsUsed;
                break;
            }
        for (int32_t c = start; used > 0 && c < start + used && c <= m.totalChannels; ++c) resetChannel(m, c);
    }
    resetFixture(m, f);
    fixtureGroups::removeFixtureFromGroups(f);
    s.presets().fixPresetsForFixtureRemove(f);
    shiftDown(m, f);
    s.patch().unloadFixtureIcon(m.fixtureCount);
    m.fixtureCount -= 1;
    return true;
}

void releaseLightClass(int32_t index) {
    ChannelModel& m = shell().state;
    ClsFixture& p = m.lightClass(index);
    if (!p.taken) return;
    p.taken = false;
    p.Name.clear();
    p.setFixtureType(QString());
    m.lightClassCount -= 1;
}

void refreshAfterRemoveAFixture() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    s.patch().layoutFixtures(1, m.fixtureCount, false);
    s.patch().reloadFixtureList();
    // Laying out puts the icons in a row; their places come back here.
    s.patch().setFixturePosition();
    s.patch().refreshIcons();
    s.presets().regeneratePalettes();
    m.showChanged = true;

    // Profiles no channel uses any more leave the show: the slot is erased,
    // the later ones move down, an empty slot closes the table, and the slot
    // is looked at again since it now holds the next profile. Slot 25 stays.
    for (int32_t i = 1; i < int32_t(m.lightClasses.size()); ++i) {
        if (i == 25) continue;
        const auto& slot = m.lightClasses[size_t(i)];
        if (!slot || !slot->taken || profileUsed(m, slot->Name.trimmed())) continue;
        m.lightClasses.erase(m.lightClasses.begin() + i);
        m.lightClasses.push_back(nullptr);
        m.lightClassCount = std::max(0, m.lightClassCount - 1);
        --i;
    }
    m.lightClassCount = std::max(m.lightClassCount, m.highestLightClassInUse());
    patchModel::refreshLoadedFixtureTypes();
    s.show().saveConfiguration(false, false, false);
    m.showChanged = false;
    s.patch().setSimulationEnabled(true);
}

bool removeFixtures(const std::vector<int32_t>& fixtures) {
    ChannelModel& m = shell().state;
    QStringList names;
    for (const int32_t f : fixtures)
        if (f >= 1 && f <= m.fixtureCount) names << m.fixtureName[f];
    QStringList shown;
    for (const QString& n : names) shown << n.trimmed();
    return removeNames(names, QStringLiteral("ARE YOU SURE YOU WANT TO REMOVE CURRENTLY SELECTED FIXTURE(s): ") +
                                  shown.join(QStringLiteral(", ")));
}

bool removefixture_Click() { return removeFixtures(shell().patch().selectedFixtures()); }

bool removeMatrix(const QString& matrixName) {
    ChannelModel& m = shell().state;
    QStringList names;
    for (int32_t f = 1; f <= m.fixtureCount; ++f)
        if (m.fixtureMatrixName[f] == matrixName && m.fixtureMatrixMarker[f] == QLatin1String("YesMatrix"))
            names << m.fixtureName[f];
    const bool removed =
        removeNames(names, QStringLiteral("ARE YOU SURE YOU WANT TO REMOVE CURRENT MATRIX: ") + matrixName.trimmed());
    if (removed)
        for (int32_t f = 1; f <= m.fixtureCount; ++f)
            if (m.fixtureMatrixName[f].trimmed() == matrixName) {
                m.fixtureMatrixMarker[f].clear();
                m.fixtureMatrixName[f].clear();
                m.fixtureMatrixColumn[size_t(f)] = m.fixtureMatrixRow[size_t(f)] = 0;
            }
    return removed;
}

} // namespace fixtureRemoval
