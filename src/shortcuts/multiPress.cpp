// Multi buttons at run time (their members switched on and off together,
// released by group or page) and the button builder that records presses as
// auto-pilot steps.

#include "shortcuts/shortcutPages.h"

#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/libParsePath.h"
#include "shell/numberText.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

using shortcutFiles::ButtonKind;

namespace {

constexpr int32_t releasedPriority = 5;

PlaybackService& pb() { return shell().playback(); }

// A member's sequence relative to "Sequences": an empty page is the show folder itself.
QString memberRelative(const clsSequence& m) {
    return shell().state.showName + QLatin1Char('\\') + m.myPage.trimmed() + QLatin1Char('\\') + m.theName.trimmed() +
           QStringLiteral(".YSQ");
}

QString memberFile(const clsSequence& m) {
    const QString page = m.myPage.trimmed();
    return page.isEmpty() ? paths::realPath(shortcutFiles::showFolder() + QLatin1Char('/') + m.theName.trimmed() +
                                            QStringLiteral(".YSQ"))
                          : shortcutFiles::buttonFile(page, m.theName.trimmed(), ButtonKind::sequence);
}

} // namespace

bool ShortcutPages::loadMultiButton(int32_t index, const QString& withName) {
    QString path = withName;
    const bool byName = !withName.isEmpty() || index < 1;
    if (!byName) {
        if (index > currentPageButtonCount) return false;
        path = shortcutFiles::buttonFile(currentPage, buttons[size_t(index)].name, ButtonKind::multi);
    }
    multiMembers.clear();
    QByteArray bytes;
    QString error;
    if (!safeFile::readWhole(path, bytes, &error)) {
        shell().prompts().messageBox(QStringLiteral("The Multi Button file could not be read: ") + path);
        return false;
    }
    multiMembers = multiButtons::references(multiButtons::decode(bytes));
    currentMultiName = byName ? libParsePath::ParsePath(withName, 4) : buttons[size_t(index)].name;
    return true;
}

void ShortcutPages::executeMulti(bool turnOn) {
    try {
        switchMulti(turnOn);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Execute Multi: One of the Sequence did not finish Fading Out ") +
                                     QString::fromStdString(e.what()));
    }
}

void ShortcutPages::switchMulti(bool turnOn) {
    if (!turnOn) {
        for (const SequenceRef& m : multiMembers) {
            int32_t p = 0;
            if (!pb().returnIfFilenameIsLoaded(memberRelative(*m), p) || p <= 0) continue;
            pb().fadeOutSequence(p);
            // A locked member goes too; its playback must not stay locked for the next load.
            pb().setPlaybackPriority(p, releasedPriority, false);
            pb().hidePlayback(p);
            shortcutCollection.remove(m->theName.trimmed());
        }
        runningMultiCollection.removeAll(currentMultiName.trimmed());
        changed();
        return;
    }
    int32_t group = 0;
    for (const SequenceRef& m : multiMembers) {
        int32_t p = 0;
        pb().returnIfFilenameIsLoaded(memberRelative(*m), p);
        group = findGroupOfButton(currentMultiName.trimmed());
        if (group == 0) group = findGroupOfButton(m->theName.trimmed());
        const int32_t level = group >= 0 && group < int32_t(groupDimmer.size()) ? groupDimmer[size_t(group)] : 100;
        const int32_t used = pb().loadSequenceInDoc(p, memberFile(*m), false, false, level);
        if (used > 0) pb().hidePlayback(used);
        m->myPlayback = used > 0 ? used : p;
        m->myMulti = currentMultiName;
        m->myButtonGroup = QString::number(group);
        m->isRunning = true;
        m->myPage = currentPage;
        registerPressedButton(m, m->theName.trimmed());
    }
    if (!runningMultiCollection.contains(currentMultiName.trimmed())) runningMultiCollection << currentMultiName.trimmed();
    shell().masters().setGroupsCurrrentSequence(group, currentMultiName.trimmed());
    changed();
}

void ShortcutPages::releaseAllMultiOnPage(int32_t callingIndex, bool all) {
    float left = 0, top = 0;
    if (callingIndex > 0 && callingIndex <= currentPageButtonCount) {
        left = float(buttons[size_t(callingIndex)].left);
        top = float(buttons[size_t(callingIndex)].top);
    }
    const int32_t group = groupAtPoint(left, top);
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        PageButton& b = buttons[size_t(i)];
        if (b.tag != QLatin1String("multi on")) continue;
        try {
            if (!all && pageSettings::groupOfButtonOnPage(currentPage, b.name) != group) continue;
        } catch (const pageSettings::NotANumber&) {
            continue; // one unreadable group does not stop the release of the others
        }
        // One broken multi file does not stop the release of the others.
        if (loadMultiButton(i, QString())) {
            for (const SequenceRef& m : multiMembers) {
                int32_t p = 0;
                if (!pb().returnIfFilenameIsLoaded(memberRelative(*m), p) || p <= 0) continue;
                // Locked members keep playing and stay pressed.
                if (pb().reportPlayBackPriority(p) > 9) continue;
                pb().setPlaybackPriority(p, releasedPriority, false);
                pb().fadeOutSequence(p);
                shortcutCollection.remove(m->theName.trimmed());
            }
        }
        currentMultiName = b.name;
        runningMultiCollection.removeAll(b.name.trimmed());
        setButtonState(i, QStringLiteral("multi off"));
        paintButtonFace(i, false);
    }
    changed();
}

std::vector<SequenceRef> ShortcutPages::returnMultiCollection(const QString& name) {
    std::vector<SequenceRef> found;
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        const PageButton& b = buttons[size_t(i)];
        if (b.kind != ButtonKind::multi || b.name != name) continue;
        if (loadMultiButton(i, QString())) found = multiMembers;
    }
    return found;
}

void ShortcutPages::clearMultiCollection() {
    releaseAllMultiOnPage(0, true);
    refreshCurrentPage();
}

bool ShortcutPages::saveMultiButtonClicked(const QString& name) {
    // From now on no multi counts as on: their members play on as pressed buttons.
    runningMultiCollection.clear();
    multiMembers.clear();
    for (const auto& [key, s] : shortcutCollection) multiMembers.push_back(s);
    if (multiMembers.empty()) {
        shell().prompts().messageBox(QStringLiteral("Try Again. Please Select one or More buttons to create a Multi Button"));
        return false;
    }
    const bool saved = saveMultiButton(name, false);
    refreshCurrentPage();
    return saved;
}

// ---- The button builder ----------------------------------------------------------------------

void ShortcutPages::createNewAutoPilot(bool on) {
    autoPilotBuilding = on;
    if (on) autoPilotSteps.clear();
    changed();
}

void ShortcutPages::recordPressForBuilder(int32_t index, int32_t stack) {
    if (index < 1 || index > currentPageButtonCount) return;
    const QString name = buttons[size_t(index)].name;
    if (autoPilotBuilding && (stack == 0 || stack == 1)) addBuilderStep(name, stack == 0, 0);
    if (insertStepPending) {
        const int32_t position = selectedStepRow >= 0 ? selectedStepRow + 1 : 0;
        autoPilotBuilding = true;
        addBuilderStep(name, true, position);
        insertStepPending = false;
        autoPilotBuilding = false;
    }
}

void ShortcutPages::addBuilderStep(const QString& name, bool release, int32_t position) {
    auto s = std::make_shared<clsSequence>();
    s->theName = name;
    s->myPage = currentPage;
    if (beatsMode) {
        s->theBeat = float(numberText::leadingValue(txtBeats));
        s->beatBool = true;
    } else {
        s->theTime = float(numberText::leadingValue(txtTime));
        s->timeBool = true;
    }
    s->releaseActive = release;
    s->myIndex = int32_t(autoPilotSteps.size()) + 1;
    if (!autoPilotBuilding) return;
    if (position <= 0 || position >= int32_t(autoPilotSteps.size())) autoPilotSteps.push_back(s);
    else autoPilotSteps.insert(autoPilotSteps.begin() + position, s);
    changed();
}

QStringList ShortcutPages::stepLines() const {
    QStringList lines;
    for (const SequenceRef& s : autoPilotSteps)
        lines << s->theName.trimmed() + QStringLiteral("  Release: ") + (s->releaseActive ? QStringLiteral("True") : QStringLiteral("False"));
    return lines;
}

bool ShortcutPages::saveAutoDMXPilot(const QString& name, bool overWrite) {
    const QString problem = shortcutFiles::nameProblem(name, true);
    if (!problem.isEmpty()) {
        shell().prompts().messageBox(problem);
        return false;
    }
    const QString file = shortcutFiles::buttonFile(currentPage, name, ButtonKind::autoPilot);
    QString error;
    if (!safeFile::writeWhole(file, multiButtons::encode(multiButtons::members(autoPilotSteps), false), &error)) {
        shell().prompts().messageBox(QStringLiteral("The Auto Pilot Button \"%1\" could not be saved: %2").arg(name, error));
        return false;
    }
    saveNewButtonPosition(name, false);
    if (!overWrite) setFlashButton();
    refreshCurrentPage();
    return true;
}
