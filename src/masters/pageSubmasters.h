#pragma once
// The page submaster strips: one per button group of the shown page, each a
// small cue stack (GO, previous, next, a group fader, a bump and a manual
// cross-fader), and the control wing's notes and controllers mapped onto
// them, the grand master and the blackout.

#include "masters/stripLayout.h"

#include <QString>
#include <array>
#include <cstdint>

class MastersEngine;

struct SubmasterStrip {
    QString groupName;
    float crossfadeTime = 0;    // kept apart from the name, so a comma in a name cannot change it
    QString secondCaption = QStringLiteral("Xtime");
    int32_t colour = 0x404000;
    QString next = QStringLiteral("Sequence");
    QString current = QStringLiteral("Current\n");
    QString crossFaderTag;      // the sequence the last GO or crossfade faded out
    int32_t groupFader = 100;
    int32_t crossFader = 0;
    bool visible = false;
};

class PageSubmasters {
public:
    explicit PageSubmasters(MastersEngine& m) : masters(m) {}

    // Filled by the shortcut pages.
    void loadNewSubmaster(int32_t k, int32_t colour, const QString& name);
    void unloadNewSubmaster(int32_t k);
    void showAllSubmasters();
    void setGroupsCurrrentSequence(int32_t k, const QString& name);
    void updateNextSequence(int32_t k, const QString& name);
    void updateCrossFadeTime(int32_t k, float time);
    // The upper caption of a strip's picture: "Xtime", or the time as 00.00.
    static QString timeCaption(float time);

    // Strip controls (k = 1..10; the mouse button 1 left, 2 right).
    void cmdGo_MouseDown(int32_t k, int button = 1);
    void cmdGo_MouseUp(int32_t k);
    void cmdNextSequence_MouseDown(int32_t k, int button = 1);
    void CmdPreviousSequence_MouseDown(int32_t k, int button = 1);
    void pressPause(int32_t k);
    // A group fader's new value (by the operator, by code, by the wing).
    void setGroupFader(int32_t k, int32_t value);
    void bumpDown(int32_t k);
    void bumpUp(int32_t k);
    void crossFader_MouseDown(int32_t k);
    void crossFader_Scroll(int32_t k, int32_t value);
    void crossFader_MouseUp(int32_t k);

    // The control wing: three values as received (note or controller,
    // channel code = status - 143, raw velocity). True when handled.
    bool recieveMidiNote(int32_t note, int32_t channelCode, int32_t velocity);
    bool recieveMidiGO(int32_t note, int32_t channelCode, int32_t velocity);

    // Lays out every loaded strip again for a new window height (twips).
    void setWindowHeight(int32_t twips);

    bool validStrip(int32_t k) const { return k >= 1 && k <= stripLayout::maxStrips; }
    SubmasterStrip& strip(int32_t k) { return strips[size_t(k)]; }

    int32_t pageSubmasterCount = 0;
    QString learnKey;
    bool crossFaderDragging = false;
    bool wingShift = false;
    bool wingCrossFaderHeld = false;
    std::array<int32_t, stripLayout::maxStrips + 1> bumpMemory{};
    std::array<SubmasterStrip, stripLayout::maxStrips + 1> strips{};
    stripLayout::Strips geometry = stripLayout::fresh();
    int32_t windowHeight = 3600;

private:
    QString sequencePath(const QString& name) const;
    int32_t playbackOf(const QString& name) const;
    void bumpFromWing(int32_t k, int32_t value);
    MastersEngine& masters;
};
