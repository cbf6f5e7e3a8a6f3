#pragma once
// The engine of the Sequence Properties dialog: turns the sequence
// programmed on the current playback into a button of the shown page. It
// keeps what the dialog shows (the name box, the start method, the save
// option) and does the Save; the window (ui/sequenceProperties) mirrors it.

#include <QString>
#include <cstdint>
#include <optional>

class SequencePropertiesEngine {
public:
    // The grey text a new button's name box shows until the operator types.
    static QString placeholder() { return QStringLiteral("Enter Sequence Button Name Here"); }

    // The playback whose loaded file names the button (recorded in the file).
    int32_t playback = 1;
    QString buttonName;
    // 0 "Auto Start", 1 "Audio", 2 "Manual Start".
    int32_t startMethod = 0;
    // 0 "Default", 1 "Pan/Tilt Only", 2 "Color/Gobo Only".
    int32_t saveOption = 0;
    // The dialog opened on a playback that already had a file.
    bool isExistingButton = false;

    // Fills the fields for playback n: its file's title or the placeholder,
    // "Manual Start" when the current playback waits for GO.
    void load(int32_t playbackNumber);
    // The name the Save uses: the box's text trimmed with "/" made "&", or,
    // for the untouched placeholder, "Sequence" and the page's next number.
    QString nameToSave(int32_t pageButtonCount) const;
    // Why the typed name cannot name a file of the page; empty when it can
    // (an empty name is allowed: the playback engine then asks for the file).
    QString nameProblem() const;
    // Save: the playback engine writes the sequence of the playback the
    // dialog was opened for into the shown page, the page is redrawn, a new
    // button flashes and the show is saved.
    void save();

    // ---- The crossfade section: acts at once on the current playback ----
    // A time as the arrows write it: "05.00", "00.05", "123.00".
    static QString fadeText(double seconds);
    // The rule of both time boxes: a fade-in above 0 and below 300, with
    // Cross Fade In/Out ticked, goes to the current playback with the fade-out
    // box's value as its down time; true when it was sent.
    static bool sendFadeTimes(const QString& fadeInText, const QString& fadeOutText, bool crossFadeTicked);
    // Cross Fade In/Out clicked by the operator: cleared also drops the times.
    static void crossFadeClicked(bool ticked);
    // The arrows: whole seconds and twentieths, up and down.
    enum class Arrow { coarseUp, coarseDown, fineUp, fineDown };
    // The box's text after an arrow click; nullopt when the arrow does nothing
    // there (also for a text that is not a number).
    static std::optional<QString> arrowClick(const QString& boxText, bool fadeOutBox, Arrow arrow);
};
