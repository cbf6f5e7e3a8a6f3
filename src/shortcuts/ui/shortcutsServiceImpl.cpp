#include "shortcuts/ui/shortcutsServiceImpl.h"

#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/masterShortcuts.h"
#include "shortcuts/shortcutFiles.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/ui/frmAutoPilotWizard.h"
#include "shortcuts/ui/frmCommandViewer.h"
#include "shortcuts/ui/frmKeyPad.h"
#include "shortcuts/ui/frmMultiWizard.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"
#include "shortcuts/ui/masterShortcutWindows.h"
#include "shortcuts/ui/sequenceProperties.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Centred across the screen with its top at 0.45 of the screen's height, above the others.
void placeBelowMiddle(QWidget& w) {
    w.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        w.move(area.x() + (area.width() - w.frameGeometry().width()) / 2, area.y() + int(area.height() * 0.45));
    }
    Formontop::setFormOnTop(&w, -1);
}

class ShortcutsServiceImpl final : public ShortcutsService {
public:
    ShortcutPages& pages() { return shell().engine<ShortcutPages>(); }
    QString currentPage() override { return pages().currentPage; }
    void saveNewButtonPosition(const QString& name, bool overRide) override {
        pages().saveNewButtonPosition(name, overRide);
    }
    void moveSequenceData(int32_t oldStart, int32_t newStart, int32_t oldEnd, int32_t newEnd,
                          int32_t activeUniverse) override {
        pages().moveSequenceData(oldStart, newStart, oldEnd, newEnd, activeUniverse);
    }
    void refreshPageOnly() override { pages().refreshPageOnly(); }
    void checkActivePlaybacks(const QString& sequence) override {
        shell().engine<MasterShortcuts>().checkActivePlaybacks(sequence);
    }
    void doneWithFade(bool byPass) override { pages().doneWithFade(byPass); }
    void checkDoneWithFadeDelay() override { pages().checkDoneWithFadeDelay(); }
    void checkTimers() override { pages().checkTimers(); }
    void refreshCurrentPage() override { pages().refreshCurrentPage(); }
    void pressActivePageButton() override { pages().pressActivePageButton(); }
    void startUpSequencesFromIniFile() override { pages().startUpSequencesFromIniFile(); }

    // ---- Presses ----
    void cmdSequence_MouseUp(int32_t index, int32_t button, int32_t shift, float x, float y) override {
        pages().cmdSequence_MouseUp(index, button, shift, x, y);
    }
    void cmdSequence_MouseDown(int32_t index, int32_t button, int32_t shift, float x, float y) override {
        pages().cmdSequence_MouseDown(index, button, shift, x, y);
    }
    void pressWebButton(int16_t button, int16_t page) override { pages().pressWebButton(button, page); }
    int32_t buttonIndex(const QString& name) override { return pages().buttonIndex(name); }
    QString buttonName(int32_t index) override {
        ShortcutPages& p = pages();
        return index >= 1 && index <= p.currentPageButtonCount ? p.buttons[size_t(index)].name : QString();
    }
    QString buttonState(int32_t index) override {
        ShortcutPages& p = pages();
        return index >= 1 && index <= p.currentPageButtonCount ? p.buttons[size_t(index)].tag : QString();
    }
    QStringList pageNames() override { return pages().pages; }
    void showPage(int32_t tab) override {
        if (tab >= 1) pages().cmdPages_Click(tab);
    }
    int32_t findPlaybackOfButton(const QString& name) override { return pages().findPlaybackOfButton(name); }
    void releaseAllOnPage(int32_t index) override { pages().releaseAllOnPage(index); }
    void releaseAllMultiOnPage(int32_t index, bool all) override { pages().releaseAllMultiOnPage(index, all); }
    void releaseAllAndCreateNew(bool releaseOnly) override { pages().releaseAllAndCreateNew(releaseOnly); }
    void removeAllButtonCollections() override { pages().removeAllButtonCollections(); }
    QStringList returnMultiCollection(const QString& name) override {
        QStringList names;
        for (const SequenceRef& m : pages().returnMultiCollection(name)) names << m->theName.trimmed();
        return names;
    }
    void clearMultiCollection() override { pages().clearMultiCollection(); }
    void executeMultiFile(const QString& path) override {
        ShortcutPages& p = pages();
        if (p.loadMultiButton(0, path)) p.executeMulti(true);
    }
    QStringList runningMultis() override { return pages().runningMultiCollection; }
    void setFlashButton() override { pages().setFlashButton(); }
    QStringList pageFiles(const QString& pattern) override {
        QStringList names;
        const QString extension = pattern.startsWith(QLatin1Char('*')) ? pattern.mid(1) : pattern;
        for (const QString& title : shortcutFiles::listTitles(shortcutFiles::pageFolder(pages().currentPage), extension))
            names << title + extension;
        return names;
    }
    bool pressMasterShortcut(const QString& entry) override {
        MasterShortcuts& master = shell().engine<MasterShortcuts>();
        for (int32_t b = 1; b <= MasterShortcuts::buttonCount; ++b)
            if (master.entry(b) == entry) {
                shell().state.currentPlayback = 1;
                master.pressLeft(b, false);
                return true;
            }
        return false;
    }
    void recieveBeat() override { pages().recieveBeat(); }
    bool saveMultiButtonClicked(const QString& name) override { return pages().saveMultiButtonClicked(name); }

    // ---- Page mode and groups ----
    void cmdLockorStack_Click() override { pages().cmdLockorStack_Click(); }
    void pressGoFromSubmaster(int32_t group, int32_t crossFade, float overrideTime, int32_t) override {
        pages().pressGoFromSubmaster(group, crossFade, overrideTime);
    }
    QString highlightNextButtonInGroup(int32_t group) override { return pages().highlightNextButtonInGroup(group); }
    QString highlightPreviousButtonInGroup(int32_t group) override {
        return pages().highlightPreviousButtonInGroup(group);
    }
    void adjustCurrentPageGroup(int32_t group, int32_t value) override { pages().adjustCurrentPageGroup(group, value); }
    int32_t returnButtonIndexForGroup(int32_t group) override { return pages().returnButtonIndexForGroup(group); }
    void updateFadeOutText(const QString& sequenceFile, int32_t percent) override {
        pages().updateFadeOutText(sequenceFile, percent);
    }
    void deleteAllPages() override { pages().deleteAllPages(); }
    // A show was loaded: its pages are read anew.
    void loadPageButtons() override { pages().loadPageButtons(); }
    // A new show starts: the windows of the old one's pages go.
    void unloadShortcutWindows() override {
        unloadForm<Shortcuts>();
        unloadForm<frmSequenceShortcuts>();
    }
    void showShortcutPages() override { form<frmSequenceShortcuts>().open(); }
    void showMasterShortcuts() override {
        Shortcuts& w = form<Shortcuts>();
        w.show();
        w.raise();
    }
    void showKeyList() override {
        ShortcutsDefined& w = form<ShortcutsDefined>();
        w.show();
        w.raise();
    }
    // Opened afresh for the playback, modeless and above the others.
    void showSequenceProperties(int32_t playbackNumber) override {
        unloadForm<sequenceProperties>();
        sequenceProperties& w = form<sequenceProperties>();
        w.setPlayback(playbackNumber);
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
    }
    bool sequencePropertiesVisible() override {
        const sequenceProperties* w = loadedForm<sequenceProperties>();
        return w && w->isVisible();
    }
    void saveSequenceProperties(const QString& buttonName) override {
        sequenceProperties* w = loadedForm<sequenceProperties>();
        if (!w) return;
        if (!buttonName.isEmpty()) w->setButtonName(buttonName);
        w->saveButton_Click();
    }
    int32_t currentPageButtonCount() override { return pages().currentPageButtonCount; }
    void setMultiCollectionToNothing() override { pages().setMultiCollectionToNothing(); }
    void addToMultiCollection(const QString& theName) override { pages().addToMultiCollection(theName); }
    void showMultiWizard(const QString& mode) override {
        // Loaded afresh: it offers the name of the multi being edited, if any.
        if (mode.isEmpty()) pages().currentMultiEditing.clear();
        unloadForm<frmMultiWizard>();
        frmMultiWizard& w = form<frmMultiWizard>();
        w.setWizardMode(mode);
        if (mode.isEmpty()) placeBelowMiddle(w);
        w.show();
        w.raise();
    }
    // Read afresh at each opening, so it never writes an older step's command.
    void showCommandBuilder(int32_t left, int32_t top) override {
        frmCommandViewer& w = form<frmCommandViewer>();
        w.load();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.move(left, top);
        w.raise();
    }
    void showAutoPilotWizard() override {
        unloadForm<frmAutoPilotWizard>();
        frmAutoPilotWizard& w = form<frmAutoPilotWizard>();
        placeBelowMiddle(w);
        w.show();
        w.raise();
    }
    // Opening it again while it is open retargets the same window; the typed text stays.
    void showTimeKeypad(const QString& target, int32_t index, int32_t right, int32_t bottom) override {
        frmKeyPad& w = form<frmKeyPad>();
        w.setTarget(target, index);
        w.show();
        // The frame is known once shown; move() places the frame's corner.
        const QRect frame = w.frameGeometry();
        w.move(right - frame.width(), bottom - frame.height());
        w.raise();
    }
    void showTimeKeypadAt(const QString& target, int32_t index, int32_t left, int32_t top) override {
        frmKeyPad& w = form<frmKeyPad>();
        w.setTarget(target, index);
        w.show();
        w.move(left, top);
        w.raise();
    }
};

} // namespace

void registerShortcuts(Shell& s) { s.provide<ShortcutsService>(std::make_unique<ShortcutsServiceImpl>()); }
