#pragma once
// The show: load, clear and save of the show file, the new show, and the
// start-up show. Registered as the shell's ShowService when the console
// starts.

#include "shell/services/showService.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class ShowEngine : public ShowService {
public:
    ShowEngine();

    // ---- ShowService ----
    bool saveConfiguration(bool askForOverwrite, bool askForFilename, bool renaming) override;
    bool loadTheConfiguration(bool ask, const QString& file) override;
    void clearall() override;
    void startNewShow() override;
    bool loadStartupShow() override;
    QString showFileName() const override;
    QString showName() const override;
    void backUpConfiguration(bool noMessage) override;

    // Reads a show file into the shared state. A file that cannot be read
    // or is damaged shows "Error loading Configuration File " with what is
    // wrong and changes nothing loaded; a good one replaces the rig whole
    // (the old one cleared first), and becomes the current show. With ask
    // the operator picks the file. Returns showLoadOk.
    bool loadConfiguration(const QString& file, bool ask);
    // Empties the rig: fixtures from fromhowmany on, channels fromhowmany to
    // tohowmany; reDimMe shrinks it to one universe.
    void clear(int32_t fromhowmany, int32_t tohowmany, bool reDimMe);
    // The group menu entries of the groups in use.
    void loadsyncmem();
    // Copies the current show's sequence and palette folders to a new name.
    void resaveShow(const QString& newConfigName);

    // The last load completed.
    bool showLoadOk = false;
    // Real path of the current show's file: where a save without a dialog
    // goes. Empty until a show was loaded or saved.
    QString showFilePath;

    // Writes the bytes of a save (the real one: temporary file and rename).
    // Tests replace it to make a write fail.
    std::function<bool(const QString& path, const QByteArray& bytes, QString* error)> writeFile;

private:
    // The save of a new show refuses the name of an existing show.
    bool savingNewShow = false;
    void rebuildAfterLoad();
    void setCurrentShow(const QString& realPath, bool inConfigurations);
    bool inConfigurations(const QString& realPath) const;
    QString configurationsFolder() const;
};
