// Profile files (.fix): the codec on any bytes, then the profile they make.
#include "fuzzSupport.h"

#include "profiles/ClsFixture.h"
#include "profiles/profileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::shell();
    profileFile::ProfileData read;
    QString error;
    if (!profileFile::decode(fuzz::bytes(data, size), profileFile::maxChannels, read, &error)) return 0;
    ClsFixture profile;
    profileFile::applyToProfile(read, profile);
    // What was read is written and read again unchanged.
    const QByteArray written = profileFile::encode(read);
    profileFile::ProfileData again;
    fuzz::check(profileFile::decode(written, profileFile::maxChannels, again, &error), "a written profile reads back");
    fuzz::check(profileFile::encode(again) == written, "a profile survives a read and a write");
    return 0;
}
