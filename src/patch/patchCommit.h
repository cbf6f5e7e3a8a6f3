#pragma once
// The patch commit: n fixtures of the profile in the profile editor placed
// on consecutive channels from one start channel, the channel and fixture
// arrays written, icons placed, a matrix or groups made on request, then the
// palettes regenerated and the show saved. Every input is checked before
// anything is written: a refused or failed commit leaves the patch as it was.
// Questions and input boxes go through the shell's prompts.

#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

class ClsFixture;

namespace patchCommit {

inline const QString matrixNamePrompt = QStringLiteral("Enter Matrix Name Here");

// What the profile editor holds when the commit runs.
struct EditorInput {
    QString channelsText;  // channels per fixture
    QString profileName;   // as typed
    // Row r - 1 describes channel r: its label ("Channel 1:") and its type as shown.
    std::vector<std::pair<QString, QString>> rows;
    // Ranges, icon, angles and fixture type; may be null (no ranges).
    const ClsFixture* edited = nullptr;
};

// The patch window's fields.
struct Request {
    QString startText = QStringLiteral("1"); // start channel within the universe
    QString countText = QStringLiteral("1"); // number of fixtures
    int32_t universeIndex = 0;               // 0 is universe 1
    QString view;                            // empty: no view chosen ("View 1")
    bool fadeMotion = false, fadeColour = false, fadeDimmer = false;
    bool invertPan = false, invertTilt = false, dmxPilotAll = false;
    bool matrix = false;
    QString matrixName = matrixNamePrompt;
    QString columnsText = QStringLiteral("1");
    // The layout window's width (twips) that wraps rows of new icons.
    int32_t layoutWidth = 15000;
    EditorInput editor;
};

struct Outcome {
    // The closing sequence ran: palettes, save, the patch window closes.
    bool closed = false;
    // Fixtures added (numbers first .. first + added - 1).
    int32_t added = 0, first = 0;
    // The profile was pushed into a patched profile (count 0).
    bool updated = false;
    // The profile editor is done with (unloaded by the window side).
    bool closeEditor = false;
};

// The label of new fixture k (1..n) of profile `name` with j fixtures of
// that profile already patched: "Name k" or "Name k+j k".
QString fixtureLabel(const QString& name, int32_t k, int32_t j);

// Runs the commit of one request.
Outcome commit(Request request);

// Whether the requested block of the patch window fits: every absolute
// channel base + start .. + count x channels - 1 free. A block past the last
// channel or a box without a number shows "Please add More Universes to
// Patch This Amount Of Fixtures:" and answers whether every channel from the
// start to the last one was free.
bool fixturesFit(int32_t universeIndex, const QString& startText, const QString& countText,
                 const QString& channelsText);

} // namespace patchCommit
