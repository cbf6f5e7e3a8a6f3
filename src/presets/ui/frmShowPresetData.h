#pragma once
// The preset data window: the preset events of a sequence, one grid row per
// event, with a jump to an event's step, deleting one event or all, and the
// edited events saved back beside the sequence they were read from.

#include "presets/clsPalettePreset.h"

#include <QString>
#include <QWidget>

class QAction;
class QTableWidget;

class frmShowPresetData : public QWidget {
    Q_OBJECT
public:
    frmShowPresetData();
    ~frmShowPresetData() override;

    // The sequence to read: its show, page and name joined with backslashes,
    // relative to the Sequences folder, no extension. After a load it holds
    // the real path of the event file the shown events came from.
    QString myFilename;
    bool dataChanged = false;
    clsPalettePreset thePaletteClass; // the window's own engine; its collection is shown

    QTableWidget* msfgShowStepProperties = nullptr;
    QAction *clkClearDataStep = nullptr, *clkClearEventDataAll = nullptr;

    // (Re)loads the events and fills the grid; true when it shows at least one.
    // Without loadFromSequence the running current playback's events are shown,
    // unless the window holds the events of a sequence file.
    bool updateGridData(bool loadFromSequence);
    // The current playback jumps to the step of the grid's current row.
    void rowClicked();
    // Deletes the event of the grid's current row.
    void deleteCurrentEvent();
    void clkClearEventDataAll_Click();
    void clkClearDataStep_Click();
    // Asks whether to save edited events of a sequence file, and saves them there.
    void closeDown();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool fromFile = false; // the shown events are those of the file myFilename
    void edited();
};
