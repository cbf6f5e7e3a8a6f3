#include "support/fakePlatform.h"

#include "support/fakeArtNet.h"
#include "support/fakeDeviceArrival.h"
#include "support/fakeFileSystem.h"
#include "support/fakeFtdiPort.h"
#include "support/fakeMidiPorts.h"
#include "support/fakePortIo.h"
#include "support/fakeWaveInput.h"
#include "support/fakeSystemPower.h"
#include "platform/httpDownload.h"

#include <QFile>

namespace {
template <typename T, typename D> T takeOr(std::deque<T>& q, D fallback) {
    if (q.empty()) return T(fallback);
    T v = q.front();
    q.pop_front();
    return v;
}
} // namespace

QByteArray readWholeFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

int FakePrompts::messageBox(const QString& text, int, const QString&) {
    messages.append(text);
    return takeOr(answers, int(msgBox::OK));
}

QString FakePrompts::inputBox(const QString& prompt, const QString&, const QString& defaultText) {
    messages.append(prompt);
    inputDefaults.append(defaultText);
    return takeOr(inputs, QString());
}

QString FakePrompts::openFileName(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return takeOr(files, QString());
}

QString FakePrompts::saveFileName(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return takeOr(files, QString());
}

int FakePrompts::chooseColour(int) { return takeOr(colours, -1); }

bool FakePrompts::chooseFont(FontChoice& choice) {
    if (fonts.empty()) return false;
    choice = fonts.front();
    fonts.pop_front();
    return true;
}

std::unique_ptr<TickTimer> FakeTimerFactory::create() {
    auto t = std::make_unique<FakeTickTimer>();
    created.push_back(t.get());
    return t;
}

QString FakePlacementStore::get(const QString& app, const QString& section, const QString& name, bool* found) const {
    const QString key = app + QLatin1Char('/') + section + QLatin1Char('/') + name;
    if (found) *found = values.contains(key);
    return values.value(key);
}

bool FakePlacementStore::set(const QString& app, const QString& section, const QString& name, const QString& value) {
    values[app + QLatin1Char('/') + section + QLatin1Char('/') + name] = value;
    return true;
}

namespace {
std::unique_ptr<Shell> makeTestShell(const QString& folder) {
    PlatformServices services;
    services.prompts = std::make_unique<FakePrompts>();
    services.clock = std::make_unique<FakeClock>();
    services.timers = std::make_unique<FakeTimerFactory>();
    services.placement = std::make_unique<FakePlacementStore>();
    services.ftdi = std::make_unique<FakeFtdiDriver>();      // no device attached
    services.artNet = std::make_unique<FakeArtNetLayer>();
    services.portIo = std::make_unique<FakePortIo>();        // no card
    services.deviceArrival = std::make_unique<FakeDeviceArrival>();
    services.files = std::make_unique<FakeFileSystem>();
    services.midi = std::make_unique<FakeMidiPorts>();       // no ports until a test adds them
    services.monitors = std::make_unique<FakeMonitors>();    // one 1920x1080 monitor
    services.waveInput = std::make_unique<FakeWaveInput>();  // no sound input until a test adds one
    services.power = std::make_unique<FakeSystemPower>();    // grants every request
    return std::make_unique<Shell>(folder, std::move(services));
}
} // namespace

TestShell::TestShell() : scope(makeTestShell(dir.path())) {}
