#pragma once
// What other subsystems ask of the master faders and the top bar. The base
// answers "nothing there": no top bar, no control wing.

#include <QString>

class MastersService {
public:
    virtual ~MastersService() = default;
    virtual void changeButtonColors(const QString& /*layer*/) {} // mark the top bar's button of a view
    virtual void refreshCurrentLayer() {}                      // show the marked view again on the layout
    virtual bool tessalyControlWing() { return false; }        // a hardware control wing is attached
};
