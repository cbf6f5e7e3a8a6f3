#pragma once
// What the patch and the layout window offer the others. The base is "no
// layout": no icons.

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class PatchService {
public:
    virtual ~PatchService() = default;

    // The name held by a fixture's layout icon; empty when none.
    virtual QString fixtureIconName(int32_t fixtureNumber) { return {}; }
};

#pragma GCC diagnostic pop
