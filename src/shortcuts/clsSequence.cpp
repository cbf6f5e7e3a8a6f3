#include "shortcuts/clsSequence.h"

#include <algorithm>

bool SequenceCollection::add(const QString& key, SequenceRef item) {
    if (find(key)) return false;
    items.emplace_back(key, std::move(item));
    return true;
}

bool SequenceCollection::remove(const QString& key) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const auto& e) { return e.first == key; });
    if (it == items.end()) return false;
    items.erase(it);
    return true;
}

SequenceRef SequenceCollection::find(const QString& key) const {
    for (const auto& [k, v] : items)
        if (k == key) return v;
    return nullptr;
}
