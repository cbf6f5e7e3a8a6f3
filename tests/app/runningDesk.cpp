#include "runningDesk.h"

#include "app/console.h"
#include "console/ui/ConsoleBand.h"
#include "output/DmxOutput.h"
#include "patch/patchCommit.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/ftdiPort.h"
#include "platform/portIo.h"
#include "platform/tickTimer.h"
#include "platform/waveInput.h"
#include "playback/playbackFrame.h"
#include "profiles/ClsFixture.h"
#include "profiles/profileFile.h"
#include "shell/services/showService.h"
#include "support/fakeFtdiPort.h"
#include "support/fakeMediaPlayer.h"
#include "support/fakePlatform.h"
#include "support/fakeSystemPower.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <gtest/gtest.h>

namespace runningDesk {

PlatformServices scriptedServices() {
    PlatformServices services = console::desktopServices();
    services.prompts = std::make_unique<FakePrompts>();
    services.placement = std::make_unique<FakePlacementStore>();
    services.timers = std::make_unique<FakeTimerFactory>();
    services.clock = std::make_unique<FakeClock>();
    services.ftdi = std::make_unique<FakeFtdiDriver>();
    services.portIo.reset();
    services.deviceArrival.reset();
    services.artNet.reset();
    services.waveInput.reset(); // no sound card in a test run
    services.media = std::make_unique<FakeMediaPlayerFactory>();
    services.power = std::make_unique<FakeSystemPower>();
    return services;
}

FakeFtdiDevice& attachInterface(Shell& s) {
    FakeFtdiDevice& port = static_cast<FakeFtdiDriver&>(*s.ftdi()).attach();
    const char universeRecord[] = "0001";
    std::copy(universeRecord, universeRecord + 4, port.userArea.begin());
    s.engine<DmxOutput>().clkCorvellDmxDongle_Click();
    return port;
}

void runTicks(Shell& s, int ticks) {
    auto& tick = static_cast<FakeTickTimer&>(s.engine<PlaybackFrame>().HiResTimer1());
    auto& clock = static_cast<FakeClock&>(s.clock());
    for (int i = 0; i < ticks; ++i) {
        clock.ms += 50;
        tick.fire(true);
    }
}

int lastLevel(const FakeFtdiDevice& port, int channel) {
    const auto frames = port.frames();
    return frames.empty() ? -1 : int(frames.back()[size_t(2 + channel)]);
}

bool choosePlayback(ConsoleBand& band, int n) {
    emit band.playbackMenu->aboutToShow();
    for (QAction* a : band.playbackMenu->actions())
        if (a->data().toInt() == n) {
            a->trigger();
            return true;
        }
    return false;
}

std::unique_ptr<console::Console> startWithSavedShow(const QString& folder, const QString& showFile) {
    EXPECT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), folder), QString());
    auto c = std::make_unique<console::Console>(folder, scriptedServices());
    c->start();
    QApplication::processEvents();
    Shell& s = c->shell();
    auto& prompts = static_cast<FakePrompts&>(s.prompts());
    prompts.files.push_back(showFile);
    EXPECT_TRUE(s.show().saveConfiguration(false, true, false)) << prompts.messages.join('|').toStdString();
    return c;
}

int32_t patchShipped(Shell& s, const QString& file, int32_t start, int32_t count) {
    profileFile::ProfileData data;
    QString error;
    EXPECT_TRUE(profileFile::readFile(s.programPath(QStringLiteral("Fixtures\\Generic\\") + file), 36, data, &error))
        << error.toStdString();
    ClsFixture edited;
    profileFile::applyToProfile(data, edited);
    patchCommit::Request r;
    r.editor.profileName = data.profileName;
    r.editor.channelsText = QString::number(data.channelCount);
    for (int c = 1; c <= data.channelCount; ++c)
        r.editor.rows.emplace_back(QStringLiteral("Channel %1:").arg(c), data.channels[size_t(c - 1)].typeName);
    r.editor.edited = &edited;
    r.startText = QString::number(start);
    r.countText = QString::number(count);
    const patchCommit::Outcome out = patchCommit::commit(r);
    EXPECT_EQ(out.added, count) << file.toStdString() << " "
                                << static_cast<FakePrompts&>(s.prompts()).messages.join(QLatin1Char('|')).toStdString();
    return out.first;
}

void click(QWidget* w, QPoint at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

} // namespace runningDesk
