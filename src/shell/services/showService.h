#pragma once
// What other subsystems ask of the show file. The base answers "nothing
// there": no show is written.

class ShowService {
public:
    virtual ~ShowService() = default;
    // Writes the show file; with all three false under its current name,
    // without a question or dialog. False when it was not written.
    virtual bool saveConfiguration(bool askForOverwrite, bool askForFilename, bool renaming);
};
