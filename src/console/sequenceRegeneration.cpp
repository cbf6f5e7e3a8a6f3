#include "console/sequenceRegeneration.h"

#include "platform/prompts.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/showService.h"
#include "shell/shell.h"

#include <algorithm>
#include <exception>

namespace sequenceRegeneration {

bool entryIsSequencePath(const QString& entry) {
    const QString e = entry.trimmed();
    if (e.isEmpty() || e.startsWith(QLatin1Char('\\')) || e.startsWith(QLatin1Char('/')) || e.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = QString(e).replace(QLatin1Char('/'), QLatin1Char('\\')).split(QLatin1Char('\\'));
    for (const QString& part : parts)
        if (part.isEmpty() || part == QLatin1String("..") || part == QLatin1String(".")) return false;
    const QString& name = parts.last();
    return name.size() > 4 && name.endsWith(QLatin1String(".YSQ"), Qt::CaseInsensitive);
}

namespace {
// Puts the refresh tick back on and closes the progress window on every way out.
struct TickOffWhileRegenerating {
    TickOffWhileRegenerating() { shell().playback().setRefreshTickEnabled(false); }
    ~TickOffWhileRegenerating() {
        shell().mainWindow().closeProgressWindow();
        shell().playback().setRefreshTickEnabled(true);
    }
};
constexpr int lastSlot = 512;
} // namespace

int clkRefreshSequences_Click() {
    Prompts& prompts = shell().prompts();
    if (prompts.messageBox(QStringLiteral("Would you like to Backup current show before you alter sequences?"),
                           msgBox::YesNo) == msgBox::Yes)
        shell().show().backUpConfiguration(false);
    if (prompts.messageBox(
            QStringLiteral("Are you sure you would like to Regenerate All assigned Sequences with Palette Preset Data."),
            msgBox::YesNo) != msgBox::Yes)
        return 0;
    const QStringList& table = shell().state.masterShortcutFiles;
    const int last = std::min<int>(lastSlot, int(table.size()) - 1);
    int filled = 0;
    for (int i = 1; i <= last; ++i)
        if (!table[i].trimmed().isEmpty()) ++filled;
    shell().mainWindow().showProgressWindow(filled + 1);
    int done = 0;
    try {
        TickOffWhileRegenerating tickOff;
        for (int i = 1; i <= last; ++i) {
            const QString entry = table[i].trimmed();
            if (entry.isEmpty()) continue;
            // An entry from the show file that leaves the Sequences folder is skipped.
            if (entryIsSequencePath(entry)) {
                const QString uqf = shell().programPath(QStringLiteral("Sequences\\") + entry.left(entry.size() - 4) +
                                                        QStringLiteral(".UQF"));
                shell().state.currentFileName = uqf;
                shell().presets().alterSequenceFileUsingPresetData(uqf);
                ++done;
            }
            shell().mainWindow().advanceProgressWindow(
                QStringLiteral("Updating the Sequence Information... Please Wait."));
        }
    } catch (const std::exception& e) {
        prompts.messageBox(QStringLiteral("Error regenerating sequences: ") + QString::fromUtf8(e.what()));
    }
    return done;
}

void SaveSeq_Click() {
    const int32_t current = shell().state.currentPlayback;
    PlaybackService& pb = shell().playback();
    if (pb.getMaxSteps(current) == 0) pb.pressRecord(current, true);
    shell().shortcuts().showSequenceProperties(current);
    if (shell().masters().getDualMode()) shell().masters().cmdProgramingMode_Click();
}

} // namespace sequenceRegeneration
