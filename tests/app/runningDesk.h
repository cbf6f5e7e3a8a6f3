#pragma once
// What the running-console tests share: the desktop's services with the
// operator's questions scripted, and a fake USB-to-DMX interface whose
// frames the tests read while they fire the refresh tick by hand.

#include "shell/shell.h"

#include <QPoint>
#include <QString>

#include <memory>

class QWidget;

class ConsoleBand;
struct FakeFtdiDevice;
namespace console {
class Console;
}

namespace runningDesk {

// The desktop's services with scripted questions, a placement store of its
// own, timers that tick when told, a clock that moves when told, a fake USB
// driver, no port I/O, device arrival or Art-Net, and a power layer that
// never reaches the computer.
PlatformServices scriptedServices();

// Plugs a fake interface set to universe 1 into the running console and
// opens the interfaces.
FakeFtdiDevice& attachInterface(Shell& s);

// Fires the refresh tick `ticks` times, 50 ms apart on the fake clock.
void runTicks(Shell& s, int ticks);

// The level the interface last sent on a channel of universe 1; -1 before
// any frame.
int lastLevel(const FakeFtdiDevice& port, int channel);

// Picks playback n from the console band's playback drop-down.
bool choosePlayback(ConsoleBand& band, int n);

// The running console started on a fresh program folder `folder` (seeded
// from resources) with scripted services, its empty show saved as
// `showFile`; a failed step is a failed expectation.
std::unique_ptr<console::Console> startWithSavedShow(const QString& folder, const QString& showFile);

// Patches `count` fixtures of a shipped profile (resources/Fixtures/Generic)
// at `start` as the patch window does; the first fixture's number.
int32_t patchShipped(Shell& s, const QString& file, int32_t start, int32_t count);

// A left click (press and release) at a point of a widget.
void click(QWidget* w, QPoint at);

} // namespace runningDesk
