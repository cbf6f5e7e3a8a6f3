#include "playback/ui/frmPlayBackManager.h"

#include "playback/ui/frmPlayBackControl.h"
#include "playback/playbackEngine.h"
#include "playback/playbackFrame.h"
#include "playbackTestSupport.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"

#include <gtest/gtest.h>

namespace {
// A main window whose every toolbar command can run, so each button is live.
class AllCommandsMainWindow final : public MainWindowService {
public:
    bool toolbarButtonAvailable(int32_t) override { return true; }
};
// The frame window shown with playbacks 3 and 4 visible in it.
frmPlayBackManager& frameShowingPlaybacks3And4() {
    playbackTest::makeShow(1);
    auto& window = form<frmPlayBackManager>();
    window.show();
    playbackFrame().clkAddPlaybackControl(3, false, true, false);
    playbackFrame().clkAddPlaybackControl(4, false, true, false);
    return window;
}
} // namespace

TEST(FrameWindow, showsEveryPlaybackOffscreen) {
    TestShell t;
    t.get().provide<MainWindowService>(std::make_unique<AllCommandsMainWindow>());
    playbackTest::makeShow(1);
    auto& window = form<frmPlayBackManager>();
    window.show();
    EXPECT_EQ(window.windowTitle(), QString("DMX Lighting Software"));
    const auto actions = window.Toolbar1->actions();
    ASSERT_EQ(actions.size(), 21);
    EXPECT_EQ(actions[0]->toolTip(), QString("Start New Sequence on current Playback"));
    EXPECT_EQ(actions[20]->toolTip(), QString("Blackout"));
    int clicked = 0;
    QObject::connect(&window, &frmPlayBackManager::toolbarButtonClicked, [&](int index) { clicked = index; });
    actions[3]->trigger();
    EXPECT_EQ(clicked, 4);

    PlaybackFrame& frame = playbackFrame();
    frame.clkAddPlaybackControl(1, false, true, false);
    frame.clkAddPlaybackControl(2, false, false, false);
    ASSERT_EQ(window.mdiArea()->subWindowList().size(), 2);
    ASSERT_NE(window.playbackWindow(1), nullptr);
    EXPECT_EQ(&window.playbackWindow(1)->engine(), frame.playback(1));
    EXPECT_TRUE(window.subWindowOf(1)->isVisible());
    EXPECT_FALSE(window.subWindowOf(2)->isVisible());
    EXPECT_EQ(window.subWindowOf(2)->windowTitle(), QString("  Playback #: 2"));

    frame.showPlayback(2);
    EXPECT_TRUE(window.subWindowOf(2)->isVisible());
    frame.hidePlayback(1);
    EXPECT_FALSE(window.subWindowOf(1)->isVisible());

    // Closing a playback window unloads the playback.
    window.subWindowOf(2)->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.DocumentCount(), 1);
    EXPECT_EQ(window.mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(frame.playback(2), nullptr);
}

TEST(FrameWindow, activatingAPlaybackWindowMakesItTheCurrentPlayback) {
    TestShell t;
    auto& window = frameShowingPlaybacks3And4();
    shell().state.currentPlayback = 1;
    window.mdiArea()->setActiveSubWindow(window.subWindowOf(3));
    EXPECT_EQ(shell().state.currentPlayback, 3);
    window.mdiArea()->setActiveSubWindow(window.subWindowOf(4));
    EXPECT_EQ(shell().state.currentPlayback, 4);
    EXPECT_NE(window.playbackWindow(4)->styleSheet(), window.playbackWindow(3)->styleSheet());
}

TEST(FrameWindow, activationCaptionsTheMainWindowsButtonLightsTheStripAndEndsTheCaption) {
    struct Main final : MainWindowService {
        QStringList captions;
        QString returnSequenceNameForCurrentChaser() override {
            return QStringLiteral("%1 - Warm").arg(shell().state.currentPlayback);
        }
        void setAllPlaybacksCaption(const QString& caption) override { captions << caption; }
    };
    struct Strips final : MastersService {
        std::vector<int32_t> lit;
        void showActivePlayback(int32_t number) override { lit.push_back(number); }
    };
    TestShell t;
    Main& main = t.get().provide<MainWindowService>(std::make_unique<Main>());
    Strips& strips = t.get().provide<MastersService>(std::make_unique<Strips>());
    auto& window = frameShowingPlaybacks3And4();
    PlaybackFrame& frame = playbackFrame();
    frame.playback(4)->state.theSequenceFilename = shell().programPath("Sequences\\Club\\Warm.YSQ");
    main.captions.clear();
    strips.lit.clear();
    window.mdiArea()->setActiveSubWindow(window.subWindowOf(3));
    window.mdiArea()->setActiveSubWindow(window.subWindowOf(4));
    EXPECT_EQ(main.captions, QStringList({"3 - Warm", "4 - Warm"})) << "the caption follows the new current playback";
    EXPECT_EQ(strips.lit, (std::vector<int32_t>{3, 4}));
    const QString heading = frame.playback(4)->state.originalHeading;
    ASSERT_FALSE(heading.isEmpty());
    EXPECT_EQ(window.subWindowOf(3)->windowTitle(), frame.playback(3)->state.originalHeading + " : ");
    EXPECT_EQ(window.subWindowOf(4)->windowTitle(), heading + " : Warm");

    // The window taking the focus lights its strip too.
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(window.playbackWindow(3), &focus);
    EXPECT_EQ(strips.lit.back(), 3);
}

TEST(FrameWindow, anUnloadingPlaybackWindowStoresItsPlacementThenTheFrames) {
    // Closed by the operator, or unloaded by the frame (channel count change,
    // shutdown): either way the window's last place is kept.
    for (const bool byOperator : {true, false}) {
        TestShell t;
        auto& window = frameShowingPlaybacks3And4();
        window.move(40, 60);
        QMdiSubWindow* sub = window.subWindowOf(4);
        sub->move(20, 30);
        sub->resize(400, 250);
        const QString stored = QStringLiteral("300,450,%1,%2").arg(sub->width() * 15).arg(sub->height() * 15);
        EXPECT_FALSE(t.placement().values.contains(QStringLiteral("varneldmx/Startup/frmPlayBackControl")));
        if (byOperator) {
            sub->close();
            QCoreApplication::processEvents();
        } else {
            playbackFrame().unloadPlayback(*playbackFrame().findPlayback(4));
        }
        ASSERT_EQ(playbackFrame().playback(4), nullptr) << byOperator;
        EXPECT_EQ(t.placement().values.value(QStringLiteral("varneldmx/Startup/frmPlayBackControl")), stored)
            << byOperator;
        EXPECT_TRUE(t.placement().values.value(QStringLiteral("varneldmx/Startup/frmPlayBackManager"))
                        .startsWith(QStringLiteral("600,900,")))
            << byOperator;
    }
}
