#pragma once
// The console's start-up road, in its fixed order: settings, one instance,
// the channel model, the start-up show, the splash stages, the playbacks of
// the last run, the user mode, the tool windows, then after a second the
// interfaces. The second's pause continues from a timer, so the windows
// stay live while it runs.

#include <QString>
#include <QStringList>
#include <memory>

class TickTimer;

// The window side of the start-up: placing the main window and the frame.
class StartupView {
public:
    virtual ~StartupView() = default;
    // Places the main window as a strip at the top of the screen and shows it.
    virtual void placeAndShowMain() {}
    // One-console mode: the frame fills the screen without a frame.
    virtual void oneConsoleFrame() {}
    // The road is over (or ended early).
    virtual void finished() {}
};

class StartupSequence {
public:
    enum class Outcome { Running, SecondInstance, Finished };

    StartupSequence();
    ~StartupSequence();

    void setView(StartupView* v) { view = v; }

    // Runs the road up to the pause before the interfaces; the rest follows
    // from the timer. SecondInstance: the instance message was shown and
    // nothing else was done; the caller ends the program.
    Outcome start();
    // The steps after the pause (the timer's tick; tests call it directly).
    void afterPause();
    bool finished() const { return done; }

    // Keys whose stored value could not be used (reported once, default taken).
    const QStringList& settingsProblems() const { return problems; }

    static constexpr int pauseBeforeInterfacesMs = 1000;

private:
    void readSettings();
    void loadStartupShow();
    void seedStartupShow();
    void checkBackgroundPicture();
    void createPlaybacks();
    void reportProblems();

    StartupView noView;
    StartupView* view = nullptr;
    StartupView& v() { return view ? *view : noView; }
    std::unique_ptr<TickTimer> pause;
    QStringList problems;
    bool done = false;
};
