#include "shortcuts/shortcutPages.h"

#include "platform/paths.h"
#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/newDoEvents.h"
#include "platform/tickTimer.h"
#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/services/schedulerService.h"
#include "shell/shell.h"
#include "shortcuts/sequenceHeader.h"

#include <QDir>
#include <QFile>
#include <cmath>

using shortcutFiles::ButtonKind;

ShortcutPages::ShortcutPages() : buttons(size_t(shortcutFiles::maxButtons) + 1) {
    trash = [](const QString& path) { return miscGlobalFunctions::shellFileOperation(path); };
    buttonTimer = shell().timers().create();
    buttonTimer->setInterval(100);
    buttonTimer->onTick = [this] { buttonTimer_Timer(); };
    tmrLapse = shell().timers().create();
    tmrLapse->setInterval(250);
    tmrLapse->onTick = [this] { tmrLapse_Timer(); };
}

ShortcutPages::~ShortcutPages() = default;

void ShortcutPages::changed() {
    if (onChanged) onChanged();
}

// ---- Window start and page tabs ------------------------------------------------------

bool ShortcutPages::start() {
    if (shell().state.showName.trimmed().isEmpty()) return false;
    const QString folder = shortcutFiles::showFolder();
    // A show whose page folder is missing gets it made, once; a second miss
    // is reported instead of trying again.
    if (!QDir(folder).exists()) {
        if (!miscGlobalFunctions::FileExists(shell().state.showFileName)) return false;
        if (!QDir().mkpath(folder)) {
            shell().prompts().messageBox(QStringLiteral("The button pages' folder could not be made: ") + folder);
            return false;
        }
    }
    // The window opens on page 1: the tab load shows it (once).
    currentPage.clear();
    loadPageButtons();
    int32_t port = 0;
    shell().control().StartServer(port);
    // The first tick replays the buttons that were on.
    if (!firstLoad) startButtonTimer();
    return true;
}

void ShortcutPages::loadPageButtons() {
    shortcutCollection.clear();
    pages.clear();
    if (shell().state.showName.trimmed().isEmpty()) return changed();
    pages = shortcutFiles::listPages();
    if (pages.isEmpty()) {
        // A show whose buttons lay in its folder becomes a show of one page.
        const QString first = QDir(shortcutFiles::showFolder()).filePath(QStringLiteral("Page 1"));
        if (QDir().mkpath(first)) {
            int copied = 0;
            miscGlobalFunctions::copyFolderFiles(shortcutFiles::showFolder(), first, copied);
        }
        pages = shortcutFiles::listPages();
        if (pages.isEmpty())
            shell().prompts().messageBox(QStringLiteral("The page folder could not be made: ") + first);
    }
    if (selectedTab > pages.size()) selectedTab = 0;
    // After a load or a save the shown page is one of this show's pages, so
    // what is saved next lands in a page folder, not above them.
    if (!pages.isEmpty() && !pages.contains(currentPage)) {
        cmdPages_Click(1);
        return;
    }
    changed();
}

QString ShortcutPages::tabCaption(int32_t index) const {
    if (index < 1 || index > pages.size()) return QStringLiteral("Add New Page");
    const QString& page = pages[index - 1];
    return page + QLatin1Char('(') + shell().control().getPageShortcut(page) + QLatin1Char(')');
}

void ShortcutPages::cmdPages_Click(int32_t index) {
    if (index < 1 || pages.isEmpty()) {
        const QString answer = shortcutFiles::fitName(
            shell().prompts().inputBox(QStringLiteral("Please Enter Name for New Page"), QStringLiteral("New Page"), {}));
        if (!answer.isEmpty()) {
            const QString problem = shortcutFiles::nameProblem(answer, false);
            const QString folder = shortcutFiles::pageFolder(answer);
            if (!problem.isEmpty()) {
                shell().prompts().messageBox(QStringLiteral("CmdPAges:") + problem);
            } else if (QDir(paths::realPath(folder)).exists()) {
                shell().prompts().messageBox(QStringLiteral("CmdPAges:") + QStringLiteral("A page of that name exists already."));
            } else if (!QDir().mkpath(folder)) {
                shell().prompts().messageBox(QStringLiteral("CmdPAges:") + QStringLiteral("The folder could not be made."));
            } else {
                loadPageButtons();
            }
        }
        shell().control().updateWebInterface();
        selectedTab = 0;
        changed();
        return;
    }
    if (index > pages.size()) return;
    hideAllGroups();
    currentPage = pages[index - 1];
    loadPageButtonsFromFolder(currentPage);
    selectedTab = index;
    changed();
}

void ShortcutPages::pressActivePageButton() {
    if (selectedTab > 0) cmdPages_Click(selectedTab);
}

void ShortcutPages::pressPageButton(const QString& page) {
    for (int32_t i = 1; i <= pages.size(); ++i) {
        if (tabCaption(i).startsWith(page)) {
            cmdPages_Click(i);
            return;
        }
    }
}

void ShortcutPages::refreshCurrentPage() {
    const int32_t i = int32_t(pages.indexOf(currentPage)) + 1;
    if (i > 0) cmdPages_Click(i);
}

// ---- Page loading and states --------------------------------------------------------------

int32_t ShortcutPages::perRow() const {
    if (buttonWidth <= 0) return 0;
    return int32_t(std::nearbyint(windowWidth / buttonWidth - 1));
}

void ShortcutPages::hideButtons() {
    for (PageButton& b : buttons) b.visible = false;
    buttons[0].left = -buttonWidth;
    buttons[0].top = fixedButtonTop;
}

bool ShortcutPages::loadPageButtonsFromFolder(const QString& page) {
    const QString errorText = QStringLiteral("Error IN Page Please Delete Page:  ");
    currentRowTop = std::round(fixedButtonTop);
    loadPageGroups();
    hideButtons();
    newDoEvents::doEventsIfPending();
    const QString folder = paths::realPath(shortcutFiles::pageFolder(page));
    if (!QDir(folder).exists()) {
        shell().prompts().messageBox(errorText + QStringLiteral("The page folder %1 does not exist.").arg(page));
        return false;
    }
    struct KindList { ButtonKind kind; QStringList titles; };
    std::vector<KindList> kinds;
    int total = 0;
    for (ButtonKind k : {ButtonKind::sequence, ButtonKind::autoPilot, ButtonKind::multi, ButtonKind::timeline}) {
        kinds.push_back({k, shortcutFiles::listTitles(folder, shortcutFiles::extensionOf(k))});
        total += int(kinds.back().titles.size());
    }
    if (total > shortcutFiles::maxButtons) {
        shell().prompts().messageBox(errorText + QStringLiteral("A page holds at most %1 buttons.").arg(shortcutFiles::maxButtons));
        return false;
    }
    const int32_t per = perRow();
    const QString scheduleTitle = libParsePath::ParsePath(shell().scheduler().currentScheduleFile(), 4);
    const bool scheduleRunning = shell().scheduler().scheduleRunning();
    int32_t n = 0;
    for (const KindList& list : kinds) {
        for (const QString& name : list.titles) {
            ++n;
            PageButton& b = buttons[size_t(n)];
            b = PageButton{};
            b.name = name;
            b.kind = list.kind;
            b.timer = returnIfTimerIsActive(name, page);
            // A hand-edited place that is no number fails the load: the page shows no buttons.
            try {
                placeButton(n, per);
            } catch (const pageSettings::NotANumber& e) {
                shell().prompts().messageBox(errorText + QString::fromStdString(e.what()));
                return false;
            }
            switch (list.kind) {
            case ButtonKind::sequence:
                if (const int32_t p = findPlaybackOfButton(name); p > 0) {
                    b.tag = QStringLiteral("on");
                    auto s = std::make_shared<clsSequence>();
                    s->myPage = page;
                    s->myIndex = n;
                    s->theName = name;
                    s->myPlayback = p;
                    s->myButtonGroup = QString::number(groupAtPoint(float(b.left), float(b.top)));
                    registerPressedButton(s, name.trimmed());
                    setOnPicture(n);
                } else {
                    b.tag = QStringLiteral("off");
                }
                break;
            case ButtonKind::autoPilot:
                b.tag = name == runningAutoPilotName ? QStringLiteral("auto on") : QStringLiteral("auto off");
                break;
            case ButtonKind::multi: {
                bool on = false;
                for (const QString& m : runningMultiCollection) on = on || m.trimmed() == name;
                b.tag = on ? QStringLiteral("multi on") : QStringLiteral("multi off");
                break;
            }
            case ButtonKind::timeline:
                b.tag = name == scheduleTitle && scheduleRunning ? QStringLiteral("timeline on") : QStringLiteral("timeline off");
                break;
            case ButtonKind::none: break;
            }
        }
        newDoEvents::doEventsIfPending();
    }
    currentPageButtonCount = n;
    loadPageMode();
    if (!groups.empty()) {
        groupCursor.resize(groups.size() + 1, 0);
        for (int32_t g = 1; g <= pageGroupCount(); ++g)
            if (groupCursor[size_t(g)] == 0) highlightFirstButtonOfGroups(g, 0);
    }
    if (!restoringButtonStates)
        for (int32_t i = 1; i <= n; ++i) buttons[size_t(i)].visible = true;
    changed();
    return true;
}

void ShortcutPages::placeButton(int32_t index, int32_t per) {
    PageButton& b = buttons[size_t(index)];
    currentButtonName = b.name;
    currentButtonIndex = index;
    float x = 0, y = 0;
    if (pageSettings::readButtonPosition(currentPage, b.name, x, y)) {
        b.top = x;
        b.left = y;
        return;
    }
    if (per <= 0) {
        shell().prompts().messageBox(QStringLiteral("Error in savePosition:") +
                                     QStringLiteral("The window is too narrow for a row of buttons."));
        return;
    }
    if (index % per != 0) {
        b.left = buttons[size_t(index) - 1].left + buttonWidth + 30;
        b.top = currentRowTop;
    } else {
        const int32_t k = index / per;
        b.top = k * buttonHeight + 585 + k * 30;
        b.left = 30;
        currentRowTop = std::round(b.top);
    }
    savePosition(QString(), 0, 0);
}

QString ShortcutPages::sequenceRelative(const QString& page, const QString& name) const {
    return shell().state.showName + QLatin1Char('\\') + page + QLatin1Char('\\') + name + QStringLiteral(".YSQ");
}

int32_t ShortcutPages::findPlaybackOfButton(const QString& name) const {
    PlaybackService& p = shell().playback();
    int32_t n = 0;
    if (!p.returnIfFilenameIsLoaded(sequenceRelative(currentPage, name.trimmed()), n) || n <= 0) return 0;
    // A playback fading out to clear itself has let its button go.
    if (p.returnFadeOutStatus(n)) return 0;
    return p.returnGoMode(n) || p.getCurrentAutoGo(n) || p.getChaserFlag(n) ? n : 0;
}

int32_t ShortcutPages::buttonIndex(const QString& name) const {
    const QString wanted = name.trimmed();
    for (int32_t i = 1; i <= currentPageButtonCount; ++i)
        if (buttons[size_t(i)].name.trimmed() == wanted) return i;
    return 0;
}

int32_t ShortcutPages::returnNameCount(const QString& name) const {
    int32_t count = 1;
    for (int32_t i = 1; i <= currentPageButtonCount; ++i)
        if (buttons[size_t(i)].name == name) ++count;
    return count;
}

void ShortcutPages::registerPressedButton(const SequenceRef& s, const QString& name) {
    // A name already pressed (on another page, or by a multi) keeps its entry.
    if (shortcutCollection.add(name, s)) markPlayingPages();
}

void ShortcutPages::paintRunning(int32_t index, bool running) {
    setButtonState(index, running ? QStringLiteral("on") : QStringLiteral("off"));
}

void ShortcutPages::refreshPageOnly() {
    const QString scheduleTitle = libParsePath::ParsePath(shell().scheduler().currentScheduleFile(), 4);
    const bool scheduleRunning = shell().scheduler().scheduleRunning();
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        PageButton& b = buttons[size_t(i)];
        if (b.kind == ButtonKind::sequence) {
            if (const int32_t p = findPlaybackOfButton(b.name); p > 0) {
                paintRunning(i, true);
                auto s = std::make_shared<clsSequence>();
                s->myPage = currentPage;
                s->myIndex = i;
                s->theName = b.name;
                s->myPlayback = p;
                s->myButtonGroup = QString::number(groupAtPoint(float(b.left), float(b.top)));
                registerPressedButton(s, b.name.trimmed());
                setOnPicture(i);
            } else {
                paintRunning(i, false);
                b.locked = b.audio = false;
            }
            b.fading = false;
            b.fadePercent = 0;
        }
        if (b.kind == ButtonKind::autoPilot)
            b.tag = b.name == runningAutoPilotName ? QStringLiteral("auto on") : QStringLiteral("auto off");
        if (b.kind == ButtonKind::multi) {
            bool on = false;
            for (const QString& m : runningMultiCollection) on = on || m.trimmed() == b.name.trimmed();
            setButtonState(i, on ? QStringLiteral("multi on") : QStringLiteral("multi off"));
        }
        if (b.kind == ButtonKind::timeline)
            b.tag = b.name == scheduleTitle && scheduleRunning ? QStringLiteral("timeline on") : QStringLiteral("timeline off");
        wingLamp(i);
    }
    changed();
}

void ShortcutPages::updateCurrentPage() {
    PlaybackService& p = shell().playback();
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        newDoEvents::doEventsIfPending();
        PageButton& b = buttons[size_t(i)];
        if (b.kind == ButtonKind::sequence) {
            int32_t n = 0;
            p.returnIfFilenameIsLoaded(sequenceRelative(currentPage, b.name.trimmed()), n);
            b.fading = n > 0 && isPlaybackFadingOut(n);
            paintRunning(i, findPlaybackOfButton(b.name) > 0);
        } else if (b.kind == ButtonKind::multi) {
            bool on = false;
            for (const QString& m : runningMultiCollection) on = on || m.trimmed() == b.name.trimmed();
            setButtonState(i, on ? QStringLiteral("multi on") : QStringLiteral("multi off"));
        }
    }
    changed();
}

