#pragma once
// Fakes of the platform layers and a fresh shell per test.

#include "platform/clock.h"
#include "platform/placementStore.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "shell/shell.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <vector>

// A whole file's bytes; empty when it cannot be read.
QByteArray readWholeFile(const QString& path);
// Replaces the file's content with bytes; false when it cannot be written.
bool writeWholeFile(const QString& path, const QByteArray& bytes);

// Scripted prompts: every message is recorded; answers are taken from the
// queues in order, with a default when a queue is empty.
class FakePrompts final : public Prompts {
public:
    int messageBox(const QString& text, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    int chooseColour(int initialBgr) override;
    bool chooseFont(FontChoice& choice) override;
    void beep() override { ++beeps; }

    QStringList messages;          // texts of every message box, in order
    std::deque<int> answers;       // message-box answers; default msgBox::OK
    std::deque<QString> inputs;    // input-box answers; default the empty text
    QStringList inputDefaults;     // the text each input box started with
    std::deque<QString> files;     // file-dialog answers; default the empty text (cancel)
    std::deque<int> colours;       // colour answers; default -1 (cancel)
    std::deque<FontChoice> fonts;  // font answers; cancel when empty
    std::vector<FileDialogRequest> fileRequests;
    int beeps = 0;
};

class FakeClock final : public Clock {
public:
    int64_t monotonicMs() const override { return ms; }
    QDateTime now() const override { return time; }
    int64_t ms = 0;
    QDateTime time = QDateTime(QDate(2026, 1, 1), QTime(12, 0));
};

// Timers that only tick when a test calls fire().
class FakeTickTimer final : public TickTimer {
public:
    void setInterval(int ms) override { intervalMs = ms; }
    int interval() const override { return intervalMs; }
    void setEnabled(bool on) override { on_ = on; }
    bool enabled() const override { return on_; }
    // Runs one tick when enabled (or always, with force).
    void fire(bool force = false) {
        if ((on_ || force) && onTick) onTick();
    }
    int intervalMs = 0;

private:
    bool on_ = false;
};

class FakeTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<TickTimer> create() override;
    // Every timer created so far, in creation order (owned by their users).
    std::vector<FakeTickTimer*> created;
};

class FakePlacementStore final : public PlacementStore {
public:
    QString get(const QString& app, const QString& section, const QString& name, bool* found) const override;
    bool set(const QString& app, const QString& section, const QString& name, const QString& value) override;
    QMap<QString, QString> values; // "app/section/name" -> text
};

// A fresh shell with fakes and an empty program folder in a temporary
// directory, installed for the lifetime of the object.
class TestShell {
public:
    TestShell();
    Shell& get() { return scope.get(); }
    FakePrompts& prompts() { return static_cast<FakePrompts&>(get().prompts()); }
    FakeClock& clock() { return static_cast<FakeClock&>(get().clock()); }
    FakeTimerFactory& timers() { return static_cast<FakeTimerFactory&>(get().timers()); }
    FakePlacementStore& placement() { return static_cast<FakePlacementStore&>(get().placement()); }
    QString folder() const { return dir.path(); }

private:
    QTemporaryDir dir;
    ShellScope scope;
};
