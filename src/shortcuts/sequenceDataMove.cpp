#include "shortcuts/sequenceDataMove.h"

#include "platform/byteRecord.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/services/showService.h"
#include "shell/shell.h"
#include "shortcuts/shortcutPages.h"

#include <QDir>

namespace sequenceDataMove {

Result moveChannelBlock(QByteArray& bytes, int32_t oldStart, int32_t newStart, int32_t length, int32_t universe,
                        QString* reason) {
    const auto bad = [reason](const QString& why) {
        if (reason) *reason = why;
        return Result::bad;
    };
    if (length < 1 || oldStart < 1 || newStart < 1 || oldStart + length - 1 > channelsPerUniverse ||
        newStart + length - 1 > channelsPerUniverse || universe < 1)
        return bad(QStringLiteral("the channels lie outside 1 to 512 of a universe"));
    const qsizetype records = bytes.size() / recordSize;
    if (records < 1 || bytes.size() % recordSize != 0) return bad(QStringLiteral("its length is not a whole number of records"));
    const int64_t universes = ByteReader(bytes, (records - 1) * recordSize + 574).i32();
    const int64_t steps = ByteReader(bytes, 516).i16();
    if (universes < 1 || steps < 0 || universes * (steps + 1) + steps + 1 > records)
        return bad(QStringLiteral("its universe and step counts do not fit its length"));
    if (universe > universes) return Result::unchanged;
    const int64_t first = (universe - 1) * (steps + 1);
    // The block is taken out whole before it is put back, so a target that
    // overlaps the source keeps every level (copying channel by channel in
    // one direction would read levels it had already overwritten).
    QByteArray block(length, '\0');
    for (int64_t r = first; r < first + steps + 1; ++r) {
        char* record = bytes.data() + r * recordSize;
        for (int32_t k = 0; k < length; ++k) {
            block[k] = record[oldStart - 1 + k];
            record[oldStart - 1 + k] = 0;
        }
        for (int32_t k = 0; k < length; ++k) record[newStart - 1 + k] = block[k];
    }
    return Result::moved;
}

} // namespace sequenceDataMove

void ShortcutPages::moveSequenceData(int32_t oldStart, int32_t newStart, int32_t oldEnd, int32_t newEnd,
                                     int32_t activeUniverse) {
    Q_UNUSED(oldEnd); // the block's length comes from the new channels
    using namespace sequenceDataMove;
    const int32_t length = newEnd - newStart + 1;
    if (length < 1 || oldStart < 1 || newStart < 1 || oldStart + length - 1 > channelsPerUniverse ||
        newEnd > channelsPerUniverse || activeUniverse < 1) {
        shell().prompts().messageBox(
            QStringLiteral("The fixture's channels lie outside 1 to 512 of a universe; no sequence was changed."));
        return;
    }
    QStringList badFiles;
    if (!shell().state.showName.trimmed().isEmpty()) {
        for (const QString& page : shortcutFiles::listPages()) {
            const QDir folder(shortcutFiles::pageFolder(page));
            for (const QString& title : shortcutFiles::listTitles(folder.path(), QStringLiteral(".YSQ"))) {
                const QString path = paths::realPath(folder.filePath(title + QStringLiteral(".YSQ")));
                QByteArray bytes;
                QString reason;
                Result result = Result::bad;
                if (safeFile::readWhole(path, bytes, &reason))
                    result = moveChannelBlock(bytes, oldStart, newStart, length, activeUniverse, &reason);
                // Each file is replaced whole through a temporary: a failed
                // write leaves the file as it was.
                if (result == Result::moved && !safeFile::writeWhole(path, bytes, &reason)) result = Result::bad;
                if (result == Result::bad) badFiles << page + QLatin1Char('\\') + title + QStringLiteral(".YSQ: ") + reason;
            }
        }
    }
    refreshCurrentlyPlaying();
    shell().show().saveConfiguration(false, false, false);
    if (!badFiles.isEmpty())
        shell().prompts().messageBox(QStringLiteral("These sequence files could not be changed and were left as they were:\n") +
                                     badFiles.join(QLatin1Char('\n')));
}
