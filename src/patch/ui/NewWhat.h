#pragma once
// The patch window "Load Fixture": the 512 channels of one universe as
// numbered boxes coloured by what is patched on them, the fields of a new
// patch (start, count, view, matrix, options) handed to the patch commit,
// fixture moves by dragging a start box onto another box, and "Add
// Universe". In view mode ("Dmx Configuration") only viewing, choosing the
// universe and moving remain.

#include "patch/patchCommit.h"

#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QMenu;

class NewWhat : public QWidget {
    Q_OBJECT
public:
    explicit NewWhat(QWidget* parent = nullptr);
    ~NewWhat() override;

    // 0 patch mode, 1 view mode; callers set it after loading, before showing.
    int myState = 0;
    // The view chosen for the new fixtures.
    QString myView;

    // The universe shown and used (1..), the marked boxes, and the redraw.
    void setStartEnd(int32_t theStart, int32_t theEnd, int32_t theUniverse);
    void displayChannelBoxes();
    int32_t shownUniverse() const { return currentUniverse; }
    // What box n (1..512) shows: its text, colours and tooltip.
    struct BoxLook {
        QString text, toolTip;
        int back = 0, fore = 0; // blue-green-red
    };
    BoxLook boxLook(int box) const;

    // Commands.
    void newOKbutton_Click();
    void Cancel_Click();
    void cmdAddUniverse_Click();
    // A box dropped on a box (a plain click is a drop on itself).
    void channel_DragDrop(int draggedBox, int dropBox);
    void cmgUniverseComboListBox_Click(int index);
    void chkMatrix_Click();
    void matrixSize_Change();
    void populateView();
    void chooseView(const QString& view);
    // Shows the window in the mode set in myState.
    void activate();
    // The request of the fields and the profile editor.
    patchCommit::Request request() const;

    // Controls the tests and the callers reach.
    std::vector<QPushButton*> channel; // 1..512; element 0 unused
    QComboBox* cmgUniverseComboListBox = nullptr;
    std::array<QLineEdit*, 2> Text1{};
    std::array<QLabel*, 2> Label1{};
    QLabel* lblChangeStartChannel = nullptr;
    QToolButton* cmdSelectView = nullptr;
    QCheckBox* chkMatrix = nullptr;
    QLineEdit *txtX = nullptr, *txtY = nullptr, *txtMatrixName = nullptr;
    QCheckBox *Inversepancheck = nullptr, *InverseTiltcheck = nullptr, *Motionfadecheck = nullptr,
              *motionfadeColorCheck = nullptr, *motionFadeDimmerCheck = nullptr, *dmxpilotall = nullptr;
    QPushButton *newOKbutton = nullptr, *CancelButton = nullptr, *cmdAddUniverse = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fillUniverseList();
    void checkFit();
    void advanceToFit();
    int boxAt(QObject* o) const;

    int32_t currentUniverse = 1;
    int32_t markStart = 0, markEnd = 0;
    int dragFrom = 0;
    bool matrixFromCode = false;
    QMenu* viewMenu = nullptr;
};
