// Sequence files: the codec on any bytes, then the load into a playback.
#include "fuzzSupport.h"

#include "playback/playbackEngine.h"
#include "playback/sequenceFile.h"
#include "playback/sequenceFileIo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    fuzz::shell();
    const QString path = fuzz::file(QStringLiteral("fuzz.YSQ"), bytes);
    sequenceFile::readSequenceHeader(path);
    sequenceFile::SequenceFileData decoded;
    if (!sequenceFile::decode(bytes, decoded) && !bytes.isEmpty()) return 0;
    if (!bytes.isEmpty()) {
        // What was read is written and read again unchanged.
        const QByteArray written = sequenceFile::encode(decoded);
        sequenceFile::SequenceFileData again;
        fuzz::check(sequenceFile::decode(written, again), "a written sequence reads back");
        fuzz::check(sequenceFile::encode(again) == written, "a sequence survives a read and a write");
    }
    // Only files the codec takes reach the playback (a playback is costly
    // to make, and the load refuses the rest through the same decode).
    PlaybackEngine playback;
    playback.state.myPlaybackNumber = 1;
    sequenceFileIo::loadSeqenceIntoMemory(playback, path, 0);
    sequenceFileIo::getFadeStatus(playback, true);
    return 0;
}
