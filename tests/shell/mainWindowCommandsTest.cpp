#include "platform/prompts.h"
#include "shell/fileDrop.h"
#include "shell/services/audioService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mastersService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/profilesService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/visualizerService.h"
#include "shell/settingsKeys.h"
#include "shell/shutdown.h"
#include "shell/ui/Main.h"
#include "shell/ui/programWindows.h"
#include "shell/ui/windowMenu.h"
#include "shell/ui/windowRegistry.h"
#include "shell/windowMenu.h"
#include "support/fakePlatform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct DropPlayback : PlaybackService {
    QStringList loaded;
    std::vector<int32_t> played;
    int32_t loadSequenceInDoc(int32_t& doc, const QString& file, bool, bool, int32_t) override {
        loaded.append(QString::number(doc) + QLatin1Char(':') + file);
        return doc;
    }
    void playLoadedSequence(int32_t n, bool, bool, bool) override { played.push_back(n); }
    std::vector<std::pair<int32_t, QString>> visiblePlaybackCaptions() const override { return captions; }
    std::vector<std::pair<int32_t, QString>> captions;
};

struct DropProfiles : ProfilesService {
    QStringList loaded;
    int editorShown = 0;
    void loadFixtureFile(const QString& path) override { loaded.append(path); }
    void showProfileEditor() override { ++editorShown; }
};

struct Visualizer : VisualizerService {
    QStringList calls;
    void unloadVisualizer() override { calls.append(QStringLiteral("unload")); }
    void showVisualizer() override { calls.append(QStringLiteral("show")); }
};

} // namespace

TEST(FileDrop, OneFileIsOpenedByItsExtensionWithoutRegardToCase) {
    struct Case {
        QStringList files;
        QStringList sequences, profiles, messages;
    };
    const QString notSupported = fileDrop::notSupportedText;
    const std::vector<Case> cases = {
        {{"/shows/intro.ysq"}, {"3:/shows/intro.ysq"}, {}, {}},
        {{"/shows/Intro.YSQ"}, {"3:/shows/Intro.YSQ"}, {}, {}},
        {{"/fixtures/spot.Fix"}, {}, {"/fixtures/spot.Fix"}, {}},
        {{"/shows/gig.ycf"}, {}, {}, {notSupported}},
        {{"/shows/scene.YPR"}, {}, {}, {notSupported}},
        {{"/a.ysq", "/b.ysq"}, {}, {}, {}},
        {{}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        TestShell t;
        auto& playback = t.get().provide<PlaybackService>(std::make_unique<DropPlayback>());
        auto& profiles = t.get().provide<ProfilesService>(std::make_unique<DropProfiles>());
        t.get().state.currentPlayback = 3;
        fileDrop::openDroppedFiles(c.files);
        const QString name = c.files.join(QLatin1Char(','));
        EXPECT_EQ(playback.loaded, c.sequences) << name.toStdString();
        EXPECT_EQ(playback.played, c.sequences.isEmpty() ? std::vector<int32_t>{} : std::vector<int32_t>{3})
            << name.toStdString();
        EXPECT_EQ(profiles.loaded, c.profiles) << name.toStdString();
        EXPECT_EQ(t.prompts().messages, c.messages) << name.toStdString();
    }
}

TEST(FileDrop, AnyOtherFileIsRefusedWithAMessage) {
    for (const QString& file : {QStringLiteral("/tmp/notes.txt"), QStringLiteral("/tmp/README"),
                               QStringLiteral("/tmp/x.ysq.exe")}) {
        TestShell t;
        auto& playback = t.get().provide<PlaybackService>(std::make_unique<DropPlayback>());
        fileDrop::openDroppedFiles({file});
        EXPECT_TRUE(playback.loaded.isEmpty());
        ASSERT_EQ(t.prompts().messages.size(), 1) << file.toStdString();
        EXPECT_TRUE(t.prompts().messages.front().contains(QStringLiteral("cannot be opened"))) << file.toStdString();
    }
}

TEST(WindowMenu, SixCommandsRecordTheirWindowAndAreNoToggles) {
    TestShell t;
    const std::vector<std::pair<void (*)(), const char*>> commands = {
        {&windowMenu::showAudioTrigger, "AudioTrigger"}, {&windowMenu::showPlaybackFaders, "subMaster"},
        {&windowMenu::showFogControl, "frmFogControl"},   {&windowMenu::showPalettes, "frmPalettes"},
        {&windowMenu::showFixtureList, "fixtureList"},    {&windowMenu::showMasterShortcuts, "Shortcuts"}};
    for (const auto& [command, key] : commands) {
        command();
        command();
        EXPECT_EQ(settingsKeys::read(settingsKeys::Key{"Windows", key, "", "", ""}), QStringLiteral("True")) << key;
    }
    // The others write nothing.
    windowMenu::lblMaster_Click();
    windowMenu::clkPatchList_Click();
    EXPECT_EQ(readWholeFile(t.get().iniFile()).count("True"), 6);
}

TEST(WindowMenu, TheVisualizerStartsAfreshAndTheProfileEditorClosesIt) {
    TestShell t;
    auto& visualizer = t.get().provide<VisualizerService>(std::make_unique<Visualizer>());
    auto& profiles = t.get().provide<ProfilesService>(std::make_unique<DropProfiles>());
    windowMenu::pellamVisualizer_Click();
    windowMenu::pellamVisualizer_Click();
    windowMenu::Fixture_Editor_Click();
    EXPECT_EQ(visualizer.calls, (QStringList{"unload", "show", "unload", "show", "unload"}));
    EXPECT_EQ(profiles.editorShown, 1);
}

TEST(WindowMenu, TheAdvancedMenuRebuildsItsLoadedPlaybacksWhenItOpens) {
    TestShell t;
    auto& playback = t.get().provide<PlaybackService>(std::make_unique<DropPlayback>());
    QMenu menu;
    windowMenuUi::fillWindowMenu(&menu);
    QStringList captions;
    for (QAction* a : menu.findChildren<QAction*>()) captions.append(a->text());
    for (const char* caption : {"Dmx Output Window", "DMX Channel Configuration", "Patch List", "L.E.D. / RGB Editor",
                                "Brumal Matrix ", "Advanced FX Tool", "TimeLine Button Scheduler", "Save Workspace",
                                "Load Workspace"})
        EXPECT_TRUE(captions.contains(QString::fromLatin1(caption))) << caption;

    auto* loaded = menu.findChild<QMenu*>(QStringLiteral("clkShowthePlayback"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->actions().isEmpty());
    playback.captions = {{1, QStringLiteral("Playback 1")}, {4, QStringLiteral("Intro")}, {9, QStringLiteral("Bows")}};
    emit menu.aboutToShow();
    emit menu.aboutToShow();
    ASSERT_EQ(loaded->actions().size(), 3);
    EXPECT_EQ(loaded->actions()[1]->text(), QStringLiteral("Intro"));
    EXPECT_EQ(loaded->actions()[1]->data().toInt(), 4);
}

TEST(ProgramWindows, TheSplashShowsTheVersionAndComesBackAfterAKey) {
    TestShell t;
    frmSplash& splash = form<frmSplash>();
    EXPECT_EQ(splash.lblVersion->text(), programIdentity::versionText());
    EXPECT_TRUE(programIdentity::versionText().startsWith(QStringLiteral("Version ")));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&splash, &key);
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<frmSplash>(), nullptr);
    form<frmSplash>().setStage(QStringLiteral("Starting Processes"));
    ASSERT_NE(loadedForm<frmSplash>(), nullptr);
    EXPECT_EQ(loadedForm<frmSplash>()->loadlable->text(), QStringLiteral("Starting Processes"));
    EXPECT_TRUE(loadedForm<frmSplash>()->isVisible());

    frmWorkingDialog& working = form<frmWorkingDialog>();
    EXPECT_EQ(working.Label1->text(), QStringLiteral("Working....... Please Wait."));
    working.setCaption(QString());
    EXPECT_TRUE(working.Label1->text().isEmpty());
    EXPECT_EQ(form<About>().windowTitle(), QStringLiteral("About VarnelDMX"));
}

TEST(MainWindow, ClosingAsksTheConfirmationAndARefusalKeepsItOpen) {
    TestShell t;
    Main& main = form<Main>();
    main.show();
    t.prompts().answers = {msgBox::No};
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(t.prompts().messages, QStringList{shutdown::confirmText});
    // Unsaved work asks first; Cancel returns before the confirmation.
    t.get().state.showChanged = true;
    t.prompts().messages.clear();
    t.prompts().answers = {msgBox::Cancel};
    main.close();
    EXPECT_EQ(t.prompts().messages, QStringList{"Changes were made, Do you want to save changes"});
    EXPECT_TRUE(t.get().state.showChanged);
}

TEST(MainWindow, QuittingAsksEachQuestionOnce) {
    TestShell t;
    Main& main = form<Main>();
    main.show();
    t.get().state.showChanged = false;
    t.prompts().answers = {msgBox::Yes, msgBox::Yes};
    // The close runs inside the event loop, as the operator's would; the
    // loop must end after one confirmation.
    QTimer::singleShot(0, &main, [&main] { main.close(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(t.prompts().messages, QStringList{shutdown::confirmText});
}
