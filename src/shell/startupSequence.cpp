#include "shell/startupSequence.h"

#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "platform/tickTimer.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/programSession.h"
#include "shell/roleResolution.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/outputService.h"
#include "shell/services/effectsService.h"
#include "shell/services/audioService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/showService.h"
#include "shell/services/supportService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

namespace {
const QString instanceMessage = QStringLiteral(
    "Another instance of VarnelDMX is Already running, please close it first to open this program.");
const QString firstShowFile = QStringLiteral("newConfiguration.YCF");
const QString showFailedMessage = QStringLiteral(
    "There was an error loading your default configuration file. The program starts with an empty show; "
    "ylc.ini is kept. ");
} // namespace

StartupSequence::StartupSequence() = default;
StartupSequence::~StartupSequence() = default;

StartupSequence::Outcome StartupSequence::start() {
    Shell& s = shell();
    ProgramSession& session = s.engine<ProgramSession>();
    session.oneConsole = settingsKeys::readTruth(settingsKeys::oneConsole, &problems);

    if (!programSession::acquireInstanceLock(session, s.programFolder())) {
        s.prompts().messageBox(instanceMessage, msgBox::OKOnly, QStringLiteral("VarnelDMX"));
        done = true;
        return Outcome::SecondInstance;
    }

    // Only now that no other console runs here: a save killed half-way left
    // its temporary beside the (whole) target.
    safeFile::removeStaleTemporaries(s.programFolder());

    ChannelModel& m = s.state;
    if (m.lightClasses.size() < 26) m.lightClasses.resize(26);
    if (m.totalChannels < 512) channelModel::redimForMoreUniverses(512);
    m.currentPlayback = 1;
    m.showChanged = false;

    // The start-up show: the operator picks one when the named one is missing
    // (the first start); a named one that fails to load leaves an empty show.
    const QString startupName = settingsKeys::read(settingsKeys::startupFile, m.showFileName).trimmed();
    const QString startupPath = s.programPath(QStringLiteral("Configurations\\") + startupName);
    m.showName = libParsePath::ParsePath(startupPath, 4);
    const bool startupShowExists = !startupName.isEmpty() && miscGlobalFunctions::FileExists(startupPath);

    s.support().showLoadingText(QStringLiteral("Initializing Values"));
    s.support().showLoadingText(QStringLiteral("Starting Processes"));
    for (size_t k = 1; k < m.lightClasses.size(); ++k) {
        if (!m.lightClasses[k]) m.lightClasses[k] = std::make_unique<ClsFixture>();
        m.lightClasses[k]->taken = false;
    }
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        m.channelType[c] = QStringLiteral("none");
        m.channelSyncGroups[size_t(c)] = 1;
    }

    s.support().showLoadingText(QStringLiteral("Loading Default Show File"));
    readSettings();
    s.support().showLoadingText(QStringLiteral("Loading DMX Presets"));
    // The show is loaded only now, after every channel was marked free: a
    // show picked before that would lose its patch (its channels would read
    // as free and a new fixture could be patched on top of them).
    if (startupShowExists)
        loadStartupShow();
    else if (startupName.isEmpty())
        seedStartupShow();
    else
        s.show().loadTheConfiguration(true, QString()); // the named show is gone: the operator picks one

    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        s.masters().masterFaderSetMyValuemem(100, c);
        s.masters().submasterSetMyValuemem(100, c);
    }
    s.playback().applyStartupRefreshRate(
        QString::number(settingsKeys::readNumber(settingsKeys::dmxRefreshRate, &problems)));

    s.support().showLoadingText(QStringLiteral("Setting Up Fixture Positions"));
    s.patch().layoutFixtures(1, m.fixtureCount, false);
    roleResolution::getFixtureDimmersandFoggers();

    v().placeAndShowMain();
    createPlaybacks();

    session.userMode = settingsKeys::read(settingsKeys::currentMode);
    session.passWord = settingsKeys::read(settingsKeys::theThing);
    s.mainWindow().applyUserMode(session.userMode);

    // The layout is part of the console's screen; a tool window comes back
    // only when it was open at the last quit, so a start does not pile
    // windows on top of the console.
    s.patch().showLayoutWindow();
    const auto wasOpen = [this](const settingsKeys::Key& key) { return settingsKeys::readTruth(key, &problems); };
    if (wasOpen(settingsKeys::windowsFixtureList)) s.patch().showFixtureList();
    if (wasOpen(settingsKeys::windowsPalettes)) s.presets().showPalettes();
    if (wasOpen(settingsKeys::windowsStrobe)) s.effects().showStrobe();
    if (wasOpen(settingsKeys::windowsAudioTrigger)) s.audio().showAudioTrigger();
    if (wasOpen(settingsKeys::windowsFogControl)) s.effects().showFogControl();
    s.support().unloadSplash();
    reportProblems();

    if (s.masters().getDualMode())
        s.masters().cmdProgramingMode_Click();
    else
        s.masters().cmdPlaybackMode_Click();

    pause = s.timers().create();
    pause->setInterval(pauseBeforeInterfacesMs);
    pause->onTick = [this] {
        pause->setEnabled(false);
        afterPause();
    };
    pause->setEnabled(true);
    return Outcome::Running;
}

void StartupSequence::afterPause() {
    if (done) return;
    Shell& s = shell();
    s.output().openDmxInterfaces();
    s.patch().setSimulationEnabled(true);
    if (s.engine<ProgramSession>().oneConsole) v().oneConsoleFrame();
    done = true;
    v().finished();
}

void StartupSequence::readSettings() {
    // Read for their checks: a value that cannot be used takes its default
    // and is reported; the file is never deleted for it.
    settingsKeys::readTruth(settingsKeys::strobeUseMin, &problems);
    settingsKeys::readTruth(settingsKeys::strobeChaseIntensity, &problems);
    settingsKeys::readTruth(settingsKeys::strobeChaseRate, &problems);
    checkBackgroundPicture();
    settingsKeys::readNumber(settingsKeys::fixtureWindowBackColor, &problems);
    settingsKeys::readNumber(settingsKeys::fixtureWindowForeColor, &problems);
    settingsKeys::readNumber(settingsKeys::buttonsWidth, &problems);
    settingsKeys::readNumber(settingsKeys::buttonsHeigth, &problems);
}

void StartupSequence::checkBackgroundPicture() {
    // Only a picture the operator chose is reported when it is missing; the
    // default one may not be installed. Either way the layout window then
    // has no background.
    const QString name = settingsKeys::read(settingsKeys::fixtureWindowFilename, QString()).trimmed();
    if (name.isEmpty()) return;
    if (miscGlobalFunctions::FileExists(shell().programPath(QStringLiteral("Images\\") + name))) return;
    const QString line = QStringLiteral("[%1] %2 = \"%3\" (no such picture in Images)")
                             .arg(QString::fromLatin1(settingsKeys::fixtureWindowFilename.section),
                                  QString::fromLatin1(settingsKeys::fixtureWindowFilename.key), name);
    problems.append(line);
}

void StartupSequence::seedStartupShow() {
    // A first start opens straight into the console on an empty show that
    // is from then on the start-up show. A show of that name already there
    // (ylc.ini was removed) is loaded, never overwritten.
    Shell& s = shell();
    ChannelModel& m = s.state;
    const QString path = s.programPath(QStringLiteral("Configurations\\") + firstShowFile);
    if (miscGlobalFunctions::FileExists(path)) {
        s.show().loadTheConfiguration(false, path);
        return;
    }
    m.showFileName = firstShowFile;
    m.showName = libParsePath::ParsePath(firstShowFile, 4);
    s.show().saveConfiguration(false, false, false);
}

void StartupSequence::loadStartupShow() {
    Shell& s = shell();
    if (s.show().loadStartupShow()) return;
    s.prompts().messageBox(showFailedMessage, msgBox::OKOnly);
}

void StartupSequence::createPlaybacks() {
    Shell& s = shell();
    for (int32_t n = 1; n <= 8; ++n) s.playback().clkAddPlaybackControl(n, false, false, false);
    // Playbacks beyond 8 come back while their sections carry a priority;
    // the first section without one ends the scan.
    for (int32_t n = 8;; ++n) {
        const QString section = settingsKeys::playbackSection(n);
        if (settingsKeys::read(settingsKeys::playbackPriority, std::nullopt, section) == QLatin1String("nop")) break;
        const auto visible = miscGlobalFunctions::truthFromText(
            settingsKeys::read(settingsKeys::playbackVisible, std::nullopt, section).trimmed());
        if (visible.value_or(false)) s.playback().clkAddPlaybackControl(n, false, false, false);
    }
}

void StartupSequence::reportProblems() {
    if (problems.isEmpty()) return;
    shell().prompts().messageBox(
        QStringLiteral("There was an error loading your settings. ylc.ini is kept and the defaults are used for: ") +
            problems.join(QStringLiteral(", ")),
        msgBox::OKOnly);
}
