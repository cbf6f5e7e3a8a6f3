#pragma once
// What other subsystems ask of the show file. The base answers "nothing
// there": no show is written.
#include <QString>

class ShowService {
public:
    virtual ~ShowService() = default;
    // Writes the show file; with all three false under its current name,
    // without a question or dialog. False when it was not written.
    virtual bool saveConfiguration(bool askForOverwrite, bool askForFilename, bool renaming);
    // Saves the show: with askForFilename through the save dialog (a cancel
    // saves nothing), otherwise to the current show's file; renaming copies
    // Loads a show whole and rebuilds what derives from it: with ask through
    // the open dialog, otherwise the file named. True when it was loaded.
    virtual bool loadTheConfiguration(bool ask, const QString& file) {
        (void)ask, (void)file;
        return false;
    }
    // "Clear Configuration / Start New Show": asks, then starts a new show.
    virtual void clearall() {}
    // Clears the show and starts a new, empty one, named and saved by the
    // operator under a name no show has yet.
    virtual void startNewShow() {}
    // Loads the show ylc.ini names for the start-up, when there is one;
    // false when a named show that exists failed to load.
    virtual bool loadStartupShow() { return true; }
    // The current show's file name with extension, and its base name.
    virtual QString showFileName() const { return {}; }
    virtual QString showName() const { return {}; }
    // The quick backup into the program's Backup folder; the success message unless noMessage.
    virtual void backUpConfiguration(bool noMessage) { (void)noMessage; }
    // Opens the options window ("Preferences"); fresh closes an open one first.
    virtual void showOptions(bool fresh) { (void)fresh; }
    // Opens the "Backup and Restore" window.
    virtual void showBackupRestore() {}
};
