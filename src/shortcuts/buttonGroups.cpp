// The page press mode (Release, Stack, Default) and the button groups at run
// time: the cursor each group's GO fires, next and previous, GO itself, and
// the group dimmers that the group's pressed buttons and running multis follow.

#include "shortcuts/shortcutPages.h"

#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <cmath>

using shortcutFiles::ButtonKind;

namespace {

PlaybackService& pb() { return shell().playback(); }

QString settingsFile(const QString& page) { return shortcutFiles::pageSettingsFile(page); }

} // namespace

// ---- Page press mode -------------------------------------------------------------------------

QString ShortcutPages::pageModeCaption() const {
    if (pageMode == QLatin1String("Release")) return QStringLiteral("Release Mode");
    if (pageMode == QLatin1String("Stack")) return QStringLiteral("Stack Mode");
    return QStringLiteral("Default Mode");
}

void ShortcutPages::cmdLockorStack_Click() {
    if (pageMode == QLatin1String("Release")) pageMode = QStringLiteral("Stack");
    else if (pageMode == QLatin1String("Stack")) pageMode = QStringLiteral("Default");
    else if (pageMode == QLatin1String("Default")) pageMode = QStringLiteral("Release");
    else pageMode = QStringLiteral("Default");
    savePageMode();
    refreshCurrentPage();
}

void ShortcutPages::loadPageMode() {
    const QString v = miscGlobalFunctions::readIniValue(settingsFile(currentPage), QStringLiteral("ReleaseorStack"),
                                                        QStringLiteral("value"), QStringLiteral("Default Mode"));
    // A page without a stored mode keeps the one in force.
    if (v == QLatin1String("Release") || v == QLatin1String("Stack") || v == QLatin1String("Default")) {
        pageMode = v;
        shell().masters().setButtonModeText(pageModeCaption());
    }
    changed();
}

void ShortcutPages::savePageMode() {
    if (currentPage.isEmpty()) return;
    miscGlobalFunctions::writeIniValue(settingsFile(currentPage), QStringLiteral("ReleaseorStack"), QStringLiteral("value"),
                                       pageMode);
    changed();
}

// ---- Group cursor --------------------------------------------------------------------------

int32_t ShortcutPages::returnButtonIndexForGroup(int32_t group) const {
    return group >= 1 && group < int32_t(groupCursor.size()) ? groupCursor[size_t(group)] : 0;
}

int32_t ShortcutPages::rowNeighbour(int32_t g, int32_t direction, double reach) {
    int32_t found = 0;
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        if (pageSettings::groupOfButtonOnPage(currentPage, buttons[size_t(i)].name) != g) continue;
        int32_t& c = groupCursor[size_t(g)];
        if (c == 0) {
            // No cursor yet: the group's first button is the starting point.
            c = i;
            lastChosenInGroup[size_t(g)] = i;
            found = i;
            continue;
        }
        if (i == c) continue;
        const PageButton& bi = buttons[size_t(i)];
        const PageButton& bc = buttons[size_t(c)];
        const double w = std::round(direction * (bi.left - bc.left));
        if (bi.top == bc.top && buttonWidth <= w && w < reach * buttonWidth) {
            lastChosenInGroup[size_t(g)] = i;
            return i;
        }
    }
    return found;
}

QString ShortcutPages::highlightNextButtonInGroup(int32_t g) {
    if (g < 1 || g > pageGroupCount()) return {};
    groupCursor.resize(size_t(pageGroupCount()) + 1, 0);
    auto stored = [&](int32_t i) { return pageSettings::groupOfButtonOnPage(currentPage, buttons[size_t(i)].name); };
    int32_t found = rowNeighbour(g, 1, 1.1);
    const int32_t c = groupCursor[size_t(g)];
    if (found == 0 && c > 0) {
        double leftColumn = 1e12;
        for (int32_t i = 1; i <= currentPageButtonCount; ++i)
            if (groupAtPoint(float(buttons[size_t(i)].left), float(buttons[size_t(i)].top)) == g)
                leftColumn = std::min(leftColumn, buttons[size_t(i)].left);
        const double top = buttons[size_t(c)].top;
        for (int32_t j = 1; j <= currentPageButtonCount; ++j) {
            const PageButton& bj = buttons[size_t(j)];
            if (stored(j) == g && top + buttonHeight <= bj.top && bj.top <= top + 1.1 * buttonHeight &&
                bj.left == leftColumn) {
                found = j;
                lastChosenInGroup[size_t(g)] = j;
                break;
            }
        }
    }
    if (found > 0) {
        groupCursor[size_t(g)] = found;
    } else {
        if (lastChosenInGroup[size_t(g)] == 0) return {};
        highlightFirstButtonOfGroups(g, 0);
    }
    changed();
    const int32_t now = groupCursor[size_t(g)];
    return now > 0 ? buttons[size_t(now)].name : QString();
}

QString ShortcutPages::highlightPreviousButtonInGroup(int32_t g) {
    if (g < 1 || g > pageGroupCount()) return {};
    groupCursor.resize(size_t(pageGroupCount()) + 1, 0);
    auto stored = [&](int32_t i) { return pageSettings::groupOfButtonOnPage(currentPage, buttons[size_t(i)].name); };
    // A left neighbour may lie up to just under two widths away.
    int32_t found = rowNeighbour(g, -1, 2);
    const int32_t c = groupCursor[size_t(g)];
    if (found == 0 && c > 0) {
        double rightColumn = 0;
        for (int32_t i = 1; i <= currentPageButtonCount; ++i)
            if (stored(i) == g) rightColumn = std::max(rightColumn, buttons[size_t(i)].left);
        const double top = buttons[size_t(c)].top;
        for (int32_t j = 1; j <= currentPageButtonCount; ++j) {
            const PageButton& bj = buttons[size_t(j)];
            if (stored(j) == g && top - 1.2 * buttonHeight <= bj.top && bj.top <= top - buttonHeight &&
                bj.left == rightColumn) {
                found = j;
                lastChosenInGroup[size_t(g)] = j;
                break;
            }
        }
    }
    // No wrap backwards: the cursor stays on the group's first button.
    if (found > 0) groupCursor[size_t(g)] = found;
    else if (lastChosenInGroup[size_t(g)] == 0) return {};
    changed();
    const int32_t now = groupCursor[size_t(g)];
    return now > 0 ? buttons[size_t(now)].name : QString();
}

void ShortcutPages::highlightFirstButtonOfGroups(int32_t g, int32_t index) {
    if (g <= 0 || g > pageGroupCount()) return;
    try {
    groupCursor.resize(size_t(pageGroupCount()) + 1, 0);
    int32_t target = index;
    if (target == 0) {
        double topRow = 1e12, leftColumn = 1e12;
        for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
            const PageButton& b = buttons[size_t(i)];
            if (groupAtPoint(float(b.left), float(b.top)) != g) continue;
            topRow = std::min(topRow, b.top);
            leftColumn = std::min(leftColumn, b.left);
        }
        for (int32_t i = 1; i <= currentPageButtonCount && target == 0; ++i) {
            const PageButton& b = buttons[size_t(i)];
            if (pageSettings::groupOfButtonOnPage(currentPage, b.name) == g && b.top == topRow && b.left == leftColumn)
                target = i;
        }
        if (target == 0) return;
    }
    if (target < 1 || target > currentPageButtonCount) return;
    groupCursor[size_t(g)] = target;
    shell().masters().updateNextSequence(g, buttons[size_t(target)].name);
    changed();
    } catch (const pageSettings::NotANumber& e) {
        shell().prompts().messageBox(QStringLiteral(" Error in HighlightFirstButtonGroup ") + QString::fromStdString(e.what()));
    }
}

void ShortcutPages::pressGoFromSubmaster(int32_t g, int32_t crossFade, float overRideTime) {
    try {
        goOfGroup(g, crossFade, overRideTime);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error in pressGoFromSubmaster") + QString::fromStdString(e.what()));
    }
}

void ShortcutPages::goOfGroup(int32_t g, int32_t crossFade, float overRideTime) {
    const int32_t c = returnButtonIndexForGroup(g);
    if (c <= 0 || c > currentPageButtonCount) return;
    const QString tag = buttons[size_t(c)].tag;
    if (tag == QLatin1String("off") || tag == QLatin1String("auto off") || tag == QLatin1String("multi off")) {
        cmdSequence_MouseUp(c, 1, crossFade, 0, 0);
        const int32_t p = findPlaybackOfButton(buttons[size_t(c)].name);
        if (p > 0) {
            if (overRideTime > 0 && crossFade > 0) pb().setCurrentCrossfadeTime(p, overRideTime);
            else pb().setoverRideCrossFadeTimes(p, false);
        }
        buttonHeldTicks = 0;
        stopButtonTimer();
        return;
    }
    const int32_t p = findPlaybackOfButton(buttons[size_t(c)].name);
    if (p > 0 && pb().getMaxSteps(p) > 1) {
        pb().fadeFromCurrentOverride(p, pb().theNextStep(p), overRideTime);
        pb().setoverRideCrossFadeTimes(p, overRideTime > 0);
    }
}

// ---- Group dimmers ---------------------------------------------------------------------------

void ShortcutPages::sldrDimmer_Scroll(int32_t g) {
    if (g < 1 || g >= int32_t(groupDimmer.size())) return;
    const int32_t v = groupDimmer[size_t(g)];
    for (const auto& [name, r] : shortcutCollection) {
        if (r->myPage != currentPage) continue;
        if (int32_t(numberText::leadingValue(r->myButtonGroup)) == g && r->myPlayback > 0)
            pb().setDimmerValue(v, r->myPlayback);
        // A running multi's members follow the group of their multi button.
        for (const QString& m : runningMultiCollection) {
            if (m.trimmed() != r->myMulti.trimmed() || r->myMulti.isEmpty()) continue;
            int32_t gm = 0;
            try {
                gm = findGroupOfButton(m.trimmed());
            } catch (const pageSettings::NotANumber&) {
                continue; // an unreadable group gives this member nothing
            }
            if (gm > 0 && gm < int32_t(groupDimmer.size())) {
                if (r->myPlayback > 0) pb().setDimmerValue(groupDimmer[size_t(gm)], r->myPlayback);
                break;
            }
        }
    }
    saveGroupSubMaster(g);
    changed();
}

void ShortcutPages::adjustCurrentPageGroup(int32_t g, int32_t value) {
    if (g < 1 || g >= int32_t(groupDimmer.size())) return;
    groupDimmer[size_t(g)] = std::clamp(value, 0, 100);
    sldrDimmer_Scroll(g);
}

int32_t ShortcutPages::getGroupSubMaster(int32_t g) {
    if (g < 1 || g >= int32_t(groupDimmer.size())) return 100;
    const QString text = miscGlobalFunctions::readIniValue(settingsFile(currentPage), QString::number(g),
                                                           QStringLiteral("SubMaster"), QStringLiteral("100"));
    const int32_t v = numberText::isNumber(text) ? std::clamp(int32_t(std::lround(numberText::leadingValue(text))), 0, 100) : 100;
    groupDimmer[size_t(g)] = v;
    shell().masters().setGroupSubmaster(g, v);
    return v;
}

void ShortcutPages::saveGroupSubMaster(int32_t g) {
    if (currentPage.isEmpty() || g < 1 || g >= int32_t(groupDimmer.size())) return;
    miscGlobalFunctions::writeIniValue(settingsFile(currentPage), QString::number(g), QStringLiteral("SubMaster"),
                                       QString::number(groupDimmer[size_t(g)]));
}

int32_t ShortcutPages::findGroupOfButton(const QString& name) const {
    for (const QString& page : pages) {
        const int32_t g = pageSettings::groupOfButtonOnPage(page, name);
        if (g >= 1) return g;
    }
    return 0;
}

int32_t ShortcutPages::readButtonGroupDimmer(const clsSequence& s) const {
    const QString text = miscGlobalFunctions::readIniValue(settingsFile(s.myPage.trimmed()), s.myButtonGroup,
                                                           QStringLiteral("SubMaster"), QStringLiteral("100"));
    // A level that cannot be read loads at full, never dark.
    if (!numberText::isNumber(text)) return 100;
    return std::clamp(int32_t(std::lround(numberText::leadingValue(text))), 0, 100);
}
