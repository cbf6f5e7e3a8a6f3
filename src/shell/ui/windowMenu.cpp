#include "shell/ui/windowMenu.h"

#include "shell/services/mainWindowService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"
#include "shell/ui/workspace.h"
#include "shell/windowMenu.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace windowMenuUi {

namespace {
constexpr int twipsPerPixel = 15;

void add(QMenu* menu, const QString& caption, const QString& name, void (*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, [command] { command(); });
}

} // namespace

void openScheduler() {
    QRect screen(0, 0, 1024, 768);
    if (const QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry();
    const Main* main = loadedForm<Main>();
    // Under the shortcut pages when they are open, else under the main window.
    const QWidget* pages = miscGlobalFunctions::topLevelWindow(QStringLiteral("frmSequenceShortcuts"));
    if (pages && !pages->isVisible()) pages = nullptr;
    const QWidget* above = pages ? pages : main;
    const int below = above ? (above->frameGeometry().bottom() + 1) * twipsPerPixel : 0;
    windowMenu::schedulerclick_Click(screen.width() * twipsPerPixel, screen.height() * twipsPerPixel, below,
                                     main ? main->x() * twipsPerPixel : 0);
}

void fillWindowMenu(QMenu* menu) {
    menu->setObjectName(QStringLiteral("Prefrences"));
    QMenu* dmxView = menu->addMenu(QStringLiteral("Dmx View"));
    dmxView->setObjectName(QStringLiteral("clkDMXView"));
    add(dmxView, QStringLiteral("Dmx Output Window"), QStringLiteral("clkViewDmxOutWindow"),
        &windowMenu::clkViewDmxOutWindow_Click);
    add(dmxView, QStringLiteral("DMX Channel Configuration"), QStringLiteral("dmxChannelConfigurationClick"),
        &windowMenu::dmxChannelConfigurationClick_Click);
    add(dmxView, QStringLiteral("Patch List"), QStringLiteral("clkPatchList"), &windowMenu::clkPatchList_Click);
    QMenu* rgb = menu->addMenu(QStringLiteral("RGB and Matrix"));
    rgb->setObjectName(QStringLiteral("clkRGBMatrix"));
    add(rgb, QStringLiteral("L.E.D. / RGB Editor"), QStringLiteral("clkRGBEditor"), &windowMenu::clkRGBEditor_Click);
    add(rgb, QStringLiteral("Brumal Matrix "), QStringLiteral("clkViewBrumalPixel"),
        &windowMenu::clkViewBrumalPixel_Click);
    QMenu* tools = menu->addMenu(QStringLiteral("Advanced Tools"));
    tools->setObjectName(QStringLiteral("clkAdvancedTools"));
    add(tools, QStringLiteral("Advanced FX Tool"), QStringLiteral("shapegenmenu"), &windowMenu::shapegenmenu_Click);
    add(tools, QStringLiteral("TimeLine Button Scheduler"), QStringLiteral("schedulerclick"), &openScheduler);

    // The windows of the frame's toolbar, for the keyboard and the menu bar.
    QMenu* windowsMenu = menu->addMenu(QStringLiteral("Windows"));
    windowsMenu->setObjectName(QStringLiteral("clkWindows"));
    add(windowsMenu, QStringLiteral("Fixture Profile Editor"), QStringLiteral("Fixture_Editor"),
        &windowMenu::Fixture_Editor_Click);
    add(windowsMenu, QStringLiteral("Fixture List"), QStringLiteral("showFixtureList"), &windowMenu::showFixtureList);
    add(windowsMenu, QStringLiteral("Palettes"), QStringLiteral("showPalettes"), &windowMenu::showPalettes);
    add(windowsMenu, QStringLiteral("MASTER Shortcuts"), QStringLiteral("showMasterShortcuts"),
        &windowMenu::showMasterShortcuts);
    add(windowsMenu, QStringLiteral("Playback Faders"), QStringLiteral("showPlaybackFaders"),
        &windowMenu::showPlaybackFaders);
    add(windowsMenu, QStringLiteral("Fog Control"), QStringLiteral("showFogControl"), &windowMenu::showFogControl);
    add(windowsMenu, QStringLiteral("DMX Input"), QStringLiteral("showDmxInput"), &windowMenu::showDmxInput);
    add(windowsMenu, QStringLiteral("Media Player"), QStringLiteral("mediaplayermain"),
        &windowMenu::mediaplayermain_Click);
    add(windowsMenu, QStringLiteral("Audio Trigger"), QStringLiteral("showAudioTrigger"),
        &windowMenu::showAudioTrigger);
    add(windowsMenu, QStringLiteral("3D Viewer"), QStringLiteral("pellamVisualizer"),
        &windowMenu::pellamVisualizer_Click);
    add(windowsMenu, QStringLiteral("Sequence Wizard"), QStringLiteral("showSequenceWizard"),
        &windowMenu::showSequenceWizard);
    add(windowsMenu, QStringLiteral("Master"), QStringLiteral("lblMaster"), &windowMenu::lblMaster_Click);

    menu->addSeparator();
    add(menu, QStringLiteral("Save Workspace"), QStringLiteral("saveWorkspace"), &workspace::saveWorkspace);
    add(menu, QStringLiteral("Load Workspace"), QStringLiteral("loadWorkspace"), &workspace::loadWorkspace);
    add(menu, QStringLiteral("Credits"), QStringLiteral("clkAbout"), [] { shell().mainWindow().showAbout(); });

    QMenu* loaded = menu->addMenu(QStringLiteral("Loaded Playbacks"));
    loaded->setObjectName(QStringLiteral("clkShowthePlayback"));
    // Opening the menu first rebuilds the list of loaded playbacks.
    QObject::connect(menu, &QMenu::aboutToShow, loaded, [loaded] { fillLoadedPlaybacksMenu(loaded); });
    fillLoadedPlaybacksMenu(loaded);
}

void fillLoadedPlaybacksMenu(QMenu* menu) {
    menu->clear();
    for (const auto& [number, caption] : shell().playback().visiblePlaybackCaptions()) {
        QAction* action = menu->addAction(caption);
        action->setData(number);
    }
    menu->setEnabled(!menu->isEmpty());
}

void fillEditFixtureMenu(QMenu* menu) {
    add(menu, QStringLiteral("Strobe Settings"), QStringLiteral("clkViewStrobeSettings"),
        &windowMenu::clkViewStrobeSettings_Click);
    add(menu, QStringLiteral("Change Text BackColor"), QStringLiteral("clkChangeTextBackColor"),
        &windowMenu::clkChangeTextBackColor_Click);
}

void fillEditMenu(QMenu* menu) {
    add(menu, QStringLiteral("Show Embeded Preset Data"), QStringLiteral("clkShowPresetData"),
        &windowMenu::clkShowPresetData_Click);
}

} // namespace windowMenuUi
