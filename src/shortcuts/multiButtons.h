#pragma once
// Multi button files (.MUL): one 768-byte record per member, no header. The
// members of a multi saved from all running playbacks are sequence files of
// the show folder itself and carry the kind 99.

#include "shortcuts/clsSequence.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace multiButtons {

constexpr int recordSize = 768;
// Every record of a multi saved from all playbacks carries this kind.
constexpr int32_t hiddenMemberKind = 99;

// One member (or auto-pilot step) of a button list file.
struct Member {
    QString theName; // button or sequence name
    QString myPage;  // empty for a member in the show folder
    bool beatBool = false, timeBool = false, releaseActive = false;
    float theBeat = 0, theTime = 0;
    int32_t kind = 0;
};

// The file's bytes; hidden puts hiddenMemberKind into every record. The
// reserved fields stay zero.
QByteArray encode(const std::vector<Member>& members, bool hidden);
// One member per whole record (a shorter tail is ignored), texts as stored.
std::vector<Member> decode(const QByteArray& bytes);
// The records of references and back (a reference of the file carries its
// kind as mySequenceType).
std::vector<Member> members(const std::vector<SequenceRef>& items);
std::vector<SequenceRef> references(const std::vector<Member>& members);

} // namespace multiButtons
