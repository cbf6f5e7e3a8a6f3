// Multi button files and the saving of a new multi button on the shown page.

#include "shortcuts/multiButtons.h"

#include "platform/byteRecord.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/shell.h"
#include "shortcuts/shortcutPages.h"

namespace multiButtons {

QByteArray encode(const std::vector<Member>& members, bool hidden) {
    QByteArray bytes;
    ByteWriter w(&bytes);
    for (const Member& m : members) {
        w.fixedText(m.theName, 512);
        w.fill(40, '\0');
        w.fixedText(m.myPage, 128);
        w.fill(20, '\0');
        w.truth(m.beatBool);
        w.truth(m.timeBool);
        w.f32(m.theBeat);
        w.f32(m.theTime);
        w.i32(hidden ? hiddenMemberKind : 0);
        w.fill(50, '\0');
        w.truth(m.releaseActive);
    }
    return bytes;
}

std::vector<Member> decode(const QByteArray& bytes) {
    std::vector<Member> members;
    for (qsizetype at = 0; at + recordSize <= bytes.size(); at += recordSize) {
        ByteReader r(bytes, at);
        Member m;
        m.theName = r.fixedText(512);
        r.skip(40);
        m.myPage = r.fixedText(128);
        r.skip(20);
        m.beatBool = r.truth();
        m.timeBool = r.truth();
        m.theBeat = r.f32();
        m.theTime = r.f32();
        m.kind = r.i32();
        r.skip(50);
        m.releaseActive = r.truth();
        members.push_back(m);
    }
    return members;
}

} // namespace multiButtons

namespace {

multiButtons::Member toMember(const clsSequence& s) {
    multiButtons::Member m;
    m.theName = s.theName;
    m.myPage = s.myPage;
    m.beatBool = s.beatBool;
    m.timeBool = s.timeBool;
    m.releaseActive = s.releaseActive;
    m.theBeat = s.theBeat;
    m.theTime = s.theTime;
    return m;
}

} // namespace

std::vector<multiButtons::Member> multiButtons::members(const std::vector<SequenceRef>& items) {
    std::vector<Member> out;
    out.reserve(items.size());
    for (const SequenceRef& s : items) out.push_back(toMember(*s));
    return out;
}

std::vector<SequenceRef> multiButtons::references(const std::vector<Member>& members) {
    std::vector<SequenceRef> out;
    out.reserve(members.size());
    for (const Member& m : members) {
        auto s = std::make_shared<clsSequence>();
        s->theName = m.theName;
        s->myPage = m.myPage;
        s->beatBool = m.beatBool;
        s->timeBool = m.timeBool;
        s->releaseActive = m.releaseActive;
        s->theBeat = m.theBeat;
        s->theTime = m.theTime;
        s->mySequenceType = m.kind;
        out.push_back(s);
    }
    return out;
}

void ShortcutPages::setMultiCollectionToNothing() { multiMembers.clear(); }

void ShortcutPages::addToMultiCollection(const QString& theName) {
    auto s = std::make_shared<clsSequence>();
    s->theName = theName;
    multiMembers.push_back(s);
}

bool ShortcutPages::saveMultiButton(const QString& name, bool isNewHiddenMultiType) {
    // The name becomes a file of the shown page: never a path or a kept section name.
    const QString problem = shortcutFiles::nameProblem(name, true);
    if (!problem.isEmpty()) {
        shell().prompts().messageBox(problem);
        return false;
    }
    const QString file = shortcutFiles::buttonFile(currentPage, name, shortcutFiles::ButtonKind::multi);
    QString error;
    // The whole file is replaced, so a longer old list leaves no members behind.
    if (!safeFile::writeWhole(file, multiButtons::encode(multiButtons::members(multiMembers), isNewHiddenMultiType), &error)) {
        shell().prompts().messageBox(QStringLiteral("The Multi Button \"%1\" could not be saved: %2").arg(name, error));
        return false;
    }
    saveNewButtonPosition(name, false);
    setFlashButton();
    return true;
}
