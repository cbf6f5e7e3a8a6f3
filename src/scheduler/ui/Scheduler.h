#pragma once
// The scheduler window (Scheduler): the schedule grid with its cell editor
// (a list or a time box over the clicked cell, file dialogs for schedule and
// media rows), the run buttons, the clocks and the File and Edit menus. It
// mirrors the schedule engine (scheduler/scheduleEngine.h) and calls it.

#include "scheduler/scheduleEngine.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

class Scheduler : public QWidget, public ScheduleView {
    Q_OBJECT
public:
    Scheduler();
    ~Scheduler() override;

    void scheduleChanged() override;
    void scrollTo(int row) override;

    // The cell editor: a click on a grid cell (row 1.., column 0..6).
    void ScheduleGrid_Click(int row, int column);
    void Combo1_Click(int index);      // an item chosen from the list
    void DTPicker1_Change(const QString& text);
    void DTPicker1_KeyDown(int key);   // Qt key
    void listButtonsForCurrentPage();
    // Rows of dropped files (media rows for .mp3 files).
    void dropFiles(const QStringList& paths);
    // Save Schedule: asks for a name in the page's folder and registers the button.
    void savescheduleclick_Click();

    QTableWidget* ScheduleGrid = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* DTPicker1 = nullptr;
    QPushButton* startButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* Pause_button = nullptr;
    QPushButton* StepFoward = nullptr;
    QPushButton* StepPrevious = nullptr;
    QPushButton* cmdRealTimeRecord = nullptr;
    QPushButton* cmdOpenTimeLine = nullptr;
    QPushButton* cmdFIle = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* midiDeviceMenu = nullptr;
    QLabel* clockLabels[6] = {};
    QLabel* relativeCaption = nullptr;
    QLabel* lblTimeFormat = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void fillList(int row, int column);
    void defaultTrigger(int row);
    void chooseScheduleFile(int row);
    void chooseMediaFile(int row);
    void listMidiDevices();
    ScheduleEngine& engine;
    bool mirroring = false;
    int editRow = 0, editColumn = 0;
};

class Shell;
// Attaches the scheduler's windows to its engine (when the scheduler starts).
void attachSchedulerWindows(Shell& s);
