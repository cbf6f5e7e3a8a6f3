#pragma once
// The engine of the layout window `fixture`: one FixtureIcon per patched
// fixture, the views, the scaling that fits the rig into the window, the
// selection kept on the icons with the queries other subsystems read, the
// press/move/release state machine (hit test, rubber band, dragging), the
// fixture list's selection mirror and the live simulation tick. Everything is
// in twips in the window's coordinates; the window converts at its edge.

#include "patch/FixtureIcon.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class TickTimer;
struct SimulationCache;
struct SimulationCacheDeleter {
    void operator()(SimulationCache* cache) const;
};

// What the engine asks of the windows that show it; all optional.
class LayoutView {
public:
    virtual ~LayoutView() = default;
    virtual void iconsChanged() {}                         // repaint the dirty icons, the band and the matrix
    virtual void listChanged() {}                          // the fixture list's selection or entries changed
    virtual void popupFixtureMenu(double /*x*/, double /*y*/) {} // "Edit Current Fixture" at the pointer; runs the choice
    virtual void popupGroupMenu(double /*x*/, double /*y*/) {}   // "Groups" at the pointer
    virtual void popupMatrixMenu(double /*x*/, double /*y*/) {}  // the window's "Matrix" menu
};

// The fixture list window's state: entry k - 1 stands for fixture k.
struct FixtureListState {
    QStringList entries;            // names as they were when the list was loaded
    std::vector<uint8_t> selected;  // per entry
    int32_t listIndex = -1;         // current entry, -1 when none
    bool findFixtureMode = false;   // Locate Fixture is on
    bool listMouseFlag = false;     // a mouse button is down in the list
    bool entrySelected(int32_t entry) const {
        return entry >= 0 && size_t(entry) < selected.size() && selected[size_t(entry)];
    }
    void setEntrySelected(int32_t entry, bool on) {
        if (entry >= 0 && size_t(entry) < selected.size()) selected[size_t(entry)] = on;
    }
};

class LayoutEngine {
public:
    LayoutEngine();
    ~LayoutEngine();
    LayoutEngine(const LayoutEngine&) = delete;
    LayoutEngine& operator=(const LayoutEngine&) = delete;

    // Icons: Flable[0] is the hidden template, Flable[i] fixture i.
    std::vector<std::unique_ptr<FixtureIcon>> Flable;
    int32_t iconCount() const { return int32_t(Flable.size()); } // the control array's count
    FixtureIcon* icon(int32_t i) { return i >= 1 && i < iconCount() ? Flable[size_t(i)].get() : nullptr; }
    void loadIcon(int32_t i); // makes elements up to i
    void unloadIconsAbove(int32_t last);
    // Unloads icon i and any above it, so the array never has a gap.
    void unloadIcon(int32_t i);
    // What unloading the window takes with it: the simulation stops, every
    // icon goes (selection and highlights with them), the matrix picture and
    // the rubber band are cleared.
    void unloadWindow();
    int32_t wingHighlightCount = 0; // icons 1.. carrying the wing highlight
    std::vector<int32_t> dirtyIcons; // icons changed since the window last repainted
    void markDirty(FixtureIcon& icon);

    LayoutView* view = nullptr;
    void notify();

    // Window and screen size, outer, in twips (set by the window).
    int32_t windowWidth = 9600, windowHeight = 7680;
    int32_t screenWidth = 28800, screenHeight = 16200;

    // Public variables of the window.
    double oldx = 0, oldy = 0, startx = 0, starty = 0;
    double ScaleY1 = 0, ScaleX1 = 0;
    bool callchange = false;
    QString currentFixtureLayer;

    // Scales and offsets.
    double verticalScale = 1, horizontalScale = 1;
    int32_t topOffset = 0, leftOffset = 0;
    int32_t matrixCellWidth = 0, matrixCellHeight = 0;
    bool keepOnTop = false;
    std::vector<uint8_t> shutterOpenFlags; // 1..fixtureCount

    // The matrix picture and its cells.
    struct Rect { int32_t left = 0, top = 0, width = 0, height = 0; };
    Rect pctMatrix;
    bool pctMatrixVisible = false;
    struct Cell { int32_t left, top, width, height, colour; };
    std::vector<Cell> matrixCells; // cells painted since the view was shown, in order
    void drawMatrixPixel(int32_t column0, int32_t row0, int32_t colour);

    // The rubber band as drawn now (drawing the same rectangle twice removes it).
    bool bandShown = false;
    double bandX1 = 0, bandY1 = 0, bandX2 = 0, bandY2 = 0;
    void drawSelectionBox(double x1, double y1, double x2, double y2);

    // Label colours as decimal text.
    QString fixtureLabelBackColor = QStringLiteral("16777215");
    QString fixtureLabelForeColor = QStringLiteral("0");
    int32_t labelBackColour() const;

    // Views and placement.
    void setScaleValues();
    void setFixturePosition();
    void changeFixtureLayer(const QString& theLayer);
    bool isMatrixView() const;
    void getMatrixSize(const QString& matrixName, int32_t& columns, int32_t& rows) const;
    bool isMatrixName(const QString& name) const;
    // Lays out icons start .. start + count - 1 (names, colours, pictures and
    // the role lookups), or only hides them.
    void fixture_layout(int32_t start, int32_t count, bool doNotFind);
    void refreshIcons();
    // Puts every fixture's icon in place after a show was loaded or built.
    void layoutWholeShow();

    // Selection queries.
    QString returnFixtureSelectList();
    int32_t returnFirstFixture();
    int32_t returnLastFixture();
    bool anyFixturesHiglighted();
    void getOutOfHighLightForPresetSave();
    void selectNextFixture();
    void selectPreviousFixture();
    int32_t returnSelectCount();
    double getScaledTop() const { return verticalScale; }
    bool wingAttached() const;

    // Mouse (Shift: 1 Shift, 2 Ctrl, 4 Alt).
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_MouseUp(int button, int shift, double x, double y);
    void Form_DblClick();
    int32_t findIconAt(double x, double y);
    int32_t pressTicks = 0;
    bool mouseIsDown = false;
    bool bandSelectedSeveral = false;
    int32_t clickedIcon = 0;

    // The current fixture.
    int32_t currentLightClass = 0, currentStartChannel = 0, currentFixtureNumber = 0;
    void makeCurrent(int32_t fixture);
    void mirrorSelectionIntoList();

    // The fixture list.
    FixtureListState list;
    void loadFixtureList();
    void listselect(bool listmouse, int32_t overrideFixture);
    void cmdLocateFixture_Click();

    // Simulation.
    void Simulation_timer_Timer();
    void setSimulationEnabled(bool on);
    bool simulationEnabled() const;
    TickTimer& simulationTimer();

    // Locate Fixture light-up and spotlight.
    void highLightFixture(int32_t fixtureNumber, bool releaseOnly);
    void spotlightModeClick();
    bool spotlightChecked = false;

private:
    int32_t findHighlightedFixture();
    void moveWingHighlight(int32_t from, int32_t to, int32_t step);
    void storeMovedPositions();
    int32_t labelBackFor(bool selected) const;
    void reportOnce(const QString& text);

    std::vector<int32_t> dragOffsetX, dragOffsetY;
    bool bandSelecting = false;
    bool iconWasHit = false;
    std::unique_ptr<TickTimer> timer;
    std::vector<int32_t> highlightSavedOutput;
    int32_t highlightedFixture = 0;
    bool reported = false;
    std::unique_ptr<SimulationCache, SimulationCacheDeleter> cache;
};

// The layout engine of the shell in use.
LayoutEngine& layoutEngine();
