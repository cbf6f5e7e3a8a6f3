#include "shortcuts/sequenceProperties.h"

#include "shell/libParsePath.h"
#include "shell/numberText.h"
#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "shell/shell.h"
#include "shortcuts/shortcutPages.h"

void SequencePropertiesEngine::load(int32_t playbackNumber) {
    playback = playbackNumber;
    PlaybackService& pb = shell().playback();
    startMethod = pb.returnGoMode(shell().state.currentPlayback) ? 2 : 0;
    saveOption = 0;
    int32_t home = 0;
    const QString loaded = pb.getCurrentSequence(playback, home);
    isExistingButton = !loaded.isEmpty();
    buttonName = isExistingButton ? libParsePath::ParsePath(loaded, 4) : placeholder();
}

QString SequencePropertiesEngine::nameToSave(int32_t pageButtonCount) const {
    const QString typed = buttonName.trimmed();
    // The number keeps the blank where a sign would stand: "Sequence  7".
    if (typed == placeholder()) return QStringLiteral("Sequence %1").arg(numberText::signed_(pageButtonCount + 1));
    return QString(typed).replace(QLatin1Char('/'), QLatin1Char('&'));
}

void SequencePropertiesEngine::save() {
    static const char* const startTexts[] = {"1", "2", "0"};
    ShortcutPages& pages = shell().engine<ShortcutPages>();
    const QString start = QString::fromLatin1(startTexts[startMethod >= 0 && startMethod <= 2 ? startMethod : 0]);
    const QString name = nameToSave(pages.currentPageButtonCount).trimmed();
    // An empty name has the playback engine ask for the file itself.
    shell().playback().saveSequence(shell().state.currentPlayback, playback, start,
                                    saveOption >= 0 && saveOption <= 2 ? saveOption : 0, name);
    pages.refreshCurrentPage();
    if (isExistingButton) isExistingButton = false;
    else pages.setFlashButton();
    shell().show().saveConfiguration(false, false, false);
}
