#pragma once
// The show file (subsystem 6): what the main window's file menu, the patch,
// the top bar and shutdown ask of it. The base answers "no show".

#include <QString>

class ShowService {
public:
    virtual ~ShowService() = default;
    // Saves the show: with askForFilename through the save dialog (a cancel
    // saves nothing), otherwise to the current show's file; renaming copies
    // the show's folders to a new name. True when the file was written.
    virtual bool saveConfiguration(bool askForOverwrite, bool askForFilename, bool renaming) {
        (void)askForOverwrite, (void)askForFilename, (void)renaming;
        return false;
    }
    // Loads a show whole and rebuilds what derives from it: with ask through
    // the open dialog, otherwise the file named. True when it was loaded.
    virtual bool loadTheConfiguration(bool ask, const QString& file) {
        (void)ask, (void)file;
        return false;
    }
    // "Clear Configuration / Start New Show": asks, then starts a new show.
    virtual void clearall() {}
    // Loads the show ylc.ini names for the start-up, when there is one.
    virtual void loadStartupShow() {}
    // The current show's file name with extension, and its base name.
    virtual QString showFileName() const { return {}; }
    virtual QString showName() const { return {}; }
};
