#include "playback/playbackEngine.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"

namespace {
// A number as text with the blank in the sign position that positive
// numbers carry.
QString signedText(int32_t n) { return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n); }
QString truthText(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }
} // namespace

QString PlaybackEngine::viewModeText() const {
    if (state.showSequenceData && state.compactView) return QStringLiteral("Micro");
    if (state.compactView) return QStringLiteral("Compact");
    if (state.showSequenceData) return QStringLiteral("ViewAll");
    return QStringLiteral("both");
}

void PlaybackEngine::savePlaybackWindowSettings(int32_t topTwips, int32_t leftTwips) {
    const QString section = QStringLiteral("PlayBack ") + signedText(state.myPlaybackNumber);
    const QString ini = shell().iniFile();
    const std::pair<const char*, QString> keys[] = {
        {"test", QStringLiteral("1")},
        {"Mode", viewModeText()},
        {"X", signedText(topTwips)},
        {"Y", signedText(leftTwips)},
        {"Visible", truthText(state.wasIVisible)},
        {"ShowShortcuts", truthText(state.showPlaybackShortcuts)},
        {"Name", state.PlaybackAlias},
    };
    for (const auto& [key, value] : keys) miscGlobalFunctions::writeIniValue(ini, section, QString::fromLatin1(key), value);
}
