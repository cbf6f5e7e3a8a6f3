#pragma once
// The patch list window "Patch List": one row per patched fixture with its
// channels as universe and channel and its pan and tilt inversion; clicking
// an inversion cell toggles it, "Remove Fixture" removes the row's fixture,
// and "Print Patch" prints the table on the default printer.

#include <QMainWindow>
#include <QStringList>

class QAction;
class QPrinter;
class QTableWidget;

class frmPatchDetails : public QMainWindow {
    Q_OBJECT
public:
    explicit frmPatchDetails(QWidget* parent = nullptr);
    ~frmPatchDetails() override;

    void fillPatchGrid();
    // A click on a cell: selects the row's fixture, toggles an inversion.
    void msflexgrindPatchList_Click(int row, int column);
    // Asks about the current row's fixture and removes exactly that one.
    void removeFixtureFromPatch();
    // Prints the table on the default printer.
    void clkPrint_Click();
    // Prints the table on a printer; the page headers printed, none (after
    // a message) when the printer could not start.
    QStringList printGrid(QPrinter& printer);

    QTableWidget* msflexgrindPatchList = nullptr;
    QAction *clkPrint = nullptr, *clkRemoveFixture = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
