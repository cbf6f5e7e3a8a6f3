#pragma once
// The engine of the Sequence Properties dialog: turns the sequence
// programmed on the current playback into a button of the shown page. It
// keeps what the dialog shows (the name box, the start method, the save
// option) and does the Save; the window (ui/sequenceProperties) mirrors it.

#include <QString>
#include <cstdint>

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
    // Save: the playback engine writes the file into the shown page, the
    // page is redrawn, a new button flashes and the show is saved.
    void save();
};
