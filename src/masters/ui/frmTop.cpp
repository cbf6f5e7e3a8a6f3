#include "masters/ui/frmTop.h"

#include "masters/ui/mastersWidgets.h"
#include "platform/prompts.h"
#include "shell/services/patchService.h"
#include "shell/services/profilesService.h"
#include "shell/services/showService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/supportService.h"
#include "shell/shell.h"
#include "shell/windowMenu.h"
#include "shell/ui/windowFunctions.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace {
const char* const commandCaptions[10][2] = {
    {"Exit", "Close Program"},
    {"Tools", "Tools"},
    {"New", "New Light Show"},
    {"Load", "Load light show/Configuration from LOCAL file"},
    {"Save", "Save Current Light Show/Configuration to LOCAL File"},
    {"Patch", "Patch and add FIxtures"},
    {"3D", "3D Viewer"},
    {"BackUp", "Backup Current Show"},
    {"Settings", "Settings "},
    {"Help", "Help Options"},
};
// Left to right on the bar.
const int commandOrder[10] = {0, 2, 5, 1, 3, 4, 7, 6, 8, 9};
} // namespace

QPushButton* frmTop::button(const QString& name, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
}

frmTop::frmTop() : engine(mastersEngine()) {
    setObjectName(QStringLiteral("frmTop"));
    setWindowTitle(QStringLiteral("VarnelDMX"));
    auto* grid = new QGridLayout(this);
    cmdPlaybackMode = button(QStringLiteral("cmdPlaybackMode"), QStringLiteral("Playback Mode"),
                             QStringLiteral("Show sceen that shows the programmed buttons"));
    cmdProgramingMode =
        button(QStringLiteral("cmdProgramingMode"), QStringLiteral("Programming Mode"),
               QStringLiteral("Go to screen that allows the programming of a button or live scene manipulation"));
    grid->addWidget(cmdPlaybackMode, 0, 0);
    grid->addWidget(cmdProgramingMode, 0, 1);

    auto* left = new QHBoxLayout;
    for (int i : commandOrder) {
        cmdTop[size_t(i)] = button(QStringLiteral("cmdTop%1").arg(i), QString::fromLatin1(commandCaptions[i][0]),
                                   QString::fromLatin1(commandCaptions[i][1]));
        left->addWidget(cmdTop[size_t(i)]);
        if (i == 8) cmdTop[size_t(i)]->installEventFilter(this); // acts on a left press
        else connect(cmdTop[size_t(i)], &QPushButton::clicked, this, [this, i] { commandRow(i); });
    }
    left->addStretch();
    // The commands and the page buttons take a row each, so the bar fits a
    // 1366-pixel screen with every caption whole.
    grid->addLayout(left, 1, 0, 1, 2);

    auto* right = new QHBoxLayout;
    cmdClealAll = button(QStringLiteral("cmdClealAll"), QStringLiteral("Clear All"),
                         QStringLiteral("Keyboard Shortcut is Escape + SHift Button"));
    cmdReleasePage = button(QStringLiteral("cmdReleasePage"), QStringLiteral("Release Page"),
                            QStringLiteral("Release all buttons on this page"));
    cmdCreateButtonGroup =
        button(QStringLiteral("cmdCreateButtonGroup"), QStringLiteral("Group Buttons"),
               QStringLiteral("Create a button group by clicking this button and then drawing the group on the page "
                              "below. This will allow you to create a visual cue list."));
    cmdResetPage = button(QStringLiteral("cmdResetPage"), QStringLiteral("Reset Page"),
                          QStringLiteral("Reset all button positions and delete button groups on this page."));
    cmdButtonMode = button(QStringLiteral("cmdButtonMode"), QStringLiteral("Default Mode"),
                           QStringLiteral("This changes the button mode when pressed, three modes are available. "
                                          "Default, Release always, and Stack always."));
    cmdButtonWizard = button(QStringLiteral("cmdButtonWizard"), QStringLiteral("Button Wizard"), QString());
    cmdMasterPause = button(QStringLiteral("cmdMasterPause"), QStringLiteral("Master Pause"),
                            QStringLiteral("Use your Pause/Break key as Keyboard Shortcut."));
    for (QPushButton* b : {cmdClealAll, cmdReleasePage, cmdCreateButtonGroup, cmdResetPage, cmdButtonMode,
                           cmdButtonWizard, cmdMasterPause})
        right->addWidget(b);
    for (int i = 0; i < TopBar::layerButtons; ++i) {
        cmdLayers[size_t(i)] = button(QStringLiteral("cmdLayers%1").arg(i), QString(), QString());
        cmdLayers[size_t(i)]->installEventFilter(this);
        right->addWidget(cmdLayers[size_t(i)]);
    }
    cmdLayers[0]->setToolTip(QStringLiteral("Layer for Fixture Layout"));
    right->addStretch();
    lblDateTime = new QLabel(this);
    lblDateTime->setObjectName(QStringLiteral("lblDateTime"));
    right->addWidget(lblDateTime);
    cmdBlackOut = button(QStringLiteral("cmdBlackOut"), QString(), QStringLiteral("Blackout (Delete key on your keyboard)"));
    cmdBlackOut->setMinimumWidth(90);
    right->addWidget(cmdBlackOut);
    grid->addLayout(right, 2, 0, 1, 2);
    statusText = new QLabel(this);
    statusText->setObjectName(QStringLiteral("statusText"));
    grid->addWidget(statusText, 3, 0, 1, 2);

    ShortcutsService& pages = shell().shortcuts();
    connect(cmdPlaybackMode, &QPushButton::clicked, this, [this] { engine.cmdPlaybackMode_Click(); });
    connect(cmdProgramingMode, &QPushButton::clicked, this, [this] { engine.cmdProgramingMode_Click(); });
    connect(cmdBlackOut, &QPushButton::clicked, this, [this] { engine.cmdBlackOut_Click(); });
    connect(cmdMasterPause, &QPushButton::clicked, this, [this] { engine.cmdMasterPause_Click(); });
    connect(cmdReleasePage, &QPushButton::clicked, this, [&pages] { pages.releaseAllAndCreateNew(true); });
    connect(cmdCreateButtonGroup, &QPushButton::clicked, this, [&pages] { pages.setGroupCreate(false); });
    connect(cmdResetPage, &QPushButton::clicked, this, [&pages] { pages.cmdReset_Click(); });
    connect(cmdButtonMode, &QPushButton::clicked, this, [&pages] { pages.cmdLockorStack_Click(); });
    connect(cmdButtonWizard, &QPushButton::clicked, this, [&pages] { pages.releaseAllAndCreateNew(false); });

    layerMenu = new QMenu(QStringLiteral("layerMenu"), this);
    layerMenu->addAction(QStringLiteral("Add View"))->setData(1);
    layerMenu->addAction(QStringLiteral("Rename View"))->setData(2);
    layerMenu->addAction(QStringLiteral("Delete View"))->setData(3);
    patchMenu = new QMenu(QStringLiteral("Patch Menu"), this);
    // Patching starts in the profile editor, where a profile is chosen
    // first; the patch window follows from there.
    connect(patchMenu->addAction(QStringLiteral("Load / Patch New Fixture")), &QAction::triggered, this,
            [] { windowMenu::Fixture_Editor_Click(); });
    connect(patchMenu->addAction(QStringLiteral("Edit Fixture")), &QAction::triggered, this,
            [] { shell().profiles().editFixture(); });
    connect(patchMenu->addAction(QStringLiteral("Create New Fixture Profile")), &QAction::triggered, this,
            [] { shell().profiles().createNewFixtureProfile(); });
    helpMenu = new QMenu(QStringLiteral("Help Menu"), this);
    connect(helpMenu->addAction(QStringLiteral("Help")), &QAction::triggered, this, [] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(shell().programFolder()).filePath("Help/Help.htm")));
    });
    connect(helpMenu->addAction(QStringLiteral("Check For Update")), &QAction::triggered, this,
            [] { shell().support().checkForUpdate(false); });

    engine.top.height = 1245;
    engine.attach(this);
    mastersChanged();
}

frmTop::~frmTop() { engine.detach(this); }

void frmTop::commandRow(int index) {
    Prompts& prompts = shell().prompts();
    switch (index) {
    case 0:
        if (QWidget* frame = miscGlobalFunctions::topLevelWindow(QStringLiteral("frmPlayBackManager"))) frame->close();
        break;
    case 2: shell().show().clearall(); break;
    case 3:
        prompts.messageBox(QStringLiteral("This function is only meant for loading a show from THIS Computer. Use "
                                          "backup to move the show to another computer."),
                           msgBox::Critical);
        shell().show().loadTheConfiguration(true, QString());
        break;
    case 4:
        prompts.messageBox(QStringLiteral("This function is only meant for saving a show to THIS Computer. Use "
                                          "backup/restore to move this show to another computer."),
                           msgBox::Critical);
        shell().show().saveConfiguration(true, true, true);
        break;
    case 5: patchMenu->popup(QCursor::pos()); break;
    case 7: shell().show().showBackupRestore(); break;
    case 9: helpMenu->popup(QCursor::pos()); break;
    default: break;
    }
}

bool frmTop::eventFilter(QObject* o, QEvent* e) {
    // Settings answers a left press, not a click; the options window starts fresh.
    if (o == cmdTop[8] && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        shell().show().showOptions(true);
        return false;
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < TopBar::layerButtons; ++i) {
            if (o != cmdLayers[size_t(i)]) continue;
            const auto* me = static_cast<QMouseEvent*>(e);
            engine.top.cmdLayers_MouseUp(i, me->button() == Qt::RightButton ? 2 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

int frmTop::chooseLayerMenuItem() {
    QAction* a = layerMenu->exec(QCursor::pos());
    return a ? a->data().toInt() : 0;
}

void frmTop::mastersChanged() {
    const TopBar& t = engine.top;
    mastersUi::paintFace(cmdPlaybackMode, t.playbackModeColour);
    mastersUi::paintFace(cmdProgramingMode, t.programingModeColour);
    cmdPlaybackMode->setEnabled(t.playbackModeEnabled);
    for (QPushButton* b : {cmdClealAll, cmdReleasePage, cmdCreateButtonGroup, cmdResetPage, cmdButtonMode,
                           cmdButtonWizard, cmdMasterPause})
        b->setVisible(t.pageButtonsVisible);
    cmdCreateButtonGroup->setText(t.groupButtonText);
    cmdButtonMode->setText(t.buttonModeText);
    for (int i = 0; i < TopBar::layerButtons; ++i) {
        const LayerButton& l = t.layers[size_t(i)];
        cmdLayers[size_t(i)]->setText(l.caption);
        cmdLayers[size_t(i)]->setVisible(l.visible);
        mastersUi::paintFace(cmdLayers[size_t(i)], l.colour);
    }
    lblDateTime->setText(t.clock);
    lblDateTime->setVisible(t.clockVisible);
    mastersUi::paintFace(cmdBlackOut, t.blackoutFace);
    cmdBlackOut->setText(t.blackoutCaption);
    statusText->setText(engine.topBarText);
    statusText->setVisible(!engine.topBarText.isEmpty());
}

void frmTop::open() {
    show();
    raise();
}
