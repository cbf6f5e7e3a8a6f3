// The selection kept on the layout's icons: the queries other subsystems
// read, the control wing's highlight walk, and the press/move/release state
// machine of the window's surface.
#include "patch/fixtureGroups.h"
#include "patch/layoutEngine.h"

#include "platform/prompts.h"
#include "shell/services/effectsService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/patchService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <cmath>

namespace {
const QString matrixMarker = QStringLiteral("YesMatrix");
int32_t roundTwips(double v) { return int32_t(std::nearbyint(v)); }
} // namespace

QString LayoutEngine::returnFixtureSelectList() {
    QString list;
    for (int32_t i = 1; i < iconCount(); ++i)
        if (Flable[size_t(i)]->isSelected()) list += QLatin1Char(' ') + QString::number(i) + QLatin1Char(',');
    return list;
}

int32_t LayoutEngine::returnFirstFixture() {
    for (int32_t i = 1; i < iconCount(); ++i)
        if (Flable[size_t(i)]->isSelected()) return i;
    return 0;
}

int32_t LayoutEngine::returnLastFixture() {
    for (int32_t i = iconCount() - 1; i >= 1; --i)
        if (Flable[size_t(i)]->isNewSelected()) return i;
    return 0;
}

bool LayoutEngine::anyFixturesHiglighted() { return wingHighlightCount > 0; }

int32_t LayoutEngine::findHighlightedFixture() {
    for (int32_t i = 1; i < iconCount(); ++i) {
        const FixtureIcon& ic = *Flable[size_t(i)];
        if (ic.isWingHighLight() && ic.isSelected()) return i;
    }
    return 0;
}

void LayoutEngine::getOutOfHighLightForPresetSave() {
    const int32_t n = std::min(shell().state.fixtureCount, iconCount() - 1);
    for (int32_t i = 1; i <= n; ++i) {
        FixtureIcon& ic = *Flable[size_t(i)];
        if (!ic.isNewSelected()) continue;
        ic.setSelected(true);
        ic.setWingHighLight(false);
        ic.setHighlightMode(false);
        ic.setIsAnyHighLight(false);
    }
}

void LayoutEngine::selectNextFixture() {
    Shell& s = shell();
    const int32_t cur = findHighlightedFixture();
    const int32_t last = returnLastFixture();
    if (cur != 0 && last < cur + 1) {
        getOutOfHighLightForPresetSave();
        s.presets().refreshButtons();
        notify();
        return;
    }
    moveWingHighlight(cur + 1, std::min(s.state.fixtureCount, iconCount() - 1), 1);
}

void LayoutEngine::selectPreviousFixture() {
    const int32_t cur = findHighlightedFixture();
    moveWingHighlight(std::min(cur - 1, iconCount() - 1), 1, -1);
}

void LayoutEngine::moveWingHighlight(int32_t from, int32_t to, int32_t step) {
    // The first visible fixture on the way that the wing counts as selected
    // takes the highlight; the palette window releases the others.
    for (int32_t k = from; step > 0 ? k <= to : k >= to; k += step) {
        FixtureIcon& ic = *Flable[size_t(k)];
        if (!ic.isNewSelected() || !ic.Visible) continue;
        ic.setWingHighLight(true);
        shell().presets().releaseAllHighlight(k);
        break;
    }
    notify();
}

int32_t LayoutEngine::returnSelectCount() {
    Shell& s = shell();
    int32_t count = 0;
    for (int32_t i = 1; i <= s.state.fixtureCount; ++i) {
        if (i >= iconCount()) {
            s.prompts().messageBox(QStringLiteral("Error in returnSelectCount : Control array element '%1' doesn't exist")
                                       .arg(i));
            return count;
        }
        if (Flable[size_t(i)]->isSelected()) ++count;
    }
    return count;
}

int32_t LayoutEngine::findIconAt(double x, double y) {
    int32_t found = 0;
    for (int32_t i = 1; i < iconCount(); ++i) {
        const FixtureIcon& ic = *Flable[size_t(i)];
        if (ic.Visible && ic.Left <= x && x <= ic.Left + ic.Width && ic.Top <= y && y <= ic.Top + ic.Height) found = i;
    }
    return found;
}

void LayoutEngine::makeCurrent(int32_t fixture) {
    const ChannelModel& m = shell().state;
    if (fixture < 1 || size_t(fixture) >= m.fixtureLightClass.size()) return;
    currentLightClass = m.fixtureLightClass[size_t(fixture)];
    currentStartChannel = m.fixtureStartChannel[size_t(fixture)];
    currentFixtureNumber = fixture;
}

void LayoutEngine::mirrorSelectionIntoList() {
    if (list.listMouseFlag) return;
    const int32_t n = std::min(shell().state.fixtureCount, iconCount() - 1);
    for (int32_t j = 1; j <= n; ++j) {
        if (Flable[size_t(j)]->isSelected()) {
            list.setEntrySelected(j - 1, true);
            if (list.findFixtureMode) highLightFixture(j, false);
        } else {
            list.setEntrySelected(j - 1, false);
        }
    }
}

void LayoutEngine::Form_MouseDown(int button, int shift, double x, double y) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    if (m.fixtureCount == 0) return;
    dragOffsetX.resize(size_t(m.fixtureCount) + 1, 0);
    dragOffsetY.resize(size_t(m.fixtureCount) + 1, 0);
    s.presets().releaseAllHighlight(0);
    pressTicks = 0;
    mouseIsDown = true;
    clickedIcon = 0;
    bandSelecting = true;
    int32_t index = 0;
    if (button == 1 || button == 2) {
        index = findIconAt(x, y);
        if (index == 0) {
            bandSelectedSeveral = false;
            iconWasHit = false;
        } else {
            FixtureIcon& ic = *Flable[size_t(index)];
            const bool pixel = index < m.fixtureMatrixMarker.size() && m.fixtureMatrixMarker[index] == matrixMarker;
            if (button == 2) {
                ic.setSelected(true);
                ic.setBackcolor(FixtureIcon::selectedLabel);
            } else if (!ic.isSelected() && !pixel) {
                ic.setSelected(true);
                ic.isMoving = true;
            } else if (ic.isSelected() && shift > 0) {
                ic.setSelected(false);
                ic.setBackcolor(labelBackColour());
            }
            for (int32_t i = 1; i < iconCount(); ++i) {
                FixtureIcon& sel = *Flable[size_t(i)];
                if (!sel.isSelected()) continue;
                if (i > m.fixtureCount) {
                    s.prompts().messageBox(QStringLiteral("Fixture Form MouseDown:Subscript out of range"));
                    return;
                }
                sel.isMoving = true;
                dragOffsetX[size_t(i)] = roundTwips(x - sel.Left);
                dragOffsetY[size_t(i)] = roundTwips(y - sel.Top);
            }
            bandSelecting = false;
            iconWasHit = true;
            clickedIcon = index;
            if (index > m.fixtureCount) {
                s.prompts().messageBox(QStringLiteral("Error in group please delete and Re-Create Err:Subscript out of range"),
                                       msgBox::Critical);
                return;
            }
            if (ic.isSelected()) {
                fixtureGroups::checkGroupSelected(0);
                const QString name = ic.myFixtureName.trimmed();
                for (int32_t c = 1; c <= m.totalChannels && c < m.channelFixtureLabel.size(); ++c) {
                    if (m.channelFixtureLabel[c].trimmed() != name) continue;
                    list.setEntrySelected(index - 1, true);
                    makeCurrent(index);
                    break;
                }
                if (button == 2) {
                    for (int32_t i = 1; i <= std::min(m.fixtureCount, iconCount() - 1); ++i)
                        Flable[size_t(i)]->isMoving = false;
                    if (view) view->popupFixtureMenu(x, y);
                }
            }
        }
        mirrorSelectionIntoList();
        startx = oldx = x;
        starty = oldy = y;
    }
    if (!isMatrixView() && !bandSelectedSeveral) {
        if (shift > 0 && iconWasHit) {
            notify();
            if (view) view->listChanged();
            return;
        }
        for (int32_t i = std::min(m.fixtureCount, iconCount() - 1); i >= 1; --i) {
            FixtureIcon& ic = *Flable[size_t(i)];
            if (!ic.isSelected() || i == clickedIcon || shift == 2) continue;
            ic.setBackcolor(labelBackColour());
            ic.setSelected(false);
            ic.isMoving = false;
            // While the operator's mouse is in the fixture list, the list is
            // the source of the selection and keeps its entries.
            if (!list.listMouseFlag) list.setEntrySelected(i - 1, false);
        }
    }
    notify();
    if (view) view->listChanged();
    if (button == 2 && index == 0 && view) view->popupGroupMenu(x, y);
}

void LayoutEngine::Form_MouseMove(int button, int shift, double x, double y) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t n = std::min(m.fixtureCount, iconCount() - 1);
    if (pressTicks > 4 && s.mainWindow().userMode() != QStringLiteral("User Only")) {
        for (int32_t i = 1; i <= n && size_t(i) < dragOffsetX.size(); ++i) {
            FixtureIcon& ic = *Flable[size_t(i)];
            if (!ic.Visible || !ic.isMoving) continue;
            ic.Top = roundTwips(y - dragOffsetY[size_t(i)]);
            ic.Left = roundTwips(x - dragOffsetX[size_t(i)]);
            m.showChanged = true;
            markDirty(ic);
        }
    }
    if (button == 1 && bandSelecting) {
        drawSelectionBox(startx, starty, oldx, oldy);
        drawSelectionBox(startx, starty, x, y);
        oldx = x;
        oldy = y;
        const int32_t back = labelBackColour();
        const double sx = startx, sy = starty;
        int32_t counted = 0;
        for (int32_t k = 1; k <= n; ++k) {
            FixtureIcon& ic = *Flable[size_t(k)];
            if (!ic.Visible) continue;
            if (ic.BackColor != back) ic.setBackcolor(back);
            const double L = ic.Left, T = ic.Top, W = ic.Width, H = ic.Height;
            bool inside = false;
            if (T > sy - 100 && L > sx - 100) inside = T < y && L < x;
            else if (T < sy && L < sx) inside = T + H > y && L + W > x;
            else if (T > sy && L < sx) inside = T < y && L + W > x;
            else if (T < sy && L > sx) inside = T + H > y && L < x;
            if (inside) {
                ic.setSelected(true);
                ic.setBackcolor(FixtureIcon::selectedLabel);
                ++counted;
            } else if (shift != 2) {
                ic.setSelected(false);
                ic.setBackcolor(back);
            }
        }
        if (counted > 1) bandSelectedSeveral = true;
    }
    notify();
}

void LayoutEngine::storeMovedPositions() {
    ChannelModel& m = shell().state;
    for (int32_t i = 1; i < iconCount(); ++i) {
        FixtureIcon& ic = *Flable[size_t(i)];
        if (!ic.isMoving) continue;
        ic.isMoving = false;
        if (size_t(i) >= m.fixtureIconLeft.size()) continue;
        if (m.fixtureMatrixMarker[i] == matrixMarker) {
            m.fixtureIconLeft[size_t(i)] = ic.Left - std::abs(leftOffset);
            m.fixtureIconTop[size_t(i)] = ic.Top - topOffset - 50;
        } else {
            m.fixtureIconLeft[size_t(i)] = roundTwips(ic.Left * std::abs(1.0 / horizontalScale) - std::abs(leftOffset));
            m.fixtureIconTop[size_t(i)] = roundTwips(ic.Top * std::abs(1.0 / verticalScale) - topOffset - 50);
        }
    }
}

void LayoutEngine::Form_MouseUp(int, int, double, double) {
    Shell& s = shell();
    const ChannelModel& m = s.state;
    pressTicks = 0;
    mouseIsDown = false;
    storeMovedPositions();
    bool anySelected = false;
    for (int32_t b = std::min(m.fixtureCount, iconCount() - 1); b >= 1; --b) {
        FixtureIcon& ic = *Flable[size_t(b)];
        if (ic.isSelected()) {
            anySelected = true;
            ic.setBackcolor(FixtureIcon::selectedLabel);
            list.setEntrySelected(b - 1, true);
            makeCurrent(b);
        } else {
            ic.setBackcolor(labelBackColour());
            ic.setHighlightMode(false);
        }
    }
    s.effects().setStrobeButtonsForSelection(anySelected);
    bandShown = false;
    fixtureGroups::checkGroupSelected(0);
    s.presets().refreshButtons();
    if (s.effects().shapeWindowVisible()) {
        if (std::count(list.selected.begin(), list.selected.end(), uint8_t(1)) < 2) s.effects().refreshShape();
        s.effects().getChannelsForSelectedFixtures();
    }
    setFixturePosition();
    if (view) view->listChanged();
}

void LayoutEngine::Form_DblClick() {
    const int32_t index = findIconAt(startx, starty);
    if (index < 1 || index > shell().state.fixtureCount) return;
    makeCurrent(index);
    shell().patch().showFixtureProperties(index);
}
