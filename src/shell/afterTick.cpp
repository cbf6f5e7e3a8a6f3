#include "shell/afterTick.h"

#include <algorithm>

void AfterTick::end() {
    if (depth > 0 && --depth > 0) return;
    // Work run now may mark more (a display that asks another): it runs too.
    for (size_t i = 0; i < kept.size(); ++i) {
        std::function<void()> work = std::move(kept[i].work);
        if (work) work();
    }
    kept.clear();
}

void AfterTick::mark(const void* owner, int what, std::function<void()> update) {
    if (!inTick()) {
        update();
        return;
    }
    for (Kept& k : kept) {
        if (k.owner == owner && k.what == what && k.work) {
            k.work = std::move(update);
            return;
        }
    }
    kept.push_back({owner, what, std::move(update)});
}

void AfterTick::post(const void* owner, std::function<void()> work) {
    if (!inTick()) {
        work();
        return;
    }
    kept.push_back({owner, -1, std::move(work)});
}

void AfterTick::forget(const void* owner) {
    for (Kept& k : kept)
        if (k.owner == owner) k.work = nullptr;
}
