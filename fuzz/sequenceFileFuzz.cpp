// Sequence files: the codec on any bytes, then the load into a playback.
#include "fuzzSupport.h"

#include "playback/playbackEngine.h"
#include "playback/sequenceFile.h"
#include "playback/sequenceFileIo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    fuzz::shell();
    sequenceFile::SequenceFileData decoded;
    if (sequenceFile::decode(bytes, decoded)) {
        // What was read is written and read again unchanged.
        const QByteArray written = sequenceFile::encode(decoded);
        sequenceFile::SequenceFileData again;
        fuzz::check(sequenceFile::decode(written, again), "a written sequence reads back");
        fuzz::check(sequenceFile::encode(again) == written, "a sequence survives a read and a write");
    }
    const QString path = fuzz::file(QStringLiteral("fuzz.YSQ"), bytes);
    sequenceFile::readSequenceHeader(path);
    frmPlayBackControlEngine playback;
    playback.state.myPlaybackNumber = 1;
    sequenceFileIo::loadSeqenceIntoMemory(playback, path, 0);
    sequenceFileIo::getFadeStatus(playback, true);
    return 0;
}
