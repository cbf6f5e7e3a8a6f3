#pragma once
// The console's run controls over the current playback: GO, release, pause,
// steps, the lock, blackout and Auto GO toggles, NEW / Clear / CLEAR ALL, and
// the caption of the current playback. The windows mirror the state kept
// here (latched toggles and face colours, blue-green-red).

#include <QString>
#include <cstdint>

class RunControls {
public:
    static constexpr int32_t red = 255, green = 0xC000, darkGrey = 0x404040, white = 0xFFFFFF, black = 0;

    // GO: with the lock latched playbacks 1..8 are "played", which starts the
    // current playback each time; otherwise the current one once.
    void go();
    // play(n, fromChaser): refills the current playback's grid; fromChaser starts it on Play Trigger.
    void play(int32_t chaserToPlay, bool fromChaser);
    // Release: with the lock latched every running playback from the last
    // down (the engine keeps locked ones); otherwise the current one unless locked.
    void release();
    void pause();
    void stepForward();
    void stepBack();
    // Stop of the current playback: its unheld channels go back to the fade engine.
    void stopchase(int32_t button, bool fromChase);
    // The three new / clear buttons: 0 NEW Playback, 1 Clear Current PB, 2 CLEAR ALL.
    void cmdCreateNew_Click(int32_t index);
    // Lock, blackout and Auto GO toggles of the current playback.
    void toggleLock();
    void toggleBlackout();
    void toggleAutoGo();
    // Chooses the playback whose window has this caption (1 when none).
    void choosePlayback(const QString& caption);
    // "3 - Intro", the alias, or "Programmer - 3"; refreshes the lock and blackout faces.
    QString returnSequenceNameForCurrentChaser();
    // Selects the fixtures whose channels the current playback owns.
    void selectCurrentChaserActiveFixtures();

    bool lockLatched = false;
    int32_t lockColour = darkGrey;
    bool blackoutLatched = false;
    int32_t blackoutColour = white;
    int32_t autoGoColour = darkGrey;
    int32_t stepNumberColour = darkGrey;
    QString allPlaybacksCaption = QStringLiteral("1");
    QString sequenceDetails;
    QString releaseTooltip;
};
