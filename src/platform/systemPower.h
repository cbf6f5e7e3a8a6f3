#pragma once
// System power: switching the computer off on the operator's explicit
// command. The Linux implementation asks logind over the system D-Bus; tests
// use a fake. Quitting the program never comes here.

#include <QString>

class SystemPower {
public:
    virtual ~SystemPower() = default;
    // Asks the system to power off. force: other programs are closed without
    // asking them. False, with the reason in lastError(), when the request
    // was refused or could not be made; the computer then keeps running.
    virtual bool powerOff(bool force) = 0;
    virtual QString lastError() const = 0;
};

// logind's Manager.PowerOff on the system bus. The operator may be asked by
// polkit to authenticate; a refusal comes back as an error.
class LogindSystemPower final : public SystemPower {
public:
    bool powerOff(bool force) override;
    QString lastError() const override { return error; }

private:
    QString error;
};
