#pragma once
// What other subsystems ask of external control. The base answers "nothing
// there": no keyboard shortcuts.

class ControlService {
public:
    virtual ~ControlService() = default;
    virtual void shortcutKeyDown(int /*keyCode*/, int /*shift*/) {} // the button pages' keyboard shortcuts
    virtual void shortcutKeyUp(int /*keyCode*/, int /*shift*/) {}
};
