#pragma once
// The palette window's pages that hold no presets: the fixture groups of the
// show, the stored movement shapes (.YSH) and RGB colour chases (.YCP) of the
// program folder, and the live playbacks. Which buttons a page has, what
// each carries and where it stands; the window in presets/ui shows them.

#include "shell/services/playbackService.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace palettePage {

// One button of such a page. `number` is what the button stands for: the
// group number, the playback number, or the button's place 1..n on the file pages.
struct PageButton {
    int32_t number = 0;
    QString tag;     // the shape's or profile's base name; the playback number as text
    QString caption; // the group or playback name; the thumbnail "\Shapes\X.bmp"
    QString toolTip; // the group name; "\Shapes\X"
    int32_t left = 0, top = 0; // twips, the label's place
};

// Frame colours of the group page (blue-green-red).
constexpr int32_t groupFrame = 0x80FF, selectedGroupFrame = 0xFFFF;

// The flow layout from the create-new button: each button 150 twips right of
// the one before in its row, a new row 1050 lower at left 200 once the left
// would pass the window width less 1050.
void flowLayout(std::vector<PageButton>& buttons, int32_t windowWidth);

// One button per group (number 1..256 is entry number - 1) whose name has at
// least two characters, in group order. A group without a button (a name
// too short, or slots beyond 256) is skipped, never changed.
std::vector<PageButton> groupButtons(const QStringList& groupNames, int32_t windowWidth);
// A group frame's colour after a recolouring: yellow for the group ticked in
// the group menu; with Shift held a frame already yellow stays so.
int32_t groupFrameColour(int32_t group, int32_t tickedGroup, bool shiftHeld, int32_t present);

// One button per file of `folder` (a real path) whose extension is
// `extension` in any case, in name order (any case): tag the base name,
// tool tip relativeFolder + base name, caption the same + ".bmp".
// A missing folder gives no buttons.
std::vector<PageButton> fileButtons(const QString& folder, const QString& extension, const QString& relativeFolder,
                                    int32_t windowWidth);

// One button per live playback, in the order given.
std::vector<PageButton> liveButtons(const std::vector<clsLivePlayback>& live, int32_t windowWidth);

// The step shift kept in a shape file (the offset editor shows it); empty
// with a reason when the file is not a whole shape.
std::optional<int32_t> shapeStepShift(const QString& shapePath, QString* error = nullptr);

} // namespace palettePage
