#include "support/ui/supportServiceImpl.h"

#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"
#include "support/ReBoot.h"
#include "support/clsMonitors.h"
#include "support/confirmActions.h"
#include "support/ui/Dialog.h"
#include "support/ui/DialogConfirm.h"
#include "support/ui/frmAutoUpdate.h"
#include "support/ui/frmMonitor.h"
#include "support/ui/frmStartWizard.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>

namespace {

// Shows the text-entry dialog modally; true when OK carried its action out.
bool askName(const textEntry::Request& request, const QString& caption, const QString& label, const QString& text) {
    Dialog& d = form<Dialog>();
    d.setUp(request, caption, label, text);
    Formontop::setFormOnTop(&d, -1);
    const bool done = d.exec() == QDialog::Accepted;
    Formontop::setFormOnTop(&d, -2);
    return done;
}

} // namespace

bool SupportServiceImpl::renameFixture(int32_t fixture) {
    const ChannelModel& m = shell().state;
    if (fixture < 1 || fixture > m.fixtureCount || fixture >= m.fixtureName.size()) return false;
    textEntry::Request r;
    // The mode is the fixture's name; the fixture is fixed now, whatever
    // the layout selects while the dialog is open.
    r.dialogMode = m.fixtureName[fixture].trimmed();
    if (r.dialogMode.isEmpty() || r.dialogMode == textEntry::editMultiChasers ||
        r.dialogMode == textEntry::editScheduleShortcut || r.dialogMode == textEntry::renameSequence ||
        r.dialogMode == textEntry::renameDmxPilot || r.dialogMode == textEntry::renameSequenceOnPlayback)
        r.dialogMode = QStringLiteral("fixture ") + QString::number(fixture);
    r.fixture = fixture;
    return askName(r, QStringLiteral("Change Fixture Name"), QStringLiteral("Please enter new name for fixture"),
                   m.fixtureName[fixture].trimmed());
}

bool SupportServiceImpl::namePlayback(int32_t playback) {
    const ChannelModel& m = shell().state;
    textEntry::Request r;
    r.playback = playback;
    const QString current = playback >= 1 && playback <= m.tables.playbackNames.size()
                                ? m.tables.playbackNames[playback - 1]
                                : QString();
    return askName(r, QStringLiteral("Playback ") + QString::number(playback),
                   QStringLiteral("Please enter name for playback"), current.trimmed());
}

bool SupportServiceImpl::renamePlaybackSequence(const QString& originalName) {
    textEntry::Request r;
    r.dialogMode = textEntry::renameSequenceOnPlayback;
    r.originalName = originalName;
    return askName(r, QStringLiteral("Rename Sequence File"), QStringLiteral("Please enter new name for sequence"),
                   textEntry::sequenceBaseName(originalName));
}

void SupportServiceImpl::confirmClearSequence() {
    form<DialogConfirm>().ask(confirmActions::clearSequenceCaption(), confirmActions::clearSequenceText);
}

void SupportServiceImpl::confirmNewShow() {
    form<DialogConfirm>().ask(confirmActions::newShowCaption, confirmActions::newShowText);
}

void SupportServiceImpl::showStartWizard() {
    frmStartWizard& w = form<frmStartWizard>();
    w.resetChoice();
    w.adjustSize();
    // Centred across the screen, its top at 0.45 of the screen's height.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        w.move(area.x() + (area.width() - w.frameGeometry().width()) / 2, area.y() + int(area.height() * 0.45));
    }
    Formontop::setFormOnTop(&w, -1);
    w.show();
    w.raise();
}

void SupportServiceImpl::checkForUpdate(bool silent) { form<frmAutoUpdate>().checker.checkForUpdate(silent); }

int32_t SupportServiceImpl::showMonitorDialog(const QString& prompt, const QString& caption, bool* fullScreen) {
    clsMonitors monitors;
    return monitorChooser::ShowMonitorDialog(monitors, prompt, caption, QApplication::activeWindow(), fullScreen);
}

void SupportServiceImpl::shutDownCommand() {
    if (!ReBoot::confirmAndShutDown()) return;
    // The computer is going down: the program ends with it, without the
    // close questions of its windows (exit, not quit).
    QCoreApplication::exit(0);
}

bool SupportServiceImpl::shutDownComputer(bool force) { return ReBoot::shutDownComputer(force); }

void registerSupport(Shell& s) { s.provide<SupportService>(std::make_unique<SupportServiceImpl>()); }
