// Views, placement and the icons' life of the layout engine.
#include "patch/layoutEngine.h"

#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "profiles/ClsFixture.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/roleResolution.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QHash>
#include <QtDebug>
#include <cmath>
#include <exception>

namespace {
const QString matrixMarker = QStringLiteral("YesMatrix");
const QString firstView = QStringLiteral("View 1");
// Halves to even, as every twips position is stored and placed.
int32_t roundTwips(double v) { return int32_t(std::nearbyint(v)); }
int32_t lastFixture(const ChannelModel& m) {
    return std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureIconTop.size()) - 1);
}
} // namespace

LayoutEngine& layoutEngine() { return shell().engine<LayoutEngine>(); }

LayoutEngine::LayoutEngine() {
    Flable.push_back(std::make_unique<FixtureIcon>(this, 0)); // the hidden template
    const QString ini = shell().iniFile();
    const QString section = QStringLiteral("Fixture Window");
    fixtureLabelBackColor =
        miscGlobalFunctions::readIniValue(ini, section, QStringLiteral("BackColor"), QStringLiteral("16777215"));
    fixtureLabelForeColor = miscGlobalFunctions::readIniValue(ini, section, QStringLiteral("ForeColor"), QStringLiteral("0"));
}

LayoutEngine::~LayoutEngine() = default;

void LayoutEngine::loadIcon(int32_t i) {
    while (iconCount() <= i) Flable.push_back(std::make_unique<FixtureIcon>(this, iconCount()));
}

void LayoutEngine::unloadIconsAbove(int32_t last) {
    if (last < 0) last = 0;
    while (iconCount() > last + 1) {
        if (Flable.back()->isWingHighLight()) --wingHighlightCount;
        Flable.pop_back();
    }
    std::erase_if(dirtyIcons, [this](int32_t i) { return i >= iconCount(); });
}

void LayoutEngine::unloadIcon(int32_t i) {
    if (i < 1 || i >= iconCount()) return;
    unloadIconsAbove(i - 1);
    notify();
}

void LayoutEngine::unloadWindow() {
    setSimulationEnabled(false);
    unloadIconsAbove(0);
    bandShown = false;
    pctMatrixVisible = false;
    matrixCells.clear();
    notify();
}

void LayoutEngine::markDirty(FixtureIcon& i) {
    if (i.dirty) return;
    i.dirty = true;
    dirtyIcons.push_back(i.index());
}

void LayoutEngine::notify() {
    if (view) view->iconsChanged();
}

void LayoutEngine::reportOnce(const QString& text) {
    qWarning().noquote() << text;
    reported = true;
}

int32_t LayoutEngine::labelBackColour() const { return fixtureLabelBackColor.toInt(); }

int32_t LayoutEngine::labelBackFor(bool selected) const {
    return selected ? FixtureIcon::selectedLabel : labelBackColour();
}

bool LayoutEngine::wingAttached() const { return shell().masters().tessalyControlWing(); }

void LayoutEngine::setScaleValues() {
    const ChannelModel& m = shell().state;
    const int32_t n = lastFixture(m);
    topOffset = 0;
    int64_t maxTop = INT64_MIN, minLeft = INT64_MAX, maxLeft = INT64_MIN;
    for (int32_t i = 1; i <= n; ++i) {
        const int32_t top = m.fixtureIconTop[size_t(i)], left = m.fixtureIconLeft[size_t(i)];
        if (top < 0 && -top > topOffset) topOffset = -top;
        maxTop = std::max<int64_t>(maxTop, top);
        minLeft = std::min<int64_t>(minLeft, left);
        maxLeft = std::max<int64_t>(maxLeft, left);
    }
    const int64_t bottom = n > 0 ? std::max<int64_t>(maxTop + 1500, 0) : 0;
    const int64_t right = n > 0 ? std::max<int64_t>(maxLeft + 4000, 0) : 0;
    verticalScale = windowHeight >= topOffset + bottom ? 1.0 : double(windowHeight) / double(topOffset + bottom);
    leftOffset = n > 0 && minLeft - 100 < 0 ? int32_t(minLeft - 100) : 0;
    const int64_t width = int64_t(std::abs(leftOffset)) + right;
    horizontalScale = windowWidth >= width ? 1.0 : double(windowWidth) / double(width);
}

void LayoutEngine::setFixturePosition() {
    Shell& s = shell();
    const ChannelModel& m = s.state;
    if (currentFixtureLayer.isEmpty()) currentFixtureLayer = firstView;
    if (m.fixtureCount > 0) shutterOpenFlags.resize(size_t(m.fixtureCount) + 1, 0);
    setScaleValues();
    if (s.playback().getChaserFlag(m.currentPlayback)) currentLightClass = 0;
    const double factor = double(windowHeight) / 7680.0;
    if (iconCount() != m.fixtureCount + 1) return; // an incomplete icon array places nothing
    const int32_t n = lastFixture(m);
    for (int32_t i = 1; i <= n; ++i) {
        FixtureIcon& ic = *Flable[size_t(i)];
        const QString& fv = m.fixtureView[i];
        const bool otherView = (!fv.isEmpty() || currentFixtureLayer != firstView) && fv.size() <= 20 &&
                               fv != currentFixtureLayer;
        if (otherView) {
            if (ic.Visible) ic.Visible = false, markDirty(ic);
            continue;
        }
        if (m.fixtureMatrixMarker[i] == matrixMarker) {
            if (!pctMatrixVisible) {
                pctMatrix.width = roundTwips(windowWidth / 1.5);
                pctMatrix.height = roundTwips(windowHeight / 1.5);
                pctMatrix.top = roundTwips(windowHeight / 2.0 - pctMatrix.height / 2.0);
                pctMatrix.left = roundTwips(windowWidth / 2.0 - pctMatrix.width / 2.0);
                pctMatrixVisible = true;
            }
            continue;
        }
        ic.changesize(factor, factor);
        const int32_t left = roundTwips(horizontalScale * (std::abs(leftOffset) + double(m.fixtureIconLeft[size_t(i)])));
        const int32_t top = roundTwips(verticalScale * (double(m.fixtureIconTop[size_t(i)]) + topOffset + 50));
        if (ic.Left != left || ic.Top != top || !ic.Visible) {
            ic.Left = left, ic.Top = top, ic.Visible = true;
            markDirty(ic);
        }
    }
    notify();
}

bool LayoutEngine::isMatrixName(const QString& name) const {
    const ChannelModel& m = shell().state;
    const int32_t n = lastFixture(m);
    for (int32_t i = 1; i <= n; ++i)
        if (m.fixtureMatrixName[i] == name) return true;
    return false;
}

bool LayoutEngine::isMatrixView() const {
    const ChannelModel& m = shell().state;
    const int32_t n = lastFixture(m);
    for (int32_t i = 1; i <= n; ++i)
        if (m.fixtureMatrixMarker[i] == matrixMarker && m.fixtureMatrixName[i] == currentFixtureLayer) return true;
    return false;
}

void LayoutEngine::getMatrixSize(const QString& matrixName, int32_t& columns, int32_t& rows) const {
    const ChannelModel& m = shell().state;
    columns = rows = 0;
    const int32_t n = lastFixture(m);
    for (int32_t i = 1; i <= n; ++i) {
        if (m.fixtureMatrixName[i] != matrixName) continue;
        columns = std::max(columns, m.fixtureMatrixColumn[size_t(i)]);
        rows = std::max(rows, m.fixtureMatrixRow[size_t(i)]);
    }
}

void LayoutEngine::changeFixtureLayer(const QString& theLayer) {
    Shell& s = shell();
    pctMatrixVisible = false;
    matrixCells.clear();
    currentFixtureLayer = theLayer;
    s.masters().changeButtonColors(theLayer);
    setFixturePosition();
    int32_t columns = 0, rows = 0;
    getMatrixSize(currentFixtureLayer, columns, rows);
    if (columns > 0 && rows > 0) {
        matrixCellWidth = roundTwips(double(pctMatrix.width) / columns - 45);
        matrixCellHeight = roundTwips(double(pctMatrix.height) / rows - 45);
    }
    if (isMatrixView()) {
        const ChannelModel& m = s.state;
        const int32_t n = std::min(lastFixture(m), iconCount() - 1);
        for (int32_t i = 1; i <= n; ++i) {
            FixtureIcon& ic = *Flable[size_t(i)];
            if (m.fixtureMatrixMarker[i] == matrixMarker) {
                ic.setSelected(m.fixtureMatrixName[i] == currentFixtureLayer);
            } else {
                ic.setSelected(false);
                ic.setBackcolor(labelBackColour());
            }
        }
    }
    notify();
}

void LayoutEngine::drawMatrixPixel(int32_t column0, int32_t row0, int32_t colour) {
    const Cell cell{(matrixCellWidth + 45) * column0, (matrixCellHeight + 45) * row0, matrixCellWidth,
                    matrixCellHeight, colour};
    for (Cell& c : matrixCells) {
        if (c.left == cell.left && c.top == cell.top) {
            c = cell;
            return;
        }
    }
    matrixCells.push_back(cell);
}

void LayoutEngine::drawSelectionBox(double x1, double y1, double x2, double y2) {
    if (bandShown && bandX1 == x1 && bandY1 == y1 && bandX2 == x2 && bandY2 == y2) {
        bandShown = false; // drawn twice: gone
        return;
    }
    bandShown = true;
    bandX1 = x1, bandY1 = y1, bandX2 = x2, bandY2 = y2;
}

void LayoutEngine::fixture_layout(int32_t start, int32_t count, bool doNotFind) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t end = start + count - 1;
    bool ignoreErrors = false;
    // Which profile each channel label names; the last labelled channel wins,
    // as it did when the picture was set once per channel.
    QHash<QString, QString> profileOfLabel;
    if (!doNotFind) {
        for (int32_t j = 1; j <= m.totalChannels && j < m.channelProfileName.size(); ++j)
            if (!m.channelProfileName[j].isEmpty())
                profileOfLabel.insert(m.channelFixtureLabel[j].trimmed(), m.channelProfileName[j].trimmed());
    }
    for (int32_t i = start; i <= end; ++i) {
        if (i < 1 || i >= m.fixtureName.size()) break;
        loadIcon(i);
        FixtureIcon& ic = *Flable[size_t(i)];
        if (doNotFind) {
            if (ic.Visible) ic.Visible = false, markDirty(ic);
            continue;
        }
        const QString name = m.fixtureName[i].trimmed();
        ic.setFixtureName(name);
        ic.toolTip = name;
        ic.setBackcolor(labelBackColour());
        const bool pixel = m.fixtureMatrixMarker[i] == matrixMarker;
        if (!pixel) ic.Top = i + 100, ic.Visible = true;
        try {
            roleResolution::findlightclass(i);
            roleResolution::findifcolormixer(i);
            roleResolution::findIfBeamHasShutter(i);
            roleResolution::findPanandTilt(i);
        } catch (const std::exception& e) {
            if (!ignoreErrors) {
                s.prompts().messageBox(QStringLiteral("Fixture Layout:") + QString::fromUtf8(e.what()));
                return;
            }
        }
        if (pixel) continue;
        ignoreErrors = true;
        const auto found = profileOfLabel.constFind(name);
        if (name.isEmpty() || found == profileOfLabel.cend()) continue;
        for (int32_t k = 1; k <= m.lightClassCount; ++k) {
            const ClsFixture& p = m.lightClass(k);
            if (p.Name.trimmed() != *found) continue;
            ic.setFixtureIcon(s.programPath(QStringLiteral("Images\\") + p.iconpath));
            break;
        }
    }
    if (doNotFind) return;
    const int32_t n = std::min(lastFixture(m), iconCount() - 1);
    for (int32_t i = 1; i <= n; ++i)
        if (m.fixtureMatrixMarker[i] == matrixMarker) Flable[size_t(i)]->placeInMatrixPixelMode();
}

void LayoutEngine::refreshIcons() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    for (int32_t i = 1; i < iconCount(); ++i) {
        const int32_t lc = i < int32_t(m.fixtureLightClass.size()) ? m.fixtureLightClass[size_t(i)] : 0;
        if (lc < 1) {
            s.prompts().messageBox(QStringLiteral("Error showing new Icon:") + QStringLiteral("Subscript out of range"));
            break;
        }
        Flable[size_t(i)]->setFixtureIcon(s.programPath(QStringLiteral("Images\\") + m.lightClass(lc).iconpath));
    }
    notify();
}

void LayoutEngine::layoutWholeShow() {
    const ChannelModel& m = shell().state;
    unloadIconsAbove(m.fixtureCount);
    fixture_layout(1, m.fixtureCount, false);
    loadFixtureList();
    setFixturePosition();
    setSimulationEnabled(m.fixtureCount > 0);
}

void LayoutEngine::loadFixtureList() {
    const ChannelModel& m = shell().state;
    list = FixtureListState{};
    for (int32_t k = 1; k <= m.fixtureCount && k < m.fixtureName.size(); ++k) list.entries << m.fixtureName[k].trimmed();
    list.selected.assign(size_t(list.entries.size()), 0);
    if (view) view->listChanged();
}

TickTimer& LayoutEngine::simulationTimer() {
    if (!timer) {
        timer = shell().timers().create();
        timer->setInterval(65);
        timer->onTick = [this] {
            Simulation_timer_Timer();
            notify();
        };
    }
    return *timer;
}

void LayoutEngine::setSimulationEnabled(bool on) { simulationTimer().setEnabled(on); }

bool LayoutEngine::simulationEnabled() const { return timer && timer->enabled(); }
