#pragma once
// The palette window's page model: its sixteen tabs and their captions, the
// preset buttons of a page (which presets apply to the selected fixtures,
// where each stands: the flow layout or the place the operator dragged it
// to), the look a button takes from its caption, the fine-adjust range and
// the presets the current step uses. Plain data and rules; the window in
// presets/ui shows it.

#include "shell/services/presetsService.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace palettePage {

// ---- Tabs ----
struct Tab {
    const char* control;  // "cmdColor"
    const char* caption;  // "Color"
    const char* pageName; // "Color", "m-fx", ...
    const char* folder;   // type folder of a preset page; "" for other pages
};
// The sixteen tabs by TabIndex: 0..7 the first row, 8..15 the second.
const std::array<Tab, 16>& tabs();
// Index of a tab by control name; -1 when none.
int tabIndex(const QString& control);
// Whether the tab opens a page of preset files.
bool isPresetTab(int index);
// The control-wing page key the tab lights.
inline int wingKey(int index) { return 16 + index; }

// presets.ini of the show (its real path; empty with no show loaded).
QString presetsIniPath();
// The user tab's caption (key cmdMisc3, default "Misc 3").
QString userTabCaption();
// Stores a tab's new caption; false when the answer is empty or no show is loaded.
bool renameTab(const QString& control, const QString& caption);

// ---- Preset buttons of a page ----
struct PresetButton {
    QString file;            // real path of the .USF file
    QString presetName;      // the trailer's name: the button's Tag and tooltip
    QString caption;         // the trailer's representation, reduced to a file name
    QString firstChannelName;
    bool applies = false;
    int32_t left = 0, top = 0; // twips, the label's place
    bool storedPlace = false;
};
struct Selection {
    int32_t fixtureCount = 0;
    std::function<bool(int32_t)> isSelected;
    std::function<bool(int32_t)> isColourMixer;
};
struct BuildResult {
    std::vector<PresetButton> buttons; // in file-name order, any case
    QStringList skipped;               // damaged files left out, each with its reason
    QStringList removed;               // 0-byte files deleted
};
// The template label's place (the create-new button).
constexpr int32_t templateLeft = 203, templateTop = 1065, buttonSize = 750;
// Reads every .USF file of `folder` (a real path) and lays out the buttons
// that apply to the selection, in rows within `windowWidth` twips; the Color
// page starts one row lower. Places stored in the folder's
// presetPageSetting.ini replace the flow places. A 0-byte file is deleted; a
// damaged one is left out, and the build goes on.
BuildResult buildPresetPage(const QString& folder, const Selection& selection, bool colorPage, int32_t windowWidth);
// Whether a preset applies: some selected fixture is in its list, and every
// selected fixture is in it or, for a preset named by a colour number other
// than black, mixes colour. Fixtures are tested from the highest number down.
bool presetApplies(const QString& presetName, const QString& fixtureList, const Selection& selection);

// ---- Stored places (presetPageSetting.ini of the page folder) ----
QString pageSettingsPath(const QString& folder);
// Top (x) and Left (y) stored for a preset; nothing unless both are non-zero.
std::optional<std::pair<int32_t, int32_t>> loadPresetPositions(const QString& folder, const QString& presetName);
void savePresetPosition(const QString& folder, const QString& presetName, int32_t top, int32_t left);
// Deletes the page's stored places; false when there were none.
bool resetPresetPositions(const QString& folder);
// A position rounded to the grid (72 twips for 0.05 inch): below half a step down, else up.
int32_t snapToGrid(double v, double gridInches = 0.05);

// ---- A button's look ----
enum class Look { unchanged, colour, bitmap, icon, text };
struct ButtonLook {
    Look look = Look::unchanged;
    int32_t colour = 0;  // the swatch colour (blue-green-red)
    QString picture;     // real path of the picture, empty when missing
};
ButtonLook lookOf(const QString& caption);

// ---- Fine adjust ----
// The slider's position in per cent, halves to even.
int32_t adjustPercentage(int32_t value, int32_t min, int32_t max);

// ---- Presets the current step uses ----
// Indexes (into names) of the buttons whose preset an event of `step` names (exact case).
std::vector<size_t> activePresets(const std::vector<QString>& names, const EventCollection& events, int32_t step);

} // namespace palettePage
