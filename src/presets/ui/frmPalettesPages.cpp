// The palette window's pages of fixture groups, stored movement shapes,
// stored RGB colour chases and live playbacks: building them, a press on
// their buttons and their popup menus.

#include "presets/ui/frmPalettes.h"

#include "platform/prompts.h"
#include "presets/presetsEngine.h"
#include "presets/specialPages.h"
#include "shell/libParsePath.h"
#include "shell/services/consoleService.h"
#include "shell/services/effectsService.h"
#include "shell/services/matrixService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QScrollArea>
#include <QSpinBox>
#include <stdexcept>

namespace {

constexpr int twipsPerPixel = 15;
constexpr int32_t orange = 0x80FF, white = 0xFFFFFF, yellow = 0xFFFF;

PresetsEngine& presetsEngine() { return static_cast<PresetsEngine&>(shell().presets()); }

QString what(const std::exception& e) { return QString::fromStdString(e.what()); }

} // namespace

void frmPalettes::makePageMenus() {
    clkGroups = new QMenu(QStringLiteral("Groups Menu"), this);
    connect(clkGroups->addAction(QStringLiteral("Delete Group")), &QAction::triggered, this,
            [this] { clkDeleteGroup_Click(); });
    connect(clkGroups->addAction(QStringLiteral("Rename Group")), &QAction::triggered, this,
            [this] { clkRenameGroup_Click(); });
    connect(clkGroups->addAction(QStringLiteral("Create Group From Selected Fixtures")), &QAction::triggered, this,
            [this] { clkCreateGroupFromSelectedFixtures_Click(); });
    clkShapes = new QMenu(QStringLiteral("Shapes Menu"), this);
    connect(clkShapes->addAction(QStringLiteral("Delete Shape Shortcut")), &QAction::triggered, this,
            [this] { clkDeleteShapeShortcut_Click(); });
    clkRGBMenu = new QMenu(QStringLiteral("RGB Menu"), this);
    connect(clkRGBMenu->addAction(QStringLiteral("Delete RGB Profile")), &QAction::triggered, this,
            [this] { clkDeleteRGBProfile_Click(); });
    connect(clkRGBMenu->addAction(QStringLiteral("Edit RGB Profile")), &QAction::triggered, this,
            [this] { clkEditRGBProfile_Click(); });
    connect(clkRGBMenu->addAction(QStringLiteral("Brumal Matrix")), &QAction::triggered, this,
            [] { shell().matrix().showBrumalMatrix(); });
    connect(clkRGBMenu->addAction(QStringLiteral("View RGD Editor")), &QAction::triggered, this,
            [] { shell().effects().showRgbEditor(); });
}

// ---- Opening and building ---------------------------------------------------------------------------

void frmPalettes::openSpecialPage(int index) {
    PresetsEngine& e = presetsEngine();
    switch (index) {
    case 8:
        e.setFilenameToLoadPresets(QStringLiteral("Groups"));
        buildGroupPage();
        break;
    case 9:
        setEnabled(false);
        e.setFilenameToLoadPresets(QStringLiteral("ShapeShortCuts"));
        buildShapePage();
        setEnabled(true);
        break;
    case 10:
        setEnabled(false);
        e.setFilenameToLoadPresets(QStringLiteral("RGBProfiles"));
        buildRgbEffectPage();
        setEnabled(true);
        break;
    case 15:
        e.setFilenameToLoadPresets(QStringLiteral("Live"));
        buildLivePage();
        break;
    default: break; // the Faders and Joystick pages are the attribute controls'
    }
}

void frmPalettes::showPageButtons(std::vector<palettePage::PageButton> buttons, bool pictures,
                                  const QString& createNewTip) {
    clearPalettePage();
    pageButtons = std::move(buttons);
    QRect extent = createNew->geometry();
    for (size_t i = 0; i < pageButtons.size(); ++i) {
        const palettePage::PageButton& m = pageButtons[i];
        auto* b = new PaletteButton(int(i) + 1, page);
        presetButtons.push_back(b);
        connect(b, &PaletteButton::pressed, this, &frmPalettes::imgProperty_MouseDown);
        connect(b, &PaletteButton::released, this, &frmPalettes::imgProperty_MouseUp);
        b->placeAt(m.left, m.top);
        b->setBorder(orange, 3);
        b->setToolTip(m.toolTip);
        QPixmap thumbnail;
        if (pictures && thumbnail.load(shell().programPath(QStringLiteral("images") + m.caption))) {
            b->face->setPixmap(thumbnail.scaled(b->face->size(), Qt::KeepAspectRatio));
        } else {
            b->face->setText(pictures ? m.tag : m.caption);
            b->face->setStyleSheet(
                QStringLiteral("QLabel#%1 { color: white; background: black; }").arg(b->face->objectName()));
        }
        b->show();
        extent = extent.united(b->geometry());
    }
    page->resize(std::max(extent.right() + 20, scroll->viewport()->width()),
                 std::max(extent.bottom() + 60, scroll->viewport()->height()));
    createNew->face->setPixmap(QPixmap());
    createNew->face->setText(createNewTip);
    createNew->setToolTip(createNewTip);
    createNew->setBorder(orange, 3);
    createNew->show();
}

void frmPalettes::buildGroupPage() {
    try {
        // A group that cannot be shown is skipped; its name and members stay in the show.
        showPageButtons(palettePage::groupButtons(shell().state.tables.groupNames, pageWidthTwips()), false,
                        QStringLiteral("Create New  Fixture Group"));
        highlightSelectedGroups(false);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Read In Groups:") + what(e));
    }
}

void frmPalettes::highlightSelectedGroups(bool shiftHeld) {
    if (marked != 8) return;
    const int32_t ticked = shell().patch().tickedGroup();
    for (size_t i = 0; i < pageButtons.size() && i < presetButtons.size(); ++i) {
        PaletteButton* b = presetButtons[i];
        b->setBorder(palettePage::groupFrameColour(pageButtons[i].number, ticked, shiftHeld, b->borderColour()), 3);
    }
}

void frmPalettes::buildShapePage() {
    try {
        showPageButtons(palettePage::fileButtons(shell().programPath(QStringLiteral("Shapes")), QStringLiteral("YSH"),
                                                 QStringLiteral("\\Shapes\\"), pageWidthTwips()),
                        true, QStringLiteral("Create New Shape in current catagory"));
    } catch (const std::exception& e) {
        // Nothing is deleted: the listing reads no shape, so no file is suspect.
        shell().prompts().messageBox(QStringLiteral("Error Reading In Movement FX: ") + what(e));
    }
}

void frmPalettes::buildRgbEffectPage() {
    try {
        showPageButtons(palettePage::fileButtons(shell().programPath(QStringLiteral("RGB")), QStringLiteral("YCP"),
                                                 QStringLiteral("\\RGB\\"), pageWidthTwips()),
                        true, QStringLiteral("Create NEW RGB-EFX"));
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral(" Error showing RGB FX: ") + what(e));
    }
}

void frmPalettes::buildLivePage() {
    showPageButtons(palettePage::liveButtons(shell().playback().returnLivePlaybacks(), pageWidthTwips()), false,
                    QString());
    setLiveMode(liveMode);
}

void frmPalettes::setLiveMode(bool on) {
    liveMode = on;
    if (marked != 15) return;
    createNew->face->setText(on ? QStringLiteral("LIVE ON") : QStringLiteral("LIVE OFF"));
    createNew->setToolTip(on ? QStringLiteral("Live mode is on") : QStringLiteral("Live mode is off"));
    createNew->show();
}

void frmPalettes::loadShape(int index) {
    if (index < 1 || size_t(index) > pageButtons.size()) return;
    try {
        delete txtOffsetValue;
        txtOffsetValue = new QSpinBox(page);
        txtOffsetValue->setObjectName(QStringLiteral("txtOffsetValue"));
        txtOffsetValue->setRange(0, 255);
        txtOffsetValue->setValue(1);
        txtOffsetValue->setProperty("buttonIndex", index);
        const PaletteButton* b = presetButtons[size_t(index) - 1];
        txtOffsetValue->move(b->x() + 50 / twipsPerPixel, b->y() + 650 / twipsPerPixel);
        const QString path = shell().programPath(QStringLiteral("Shapes\\") + pageButtons[size_t(index) - 1].tag +
                                                 QStringLiteral(".YSH"));
        if (QFileInfo(path).isFile()) {
            QString error;
            const std::optional<int32_t> shift = palettePage::shapeStepShift(path, &error);
            if (!shift) throw std::runtime_error(error.toStdString());
            txtOffsetValue->setValue(*shift);
        }
        txtOffsetValue->show();
        txtOffsetValue->raise();
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error in LoadShape: ") + what(e));
    }
}

// ---- Presses ----------------------------------------------------------------------------------------

bool frmPalettes::pagePress(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (marked != 8 && marked != 9 && marked != 10 && marked != 15) return false;
    Shell& s = shell();
    const bool held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    lastPresetIndex = index;
    movingPresetIndex = 0;
    PaletteButton* b = buttonAt(index);
    const palettePage::PageButton* m =
        index >= 1 && size_t(index) <= pageButtons.size() ? &pageButtons[size_t(index) - 1] : nullptr;
    if (index == 0) {
        switch (marked) {
        case 8: clkCreateGroupFromSelectedFixtures_Click(); break;
        case 9: s.effects().showShapeGenerator(); break;
        case 10: clkEditRGBProfile_Click(); break;
        default:
            if (!liveMode) {
                setLiveMode(true);
            } else {
                setLiveMode(false);
                clearLivePresets(0, true);
            }
        }
        return true;
    }
    if (!b || !m) return true;
    lastPresetPath = marked == 9 ? s.programPath(QStringLiteral("Shapes\\") + m->tag + QStringLiteral(".YSH"))
                     : marked == 10 ? s.programPath(QStringLiteral("RGB\\") + m->tag + QStringLiteral(".YCP"))
                                    : QString();
    if (marked == 15) {
        clearLivePresets(index, false);
        return true;
    }
    if (button != Qt::LeftButton) {
        QMenu* menu = marked == 8 ? clkGroups : marked == 9 ? clkShapes : clkRGBMenu;
        menu->popup(QCursor::pos());
        return true;
    }
    b->setBorder(white, b->borderWidth());
    int32_t current = s.state.currentPlayback;
    if (marked == 8) {
        s.patch().selectGroup(m->number, held);
        b->setBorder(yellow, b->borderWidth());
    } else if (marked == 9) {
        loadShape(index);
        QString alias = QStringLiteral("Shapes");
        s.playback().setPlaybackAlias(alias, current, QStringLiteral("shape"));
        activateShape(index, held);
    } else {
        QString alias = QStringLiteral("RGB");
        s.playback().setPlaybackAlias(alias, current, QStringLiteral("rgb-fx"));
        activateRgbEffect(index);
    }
    return true;
}

void frmPalettes::clearLivePresets(int index, bool all) {
    Shell& s = shell();
    try {
        const size_t from = all ? 1 : size_t(index), to = all ? pageButtons.size() : size_t(index);
        for (size_t i = from; i >= 1 && i <= to && i <= pageButtons.size(); ++i) {
            const palettePage::PageButton& m = pageButtons[i - 1];
            if (s.playback().refreshAlteredPlayback(m.caption)) continue;
            s.playback().clearSequenceInChaser(m.number);
            s.playback().hidePlayback(m.number);
        }
        s.playback().refreshVisiblePlaybacks();
        s.state.currentPlayback = 1;
        s.playback().UpdateMainDisplay(1);
        cmdMisc4_Click();
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error Clearing Live Presets:") + what(e));
    }
}

void frmPalettes::activateShape(int index, bool append) {
    Shell& s = shell();
    if (index < 1 || size_t(index) > pageButtons.size()) return;
    try {
        const QString name = pageButtons[size_t(index) - 1].tag;
        if (!s.console().ShapeGenerator(append, s.programPath(QStringLiteral("Shapes\\") + name + QStringLiteral(".YSH")),
                                        0, 0, 0, 0))
            return; // the console has said why
        const int32_t current = s.state.currentPlayback;
        s.playback().fadeFromCurrent(current, 1);
        clsEvent event;
        for (int32_t f = 1; f <= s.state.fixtureCount; ++f)
            if (s.patch().isSelected(f)) event.eventFixtureNumbers += QString::number(f) + QLatin1Char(',');
        event.eventName = QLatin1Char('@') + name;
        event.eventStepNumber = 1;
        event.eventType = QStringLiteral("m-fx");
        s.presets().sendEventToPlayback(current, event);
        // The steps are shifted from fixture to fixture by the shape's step shift.
        s.effects().activateShapeTool();
        s.effects().setStepShiftText(QString::number(s.console().dmxPilotShiftSteps()));
        s.effects().shiftMovement();
        s.console().play(current, true);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error in Activate Shape: ") + what(e));
    }
}

void frmPalettes::activateRgbEffect(int index) {
    if (index < 1 || size_t(index) > pageButtons.size()) return;
    try {
        shell().effects().executeRGBProfile(
            shell().programPath(QStringLiteral("RGB\\") + pageButtons[size_t(index) - 1].tag + QStringLiteral(".YCP")));
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error in Activate RGB:") + what(e));
    }
}

// ---- Menu commands ----------------------------------------------------------------------------------

void frmPalettes::clkDeleteGroup_Click() {
    if (lastPresetIndex < 1 || size_t(lastPresetIndex) > pageButtons.size()) return;
    shell().patch().deleteAGroup(pageButtons[size_t(lastPresetIndex) - 1].number);
    buildGroupPage();
}

void frmPalettes::clkRenameGroup_Click() {
    if (lastPresetIndex < 1 || size_t(lastPresetIndex) > pageButtons.size()) return;
    shell().patch().renameGroup(pageButtons[size_t(lastPresetIndex) - 1].number);
    buildGroupPage();
}

void frmPalettes::clkCreateGroupFromSelectedFixtures_Click() {
    shell().patch().createGroup();
    cmdGroups_Click();
}

void frmPalettes::clkDeleteShapeShortcut_Click() {
    if (lastPresetIndex >= 1 && !lastPresetPath.isEmpty()) QFile::moveToTrash(lastPresetPath);
    cmdMovements_Click();
}

void frmPalettes::clkDeleteRGBProfile_Click() {
    if (lastPresetIndex >= 1 && size_t(lastPresetIndex) <= pageButtons.size())
        QFile::moveToTrash(shell().programPath(QStringLiteral("RGB\\") + pageButtons[size_t(lastPresetIndex) - 1].tag +
                                               QStringLiteral(".YCP")));
    cmdRGB_Click();
}

void frmPalettes::clkEditRGBProfile_Click() {
    QString path;
    if (lastPresetIndex >= 1 && size_t(lastPresetIndex) <= pageButtons.size())
        path = shell().programPath(QStringLiteral("RGB\\") + pageButtons[size_t(lastPresetIndex) - 1].tag +
                                   QStringLiteral(".YCP"));
    shell().effects().editRGBProfile(path);
}
