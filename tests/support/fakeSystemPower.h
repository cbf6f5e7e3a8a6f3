#pragma once
// System power that records the requests and grants or refuses them as the
// test says; the computer stays on either way.

#include "platform/systemPower.h"

#include <vector>

class FakeSystemPower final : public SystemPower {
public:
    bool powerOff(bool force) override {
        requests.push_back(force);
        return grant;
    }
    QString lastError() const override { return grant ? QString() : QStringLiteral("Access denied"); }

    bool grant = true;
    std::vector<bool> requests; // the force flag of every request
};
