#pragma once
// The "Control Palette": sixteen category tabs above a page of preset
// buttons, the fine-adjust slider of a pressed preset, the bottom button row
// and the palette's menus. It mirrors the page model of presets/palettePage
// and recalls presets through the preset engine.

#include "presets/palettePage.h"
#include "presets/specialPages.h"

#include <QFrame>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QVBoxLayout;
class PresetsEngine;
class PaletteLiveControls;

// One page button: a frame (its border colour tells the button's state)
// around the label that shows the preset's colour, picture or text.
class PaletteButton : public QFrame {
    Q_OBJECT
public:
    PaletteButton(int index, QWidget* page);
    int index() const { return index_; }
    QLabel* face = nullptr;
    // Border colour (blue-green-red, as stored) and width.
    void setBorder(int32_t colour, int width);
    int32_t borderColour() const { return colour_; }
    int borderWidth() const { return width_; }
    // Places the label's top-left corner at (left, top) twips.
    void placeAt(int32_t leftTwips, int32_t topTwips);
    int32_t leftTwips() const { return left_; }
    int32_t topTwips() const { return top_; }
    void showLook(const QString& caption);

signals:
    void pressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void released(int index, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int index_;
    int32_t colour_ = 0x80FF;
    int width_ = 3;
    int32_t left_ = 0, top_ = 0;
};

class frmPalettes : public QWidget {
    Q_OBJECT
public:
    frmPalettes();
    ~frmPalettes() override;

    std::array<QPushButton*, 16> tabButtons{};
    QScrollArea* scroll = nullptr;
    QWidget* page = nullptr;
    PaletteButton* createNew = nullptr;            // element 0
    std::vector<PaletteButton*> presetButtons;     // elements 1..n (index - 1)
    std::vector<palettePage::PresetButton> model;  // the page's presets, same order
    QSlider* vsldrAdjust = nullptr;
    QLabel* lblPercentage = nullptr;
    QLabel* lblPropertyName = nullptr;
    QPushButton *Init = nullptr, *release = nullptr, *btnReleaseToInit = nullptr, *LampOn = nullptr, *LampOff = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu *clkPresetMenu = nullptr, *clkPresetMenuButton = nullptr, *clkTabMenu = nullptr;

    QString paletteCurrentlyActive;
    QString clickedTabName;
    QString lastPresetPath;
    int lastPresetIndex = 0;
    int movingPresetIndex = 0;
    // The marked tab (its page is shown); -1 before the first.
    int markedTab() const { return marked; }
    // The page folder of the shown preset page; empty on other pages.
    QString pageFolder() const { return folder; }

    // Tabs.
    void openTab(int index);
    void cmdColor_Click() { openTab(0); }
    // The preset page built again in full, or only re-evaluated for a new selection.
    void buildPresetPage(bool refreshOnly);
    void refreshButtons();
    void updateCurrentActivePalettePreset();
    // Regeneration: "6" deletes the presets first, "7" keeps them, "2" does nothing.
    void createPalletes(const QString& answer);
    void clkCreatePalettesFiles_Click();

    // A press and a release on button index (0: the create-new button).
    void imgProperty_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void imgProperty_MouseUp(int index, Qt::MouseButton button);
    bool setupPresetAdjust(int index);
    void vsldrAdjust_Scroll();

    // Menu commands.
    void clkMovePresetPosition_Click();
    void clkResetPresetPositions_Click();
    void clkDeletePreset_Click();
    void clkCreateButtonFromPreset_Click();
    void clkRenameTab_Click();

    // The pointer on the bare page (twips): moves a button being placed; a
    // left press ends the move.
    void pageMouseMove(int32_t xTwips, int32_t yTwips);
    void pageMousePress(Qt::MouseButton button);

    // Below the top bar, half the screen high and a little under half wide.
    void placeBelowTopBar();

    // ---- The pages of groups, shapes, RGB chases and live playbacks (frmPalettesPages.cpp) ----
    // The shown page's buttons, in the order of presetButtons.
    std::vector<palettePage::PageButton> pageButtons;
    bool liveMode = false;
    QSpinBox* txtOffsetValue = nullptr; // the step shift of the shape button last pressed
    QMenu *clkGroups = nullptr, *clkShapes = nullptr, *clkRGBMenu = nullptr;
    void cmdGroups_Click() { openTab(8); }
    void cmdMovements_Click() { openTab(9); }
    void cmdRGB_Click() { openTab(10); }
    void cmdMisc4_Click() { openTab(15); }
    void buildGroupPage();
    void highlightSelectedGroups(bool shiftHeld);
    void buildShapePage();
    void loadShape(int index);
    void buildRgbEffectPage();
    void buildLivePage();
    void setLiveMode(bool on);
    void clearLivePresets(int index, bool all);
    void activateShape(int index, bool append);
    void activateRgbEffect(int index);
    void clkDeleteGroup_Click();
    void clkRenameGroup_Click();
    void clkCreateGroupFromSelectedFixtures_Click();
    void clkDeleteShapeShortcut_Click();
    void clkDeleteRGBProfile_Click();
    void clkEditRGBProfile_Click();
    // The Add Preset dialog for the marked page, and the preset data window shown or hidden.
    void clkAddPreset_Click();
    void clkShowPresetDataList_Click();
    void clkPresetCurrentLook_Click();
    void clkChangePresetrepresetation_Click();
    // ---- For the live controls (attribute wheels, encoders, colour picture) ----
    static constexpr int fadersTab = 11;
    PaletteLiveControls* liveControls();
    // Adds a strip between the page and the bottom button row.
    void addStripAboveButtons(QWidget* strip);
    // The page's visible width in twips (what rows of controls wrap within).
    int32_t pageWidthTwips() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PresetsEngine& engine();
    void markTab(int index);
    void clearPalettePage();
    void setPresetButtonsEnabled(bool enabled);
    palettePage::Selection selection() const;
    PaletteButton* buttonAt(int index) const;
    // Pages other than preset pages: a press handled there (true), or not such a page.
    bool pagePress(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void openSpecialPage(int index);
    void showPageButtons(std::vector<palettePage::PageButton> buttons, bool pictures, const QString& createNewTip);
    void makePageMenus();
    QAction* showPresetDataAction = nullptr;
    int marked = -1;
    QString folder;
    QVBoxLayout* outerLayout = nullptr;
};
