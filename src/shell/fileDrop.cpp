#include "shell/fileDrop.h"

#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/services/playbackService.h"
#include "shell/services/profilesService.h"
#include "shell/shell.h"

#include <exception>

namespace fileDrop {

namespace {
void openDroppedFile(const QString& path) {
    Shell& s = shell();
    const QString extension = libParsePath::ParsePath(path, 5).toUpper();
    if (extension == QLatin1String(".YSQ")) {
        int32_t doc = s.state.currentPlayback;
        s.playback().loadSequenceInDoc(doc, path, false, false, 0);
        s.playback().playLoadedSequence(s.state.currentPlayback, true, true, false);
    } else if (extension == QLatin1String(".FIX")) {
        s.profiles().loadFixtureFile(path);
    } else if (extension == QLatin1String(".YCF") || extension == QLatin1String(".YPR")) {
        s.prompts().messageBox(notSupportedText, msgBox::OKOnly);
    } else {
        s.prompts().messageBox(
            QStringLiteral("\"%1\" cannot be opened by dropping it here: only sequences (.YSQ) and fixture "
                           "profiles (.FIX) can.")
                .arg(libParsePath::ParsePath(path, 6)),
            msgBox::OKOnly);
    }
}
} // namespace

void openDroppedFiles(const QStringList& paths) {
    if (paths.size() != 1) return;
    try {
        openDroppedFile(paths.front());
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error Occured: ") + QString::fromLocal8Bit(e.what()),
                                     msgBox::OKOnly);
    }
}

} // namespace fileDrop
