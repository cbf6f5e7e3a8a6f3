// The console as the program starts it: the wiring of src/app on a temporary
// program folder, its windows opened from the menus and the toolbar.

#include "app/console.h"
#include "audio/ui/BeatDetect.h"
#include "effects/ui/dialogFileShapes.h"
#include "effects/ui/ShapeGeneratorWin.h"
#include "effects/ui/frmFogControl.h"
#include "masters/ui/Submaster.h"
#include "masters/ui/frmTop.h"
#include "patch/ui/NewWhat.h"
#include "output/ui/Dmxrecord.h"
#include "output/ui/frmDmxTiming.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/fileSystem.h"
#include "platform/ftdiPort.h"
#include "platform/midiPorts.h"
#include "platform/monitors.h"
#include "platform/portIo.h"
#include "platform/tickTimer.h"
#include "platform/waveInput.h"
#include "platform/httpDownload.h"
#include "platform/systemPower.h"
#include "output/ui/frmDmxOutDisplay.h"
#include "patch/layoutEngine.h"
#include "patch/ui/FixtureList.h"
#include "patch/popupAnswer.h"
#include "patch/ui/fixture.h"
#include "patch/ui/fixtureIconWidget.h"
#include "patch/ui/frmFixtureProperties.h"
#include "patch/ui/patchWindows.h"
#include "playback/playbackEngine.h"
#include "playback/ui/frmPlayBackControl.h"
#include "playback/ui/frmPlayBackManager.h"
#include "presets/ui/frmPalettes.h"
#include "profiles/ui/Light_Editor.h"
#include "scheduler/ui/Scheduler.h"
#include "scheduler/ui/frmMediaPlayer.h"
#include "shell/services/consoleService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/outputService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/profilesService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/showService.h"
#include "shell/services/supportService.h"
#include "platform/prompts.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/ui/frmKeyPad.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"
#include "shortcuts/ui/masterShortcutWindows.h"
#include "shortcuts/ui/sequenceProperties.h"
#include "show/ui/Options.h"
#include "show/ui/frmBackupRestore.h"
#include "support/fakePlatform.h"
#include "support/fakeSystemPower.h"
#include "support/ui/Dialog.h"
#include "support/ui/DialogConfirm.h"
#include "support/ui/frmStartWizard.h"
#include "show/showTestSupport.h"
#include "support/layoutCheck.h"
#include "shell/ui/firstStartScreen.h"
#include "shell/settingsKeys.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QTableWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>
#include <typeinfo>
#include <unistd.h>

namespace {

// The desktop's services with the operator's questions scripted (a modal box
// would wait for ever offscreen) and no devices.
PlatformServices scriptedServices() {
    PlatformServices services = console::desktopServices();
    services.prompts = std::make_unique<FakePrompts>();
    services.placement = std::make_unique<FakePlacementStore>();
    services.ftdi.reset();
    services.portIo.reset();
    services.deviceArrival.reset();
    services.artNet.reset();
    services.waveInput.reset();
    services.power = std::make_unique<FakeSystemPower>(); // never the real computer
    return services;
}

struct RunningConsole {
    QTemporaryDir dir;
    std::unique_ptr<console::Console> c;
    RunningConsole() {
        EXPECT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
        c = std::make_unique<console::Console>(dir.path(), scriptedServices());
        c->start();
        QApplication::processEvents();
    }
    FakePrompts& prompts() { return static_cast<FakePrompts&>(c->shell().prompts()); }
};

template <typename S> bool registered(Shell& s) { return typeid(s.service<S>()) != typeid(S); }

QList<QWidget*> visibleWindows() {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) out << w;
    return out;
}

// Every entry of the main window's menus, submenus included.
QList<QAction*> menuEntries(QMenu* menu) {
    QList<QAction*> out;
    for (QAction* a : menu->actions()) {
        if (a->menu()) out << menuEntries(a->menu());
        else if (!a->isSeparator()) out << a;
    }
    return out;
}

// The frame shown with playback 1's window in it.
frmPlayBackControl* showPlaybackWindow1(Shell& s) {
    auto& frame = form<frmPlayBackManager>();
    frame.show();
    s.playback().clkAddPlaybackControl(1, false, true, false);
    return frame.playbackWindow(1);
}

} // namespace

TEST(Console, registersTheServicesOfEveryBuiltSubsystem) {
    RunningConsole r;
    Shell& s = r.c->shell();
    EXPECT_TRUE(registered<MainWindowService>(s));
    EXPECT_TRUE(registered<OutputService>(s));
    EXPECT_TRUE(registered<PlaybackService>(s));
    EXPECT_TRUE(registered<EffectsService>(s));
    EXPECT_TRUE(registered<ShowService>(s));
    EXPECT_TRUE(registered<ShortcutsService>(s));
    EXPECT_TRUE(registered<ProfilesService>(s));
    EXPECT_TRUE(registered<MatrixService>(s));
    EXPECT_TRUE(registered<PresetsService>(s));
    EXPECT_TRUE(s.output().hasWindows());
    EXPECT_TRUE(s.effects().hasFogWindow());
}

TEST(Console, everyEnabledMenuEntryOpensAWindow) {
    RunningConsole r;
    Main& main = r.c->mainWindow();
    ASSERT_TRUE(main.isVisible());
    main.updateMenuStates();
    int opened = 0;
    for (QAction* top : main.menuBar()->actions()) {
        // The show, sequence and shape commands open no window; they have their own tests.
        if (top->text() == QStringLiteral("File") || top->text() == QStringLiteral("Sequence") ||
            top->text() == QStringLiteral("Shapes"))
            continue;
        for (QAction* entry : menuEntries(top->menu())) {
            if (!entry->isEnabled()) {
                EXPECT_FALSE(entry->toolTip().isEmpty()) << entry->text().toStdString();
                continue;
            }
            // Tool windows the start-up showed are put away first, so each
            // entry has to show its own.
            for (QWidget* w : visibleWindows())
                if (w != &main && w != &r.c->frame()) w->hide();
            const QList<QWidget*> before = visibleWindows();
            entry->trigger();
            QApplication::processEvents();
            bool newWindow = false;
            for (QWidget* w : visibleWindows())
                if (!before.contains(w)) newWindow = true;
            EXPECT_TRUE(newWindow) << "entry " << entry->text().toStdString() << " opened no window";
            ++opened;
        }
    }
    EXPECT_GT(opened, 0);
}

TEST(Console, theWindowsThatExistAreReachable) {
    RunningConsole r;
    Main& main = r.c->mainWindow();
    main.updateMenuStates();
    struct Case {
        const char* entry;
        std::function<QWidget*()> window;
    };
    const Case cases[] = {
        {"Dmx Output Window", [] { return static_cast<QWidget*>(loadedForm<frmDmxOutDisplay>()); }},
        {"DMX Record", [] { return static_cast<QWidget*>(loadedForm<Dmxrecord>()); }},
        {"Fixture Editor", [] { return static_cast<QWidget*>(loadedForm<Light_Editor>()); }},
        {"Fog Controller", [] { return static_cast<QWidget*>(loadedForm<frmFogControl>()); }},
        {"Advanced FX Tool", [] { return static_cast<QWidget*>(loadedForm<ShapeGeneratorWin>()); }},
        {"Sequence Shortcuts", [] { return static_cast<QWidget*>(loadedForm<frmSequenceShortcuts>()); }},
        {"Master Sequence Shortcuts", [] { return static_cast<QWidget*>(loadedForm<Shortcuts>()); }},
        {"Keyboard Shortcut List", [] { return static_cast<QWidget*>(loadedForm<ShortcutsDefined>()); }},
        {"Audio Trigger", [] { return static_cast<QWidget*>(loadedForm<BeatDetect>()); }},
        {"Palettes", [] { return static_cast<QWidget*>(loadedForm<frmPalettes>()); }},
        {"TimeLine Button Scheduler", [] { return static_cast<QWidget*>(loadedForm<Scheduler>()); }},
        {"Media Player", [] { return static_cast<QWidget*>(loadedForm<frmMediaPlayer>()); }},
    };
    for (const Case& c : cases) {
        QAction* entry = main.menuEntry(QString::fromLatin1(c.entry));
        ASSERT_NE(entry, nullptr) << c.entry;
        ASSERT_TRUE(entry->isEnabled()) << c.entry;
        entry->trigger();
        QApplication::processEvents();
        ASSERT_NE(c.window(), nullptr) << c.entry;
        EXPECT_TRUE(c.window()->isVisible()) << c.entry;
    }
    // Not built yet: disabled, and saying so.
    for (const char* caption : {"3D Viewer"}) {
        QAction* entry = main.menuEntry(QString::fromLatin1(caption));
        ASSERT_NE(entry, nullptr) << caption;
        EXPECT_FALSE(entry->isEnabled()) << caption;
        EXPECT_EQ(entry->toolTip(), QStringLiteral("Not available yet")) << caption;
    }
    // No interface is open: the timing editor says why it cannot open.
    EXPECT_EQ(main.menuEntry(QStringLiteral("DMX512 Timing"))->toolTip(), QStringLiteral("No DMX interface is open"));
}

TEST(Console, toolbarButtonsHavePicturesAndOpenTheirWindows) {
    RunningConsole r;
    frmPlayBackManager& frame = r.c->frame();
    ASSERT_TRUE(frame.isVisible());
    for (int index = 1; index <= 21; ++index) {
        if (index == 19) continue; // the spacer
        QAction* button = frame.toolbarButton(index);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->icon().isNull()) << index;
        if (!button->isEnabled()) {
            EXPECT_TRUE(button->toolTip().endsWith(QStringLiteral("(Not available yet)")));
        }
    }
    struct Case {
        int button;
        std::function<QWidget*()> window;
    };
    const Case cases[] = {
        {4, [] { return static_cast<QWidget*>(loadedForm<Light_Editor>()); }},
        {5, [] { return static_cast<QWidget*>(loadedForm<Main>()); }},
        {9, [] { return static_cast<QWidget*>(loadedForm<Shortcuts>()); }},
        {11, [] { return static_cast<QWidget*>(loadedForm<frmFogControl>()); }},
        {16, [] { return static_cast<QWidget*>(loadedForm<BeatDetect>()); }},
        {7, [] { return static_cast<QWidget*>(loadedForm<ShapeGeneratorWin>()); }},
        {8, [] { return static_cast<QWidget*>(loadedForm<frmPalettes>()); }},
        {12, [] { return static_cast<QWidget*>(loadedForm<Scheduler>()); }},
        {15, [] { return static_cast<QWidget*>(loadedForm<frmMediaPlayer>()); }},
    };
    for (const Case& c : cases) {
        QAction* button = frame.toolbarButton(c.button);
        ASSERT_TRUE(button->isEnabled()) << c.button;
        button->trigger();
        QApplication::processEvents();
        ASSERT_NE(c.window(), nullptr) << c.button;
        EXPECT_TRUE(c.window()->isVisible()) << c.button;
    }
    // Buttons 9, 11 and 16 record the opened window.
    const QString ini = r.c->shell().iniFile();
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Shortcuts=True")));
    EXPECT_TRUE(text.contains(QStringLiteral("frmFogControl=True")));
    EXPECT_TRUE(text.contains(QStringLiteral("AudioTrigger=True")));
    // Not built yet: the 3D viewer.
    EXPECT_FALSE(frame.toolbarButton(17)->isEnabled());
}

TEST(Console, showCommandsReachTheShow) {
    RunningConsole r;
    Main& main = r.c->mainWindow();
    main.updateMenuStates();
    const QString file = r.dir.filePath(QStringLiteral("menu.ycf"));
    const size_t asked = r.prompts().fileRequests.size(); // the start-up may have asked for a show
    r.prompts().files.push_back(file);
    main.menuEntry(QStringLiteral("Save Configuration"))->trigger();
    EXPECT_TRUE(QFile::exists(file)) << r.prompts().messages.join(QLatin1Char('|')).toStdString();
    // A cancelled open dialog loads nothing.
    main.menuEntry(QStringLiteral("Load Configuration"))->trigger();
    EXPECT_EQ(r.prompts().fileRequests.size(), asked + 2);
    EXPECT_EQ(r.c->shell().show().showFileName(), QStringLiteral("menu.ycf"));
}

TEST(Console, aLoadedShowReplacesTheIconsAndTheFixtureList) {
    RunningConsole r;
    Shell& s = r.c->shell();
    ChannelModel& m = s.state;
    const QStringList par{QStringLiteral("dimmer"), QStringLiteral("red"), QStringLiteral("green"),
                          QStringLiteral("blue")};
    patchFixtures(m, 1, QStringLiteral("Par"), par, 1, 3);
    const QString file = r.dir.filePath(QStringLiteral("small.YCF"));
    r.prompts().files.push_back(file);
    ASSERT_TRUE(s.show().saveConfiguration(false, true, false))
        << r.prompts().messages.join(QLatin1Char('|')).toStdString();
    // A larger rig on the layout and in the list before the load.
    patchFixtures(m, 2, QStringLiteral("Dim"), {QStringLiteral("dimmer")}, 100, 5);
    s.patch().layoutFixtures(1, m.fixtureCount, false);
    s.patch().reloadFixtureList();
    ASSERT_EQ(layoutEngine().iconCount(), 9);

    ASSERT_TRUE(s.show().loadTheConfiguration(false, file));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m.fixtureCount, 3);
    EXPECT_EQ(layoutEngine().iconCount(), 4);
    EXPECT_EQ(s.patch().fixtureIconName(3), QStringLiteral("Par 3"));
    auto* patch = dynamic_cast<PatchWindowsService*>(&s.patch());
    ASSERT_NE(patch, nullptr);
    ASSERT_NE(patch->loadedFixtureList(), nullptr);
    EXPECT_EQ(patch->loadedFixtureList()->List1->count(), 3);
    ASSERT_NE(patch->loadedLayoutWindow(), nullptr);
    EXPECT_TRUE(patch->loadedLayoutWindow()->isVisible()); // programming mode after a load
}

TEST(Console, openedWindowsKeepTheirControlsApart) {
    RunningConsole r;
    Shell& s = r.c->shell();
    s.output().showOutputMonitor();
    s.output().showDmxRecord();
    s.effects().showFogControl();
    s.shortcuts().showShortcutPages();
    s.shortcuts().showMasterShortcuts();
    s.shortcuts().showKeyList();
    s.profiles().showProfileEditor();
    // The timing editor of an interface that is not open shows its last times.
    form<frmDmxTiming>().show();
    // The profile editor with a channel picked: its range editor is shown.
    Light_Editor& editor = *loadedForm<Light_Editor>();
    editor.New_fixture_Click();
    editor.txtFields[0]->setText(QStringLiteral("4"));
    editor.LoadLightGrid_Click(1);
    ASSERT_TRUE(editor.rangeEditor->isVisible());
    ASSERT_TRUE(editor.List1->isVisible());
    QApplication::processEvents();

    // A playback window of the frame.
    s.playback().clkAddPlaybackControl(1, false, true, false);
    QApplication::processEvents();
    const auto playbackWindows = r.c->frame().findChildren<frmPlayBackControl*>();
    ASSERT_FALSE(playbackWindows.isEmpty());
    // The top bar, and the playback faders with the strip of that playback.
    s.masters().showPlaybackFaders();
    ASSERT_NE(loadedForm<Submaster>(), nullptr);
    ASSERT_FALSE(loadedForm<Submaster>()->strips.empty());

    const std::vector<QWidget*> windows{loadedForm<frmDmxOutDisplay>(), loadedForm<Dmxrecord>(),
                                        loadedForm<frmFogControl>(),    loadedForm<frmSequenceShortcuts>(),
                                        loadedForm<Shortcuts>(),        loadedForm<ShortcutsDefined>(),
                                        loadedForm<frmDmxTiming>(),     &editor,
                                        &r.c->frame(),                  &r.c->mainWindow(),
                                        playbackWindows.front(),        loadedForm<frmTop>(),
                                        loadedForm<Submaster>()};
    for (QWidget* w : windows)
        for (int points : {9, 14}) {
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(layoutCheck::problemsAtFontSize(*w, points).join(QLatin1Char('\n')).toStdString(), "")
                << w->metaObject()->className() << " at " << points << " pt";
        }
    // The range editor stays clear of the channel grid.
    const QRect grid = editor.LoadLightGrid->geometry();
    for (QWidget* w : std::initializer_list<QWidget*>{editor.from, editor.too, editor.values, editor.List1})
        EXPECT_FALSE(QRect(w->mapTo(editor.centralWidget(), QPoint(0, 0)), w->size()).intersects(grid));
}

TEST(Console, theTopBarsProgrammingModeHidesTheFixtureList) {
    RunningConsole r;
    Shell& s = r.c->shell();
    auto* patch = dynamic_cast<PatchWindowsService*>(&s.patch());
    ASSERT_NE(patch, nullptr);
    s.patch().showFixtureList();
    ASSERT_TRUE(patch->loadedFixtureList()->isVisible());
    frmTop* top = loadedForm<frmTop>();
    ASSERT_NE(top, nullptr);
    top->cmdProgramingMode->click();
    ASSERT_NE(patch->loadedFixtureList(), nullptr); // hidden, not unloaded
    EXPECT_FALSE(patch->loadedFixtureList()->isVisible());
    EXPECT_TRUE(patch->loadedLayoutWindow()->isVisible());
}

TEST(Console, aFirstStartOpensOnTheConsoleWithItsWindowsSideBySide) {
    RunningConsole r;
    // No dialog, no tool window piled on top: the four windows of the
    // console's screen, and the layout's fixture list only when it was open.
    EXPECT_TRUE(r.prompts().fileRequests.empty());
    EXPECT_TRUE(firstStartScreen::neverPlaced());
    for (const char* tool : {"frmFogControl", "frmPalettes", "frmStrobe", "BeatDetect"})
        for (QWidget* w : visibleWindows()) EXPECT_NE(w->objectName(), QString::fromLatin1(tool));
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
        const QRect area(QPoint(0, 0), size);
        firstStartScreen::arrange(area);
        std::vector<QWidget*> shown;
        for (const QString& name : firstStartScreen::screenWindows()) {
            QWidget* found = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == name && w->isVisible()) found = w;
            if (!found) continue; // the layout or the pages, by mode
            shown.push_back(found);
            EXPECT_TRUE(area.contains(found->frameGeometry())) << name.toStdString() << " at " << size.width();
        }
        ASSERT_GE(shown.size(), 4u); // top bar, console band, frame, and the layout or the pages
        for (size_t a = 0; a < shown.size(); ++a)
            for (size_t b = a + 1; b < shown.size(); ++b)
                EXPECT_FALSE(shown[a]->frameGeometry().intersects(shown[b]->frameGeometry()))
                    << shown[a]->objectName().toStdString() << " covers " << shown[b]->objectName().toStdString()
                    << " at " << size.width();
        for (QWidget* w : shown)
            EXPECT_EQ(layoutCheck::problems(*w).join(QLatin1Char('\n')).toStdString(), "")
                << w->objectName().toStdString() << " at " << size.width();
    }
    // A tool window open at the quit comes back at the next start.
    ASSERT_NE(r.c->shell().state.showFileName, QString());
    r.c->shell().effects().showFogControl();
    firstStartScreen::rememberToolWindows();
    EXPECT_EQ(settingsKeys::read(settingsKeys::windowsFogControl), QStringLiteral("True"));
    EXPECT_EQ(settingsKeys::read(settingsKeys::windowsPalettes), QStringLiteral("False"));
}

TEST(Console, theTopBarsPatchMenuStartsInTheProfileEditor) {
    // Patching needs a profile first: the entry opens the profile editor,
    // never the patch window on its own.
    RunningConsole r;
    frmTop* top = loadedForm<frmTop>();
    ASSERT_NE(top, nullptr);
    QMenu* patchMenu = nullptr;
    for (QMenu* m : top->findChildren<QMenu*>())
        if (m->title() == QStringLiteral("Patch Menu")) patchMenu = m;
    ASSERT_NE(patchMenu, nullptr);
    QStringList captions;
    for (QAction* a : patchMenu->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Load / Patch New Fixture", "Edit Fixture", "Create New Fixture Profile"}));
    patchMenu->actions().front()->trigger();
    ASSERT_NE(loadedForm<Light_Editor>(), nullptr);
    EXPECT_TRUE(loadedForm<Light_Editor>()->isVisible());
    EXPECT_EQ(loadedForm<NewWhat>(), nullptr);
}

TEST(Console, topBarBackupAndSettingsOpenTheShowWindows) {
    RunningConsole r;
    frmTop* top = loadedForm<frmTop>();
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(loadedForm<frmBackupRestore>(), nullptr);
    top->cmdTop[7]->click(); // "BackUp"
    ASSERT_NE(loadedForm<frmBackupRestore>(), nullptr);
    EXPECT_TRUE(loadedForm<frmBackupRestore>()->isVisible());

    // "Settings" answers a left press alone, each time with a fresh window.
    auto press = [top](Qt::MouseButton button) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(2, 2), top->cmdTop[8]->mapToGlobal(QPointF(2, 2)), button,
                      button, Qt::NoModifier);
        QApplication::sendEvent(top->cmdTop[8], &e);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(2, 2), top->cmdTop[8]->mapToGlobal(QPointF(2, 2)), button,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(top->cmdTop[8], &up);
    };
    press(Qt::RightButton);
    EXPECT_EQ(loadedForm<Options>(), nullptr);
    press(Qt::LeftButton);
    QPointer<Options> first = loadedForm<Options>();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    press(Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    ASSERT_NE(loadedForm<Options>(), nullptr);
    EXPECT_TRUE(loadedForm<Options>()->isVisible());
}

TEST(Console, unusableProgramFolderEndsTheProgram) {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    {
        QFile f(plainFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    struct Case {
        QString folder;
        QString reason;
    };
    std::vector<Case> cases{{plainFile, QStringLiteral("it is a file, not a folder")},
                            {plainFile + QStringLiteral("/below"), QStringLiteral("could not be created")}};
    // Permission bits do not stop root.
    if (geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QDir().mkpath(locked);
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        cases.push_back({locked, QStringLiteral("it is not writable")});
    }
    for (const Case& c : cases) {
        QProcess p;
        p.start(QStringLiteral(VARNEL_APP_EXECUTABLE),
                {QStringLiteral("--program-folder"), c.folder, QStringLiteral("--quit-after"), QStringLiteral("100")});
        ASSERT_TRUE(p.waitForFinished(30000)) << c.folder.toStdString();
        EXPECT_NE(p.exitCode(), 0) << c.folder.toStdString();
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_TRUE(err.contains(c.folder)) << err.toStdString();
        EXPECT_TRUE(err.contains(c.reason)) << err.toStdString();
    }
}

// The stored-shapes browser and the Sequence Properties dialog as the running
// program reaches them: through the effects, console and pages services.
TEST(Console, shapeBrowserAndSequencePropertiesAreReachable) {
    RunningConsole r;
    Shell& s = r.c->shell();
    QDir(r.dir.path()).mkpath(QStringLiteral("Shapes"));
    // Two steps: pan 10 then 20, tilt 50; then the shift steps and group size.
    ASSERT_TRUE(writeWholeFile(r.dir.path() + QStringLiteral("/Shapes/Swing.YSH"),
                               QByteArray::fromHex("0200" "0a003200" "14003200" "00" "0000")));
    s.effects().showShapeBrowser(true);
    dialogFileShapes* browser = loadedForm<dialogFileShapes>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->myAppend);
    ASSERT_TRUE(browser->selectFile(QStringLiteral("Swing.YSH")));
    EXPECT_EQ(browser->Picture1->shape().size(), 2u);
    // No fixture is selected: the console's own message, nothing loaded.
    browser->btnOk->click();
    EXPECT_TRUE(r.prompts().messages.contains(
        QStringLiteral(" No fixtures are Selected,Please select Fixtures Using the Fixture List")));
    s.effects().updateShapePictures();
    EXPECT_TRUE(QFileInfo::exists(r.dir.path() + QStringLiteral("/Images/Shapes/Swing.bmp")));

    s.console().SaveSeq_Click();
    const sequenceProperties* dialog = loadedForm<sequenceProperties>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(s.shortcuts().sequencePropertiesVisible());
}

TEST(Console, aKeyTypedInAPlaybackWindowReachesTheConsolesKeys) {
    RunningConsole r;
    Shell& s = r.c->shell();
    frmPlayBackControl* w = showPlaybackWindow1(s);
    ASSERT_NE(w, nullptr);
    const bool before = s.masters().returnGrandBlackoutState();
    // Delete is the console's blackout key.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier), up(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QApplication::sendEvent(w, &up);
    EXPECT_NE(s.masters().returnGrandBlackoutState(), before);
}

TEST(Console, aTimeTypedOnTheKeypadFromAPlaybackGridBecomesTheCurrentStepsFadeUp) {
    RunningConsole r;
    frmPlayBackControl* w = showPlaybackWindow1(r.c->shell());
    ASSERT_NE(w, nullptr);
    auto& frame = form<frmPlayBackManager>();
    PlaybackEngine& e = w->engine();
    int32_t steps = 3;
    e.setMaxSequenceSteps(steps);
    e.state.currentStep = 2;
    w->displaySequenceData();
    frame.mdiArea()->setActiveSubWindow(frame.subWindowOf(1));
    w->msfgSequenceDetail_Click(2, 2, QPoint(100, 120));
    frmKeyPad* keypad = loadedForm<frmKeyPad>();
    ASSERT_NE(keypad, nullptr);
    EXPECT_EQ(keypad->frameGeometry().topLeft(), QPoint(100, 120));
    const qsizetype shownBefore = r.prompts().messages.size(); // start-up may have said something
    for (int button : {2, 10, 1, 4}) keypad->cmdButton[size_t(button)]->click(); // 3.25
    keypad->cmdEnter->click();
    EXPECT_EQ(r.prompts().messages.size(), shownBefore);
    EXPECT_FLOAT_EQ(e.state.fadeUpTimes[2], 3.25f);
    EXPECT_FLOAT_EQ(e.state.sequenceFadeUpTimes[2], 3.25f);
    EXPECT_EQ(w->msfgSequenceDetail->item(2, 2)->text(), QStringLiteral("3.25"));
}

TEST(Console, theLayoutsFixtureMenuOpensThePropertiesAndTheProfileEditor) {
    RunningConsole r;
    Shell& s = r.c->shell();
    ChannelModel& m = s.state;
    const int slot = m.lightClassCount + 1;
    const int f = m.fixtureCount + 1;
    patchFixtures(m, slot, QStringLiteral("Menu Par"), {QStringLiteral("dimmer"), QStringLiteral("red")}, 400, 1);
    s.patch().layoutFixtures(1, m.fixtureCount, false);
    s.patch().showLayoutWindow();
    auto* patch = dynamic_cast<PatchWindowsService*>(&s.patch());
    ASSERT_NE(patch, nullptr);
    fixture& layout = patch->layoutWindow();
    QApplication::processEvents();
    ASSERT_NE(layout.iconWidget(f), nullptr);
    const QPoint at = layout.iconWidget(f)->geometry().center();
    auto popUpAndChoose = [&](const QString& entry) {
        answerNextPopup(entry);
        for (auto [type, button] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                    std::pair{QEvent::MouseButtonRelease, Qt::LeftButton},
                                    std::pair{QEvent::MouseButtonPress, Qt::RightButton},
                                    std::pair{QEvent::MouseButtonRelease, Qt::RightButton}}) {
            QMouseEvent e(type, QPointF(at), layout.surface()->mapToGlobal(QPointF(at)), button,
                          type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(layout.surface(), &e);
        }
    };
    popUpAndChoose(QStringLiteral("View/Edit Start Channel"));
    frmFixtureProperties* properties = loadedForm<frmFixtureProperties>();
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->lblFixtureName->text(), QStringLiteral("Profile Definition: Menu Par"));

    popUpAndChoose(QStringLiteral("Edit Fixture Definition"));
    Light_Editor* editor = loadedForm<Light_Editor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->txtFields[1]->text(), QStringLiteral("Menu Par"));
}

// Answers the text-entry dialog once it is up (it is modal): types the name
// and presses OK.
static void answerTextEntry(const QString& name) {
    QTimer::singleShot(0, [name] {
        Dialog* d = loadedForm<Dialog>();
        ASSERT_NE(d, nullptr);
        d->Text1->setText(name);
        d->OKButton->click();
        // A refused name would keep it open: Cancel, so the test goes on.
        if (d->isVisible()) d->CancelButton->click();
    });
}

TEST(Console, aNewShowIsConfirmedInTheDialogAndSavedUnderItsNewName) {
    RunningConsole r;
    Main& main = r.c->mainWindow();
    main.updateMenuStates();
    main.menuEntry(QStringLiteral("Clear Configuration / Start New Show"))->trigger();
    DialogConfirm* confirm = loadedForm<DialogConfirm>();
    ASSERT_NE(confirm, nullptr);
    EXPECT_TRUE(confirm->isVisible());
    EXPECT_EQ(confirm->Dialoglabel->text(), QStringLiteral("Are you sure you want to Clear Loaded Configuration/Show "
                                                           "and Start a New Configuration/Show?"));
    ASSERT_TRUE(QDir(r.dir.path()).mkpath(QStringLiteral("Configurations")));
    const QString file = r.dir.filePath(QStringLiteral("Configurations/Premiere.YCF"));
    r.prompts().files.push_back(file);
    confirm->OKButton->click();
    EXPECT_FALSE(confirm->isVisible());
    EXPECT_TRUE(QFile::exists(file)) << r.prompts().messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(r.c->shell().show().showFileName(), QStringLiteral("Premiere.YCF"));
    EXPECT_EQ(r.c->shell().state.totalChannels, 512);
}

TEST(Console, playbacksAndSequencesAreRenamedThroughTheTextEntryDialog) {
    RunningConsole r;
    Shell& s = r.c->shell();
    frmPlayBackControl* w = showPlaybackWindow1(s);
    ASSERT_NE(w, nullptr);
    QAction* alias = nullptr;
    for (QAction* a : w->clkMenu->actions())
        if (a->text() == QStringLiteral("Rename/Name Playback Alias")) alias = a;
    ASSERT_NE(alias, nullptr);
    answerTextEntry(QStringLiteral("Opening"));
    alias->trigger();
    EXPECT_EQ(s.state.tables.playbackNames[0], QStringLiteral("Opening"));

    const QString folder = r.dir.filePath(QStringLiteral("Sequences/Club"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(writeWholeFile(folder + QStringLiteral("/Intro.YSQ"), QByteArray("seq")));
    answerTextEntry(QStringLiteral("Walk In"));
    EXPECT_TRUE(s.support().renamePlaybackSequence(QStringLiteral("Club\\Intro.YSQ")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/Walk In.YSQ")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/Intro.YSQ")));
}

TEST(Console, theStartWizardUpdateCheckAndShutDownAreReachable) {
    RunningConsole r;
    Shell& s = r.c->shell();
    s.support().showStartWizard();
    frmStartWizard* chooser = loadedForm<frmStartWizard>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());

    frmTop* top = loadedForm<frmTop>();
    ASSERT_NE(top, nullptr);
    QAction* check = nullptr;
    for (QMenu* menu : top->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (a->text() == QStringLiteral("Check For Update")) check = a;
    ASSERT_NE(check, nullptr);
    check->trigger();
    // A console asks no server until one is set.
    EXPECT_EQ(r.prompts().messages.last(), QStringLiteral("No update server is set: ylc.ini [Update] Location."));

    Main& main = r.c->mainWindow();
    main.updateMenuStates();
    QAction* shutDown = main.menuEntry(QStringLiteral("Shut Down Computer"));
    ASSERT_NE(shutDown, nullptr);
    ASSERT_TRUE(shutDown->isEnabled());
    auto& power = static_cast<FakeSystemPower&>(*s.power());
    r.prompts().answers.push_back(msgBox::No);
    shutDown->trigger();
    EXPECT_EQ(r.prompts().messages.last(), QStringLiteral("ARE YOU SURE YOU WANT TO SHUT DOWN THE COMPUTER?"));
    EXPECT_TRUE(power.requests.empty());
}
