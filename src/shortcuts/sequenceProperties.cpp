#include "shortcuts/sequenceProperties.h"

#include "shell/libParsePath.h"
#include "shell/numberText.h"
#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "shell/shell.h"
#include "shortcuts/shortcutFiles.h"
#include "shortcuts/shortcutPages.h"

#include <algorithm>
#include <cmath>

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

QString SequencePropertiesEngine::nameProblem() const {
    const QString name = nameToSave(0).trimmed();
    if (name.isEmpty() || buttonName.trimmed() == placeholder()) return {};
    return shortcutFiles::nameProblem(name, true);
}

void SequencePropertiesEngine::save() {
    static const char* const startTexts[] = {"1", "2", "0"};
    ShortcutPages& pages = shell().engine<ShortcutPages>();
    const QString start = QString::fromLatin1(startTexts[startMethod >= 0 && startMethod <= 2 ? startMethod : 0]);
    const QString name = nameToSave(pages.currentPageButtonCount).trimmed();
    // An empty name has the playback engine ask for the file itself.
    // The playback whose file named the button is the one saved (the current
    // playback may be another one, and its sequence would overwrite this button).
    shell().playback().saveSequence(playback, playback, start,
                                    saveOption >= 0 && saveOption <= 2 ? saveOption : 0, name);
    pages.refreshCurrentPage();
    if (isExistingButton) isExistingButton = false;
    else pages.setFlashButton();
    shell().show().saveConfiguration(false, false, false);
}

// ---- The crossfade section ------------------------------------------------------------------

QString SequencePropertiesEngine::fadeText(double seconds) { return QString::asprintf("%05.2f", seconds); }

bool SequencePropertiesEngine::sendFadeTimes(const QString& fadeInText, const QString& fadeOutText,
                                             bool crossFadeTicked) {
    const double fadeIn = numberText::leadingValue(fadeInText);
    const double fadeOut = numberText::leadingValue(fadeOutText);
    if (!(fadeIn > 0 && fadeIn < 300 && crossFadeTicked)) return false;
    PlaybackService& pb = shell().playback();
    const int32_t current = shell().state.currentPlayback;
    pb.setfadeInStatusfadeTimes(float(fadeIn), float(fadeOut), current);
    pb.setFadeInStatus(current, true);
    return true;
}

void SequencePropertiesEngine::crossFadeClicked(bool ticked) {
    PlaybackService& pb = shell().playback();
    const int32_t current = shell().state.currentPlayback;
    pb.setFadeInStatus(current, ticked);
    // Cleared: the playback's own step times again.
    if (!ticked) pb.setfadeInStatusfadeTimes(0, 0, current);
}

std::optional<QString> SequencePropertiesEngine::arrowClick(const QString& boxText, bool fadeOutBox, Arrow arrow) {
    bool ok = false;
    const double value = boxText.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double whole = std::floor(value);
    double next = value;
    switch (arrow) {
    case Arrow::coarseUp:
        if (fadeOutBox ? whole > 200 : whole >= 200) return std::nullopt;
        next = value + 1;
        break;
    case Arrow::coarseDown:
        if (whole < 1) return std::nullopt;
        next = value - 1;
        break;
    case Arrow::fineUp:
        if (whole >= 60) return std::nullopt;
        next = value + 0.05;
        break;
    case Arrow::fineDown:
        // A little below 0.05 too: 0.05 typed is not always 0.05 in binary.
        if (whole >= 60 || value < 0.05 - 1e-9) return std::nullopt;
        next = value - 0.05;
        break;
    }
    return fadeText(std::max(0.0, next));
}
