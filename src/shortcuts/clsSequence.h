#pragma once
// The reference to one sequence held by a pressed button, a member of a
// multi button or a step of an auto pilot, and the list of pressed buttons.
// The lists share the objects (a multi saved from the pressed buttons holds
// the very items the pressed list holds), so items go by shared pointer.

#include <QString>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

struct clsSequence {
    QString myMulti;       // the multi button this member belongs to
    int32_t myPlayback = 0;
    QString myButtonGroup; // group number as text; "0" or empty: no group
    bool releaseActive = false;
    bool isRunning = false;
    bool timeBool = false;
    bool beatBool = false;
    float theBeat = 0;
    float theTime = 0;
    int32_t mySequenceType = 0;
    int32_t myIndex = 0;
    QString myPage;
    int32_t currentY = 0;
    int32_t currentX = 0;
    QString theName; // as stored (file records keep their padding); users trim
    QString tag;
};

using SequenceRef = std::shared_ptr<clsSequence>;

// Items keyed by name, in the order they were added; a name already there
// is not added again.
class SequenceCollection {
public:
    // False when the key is taken (the item is not added).
    bool add(const QString& key, SequenceRef item);
    // False when the key is not there.
    bool remove(const QString& key);
    SequenceRef find(const QString& key) const;
    size_t count(const QString& key) const { return find(key) ? 1 : 0; }
    size_t size() const { return items.size(); }
    bool empty() const { return items.empty(); }
    void clear() { items.clear(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

private:
    std::vector<std::pair<QString, SequenceRef>> items;
};
