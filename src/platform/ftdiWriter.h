#pragma once
// A USB-to-DMX interface written from its own thread, so a slow or stalled
// device never holds up the refresh tick.
//
// write() hands the bytes to the writer thread and returns at once; the
// transmit-queue count of getStatus() is the bytes handed over and not yet
// written, so the caller's rule "no new frame while one is still queued"
// works on it. A write that fails on the writer thread is answered by the
// next write() (its own result is not known yet when it returns). getStatus()
// never touches the device either: it answers what the writer thread saw
// after its last write. Every other call (read, purge, time-outs, reset, the
// EEPROM user area) waits until the bytes handed over are written and then
// runs on the caller's thread, in order with them.
//
// The writer thread touches nothing but the port it wraps and this object's
// queue and counters, under this object's lock.

#include "platform/ftdiPort.h"

#include <memory>

std::unique_ptr<FtdiPort> withWriterThread(std::unique_ptr<FtdiPort> device);
