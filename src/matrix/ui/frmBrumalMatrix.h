#pragma once
// The matrix effects window ("Brumal Matrix "): the chosen matrix's grid,
// the effect pages and their option buttons, and the playback commands. It
// mirrors BrumalMatrixEngine and calls it.

#include "matrix/brumalMatrixEngine.h"

#include <QWidget>
#include <map>

class MatrixGrid;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;

class frmBrumalMatrix : public QWidget, private BrumalMatrixView {
    Q_OBJECT
public:
    explicit frmBrumalMatrix(QWidget* parent = nullptr);
    ~frmBrumalMatrix() override;

    BrumalMatrixEngine& engine() const { return e; }
    // Called by the palette window's Matrix tab: the matrix of the layout's view.
    void pickFirstMatrix(const QString& theMatrixLayer) { e.pickFirstMatrix(theMatrixLayer); }

    MatrixGrid* PicMatrix;
    QToolButton *cmboMatrixList, *cmdPickSoundToMatrix;
    QLabel *lblStep, *lblChaseFadeTIme;
    QLineEdit *txtX, *txtY, *txtGradAngle, *TxtNroFrames, *TxtZoomFrame;
    QSpinBox *UpDownX, *UpDownY, *upDownAngle;
    QPushButton *cmdText, *cmdImage, *cmdGif, *cmdColor, *cmdAudio;
    QPushButton *cmdOption, *cmdCircle, *cmdStepColor, *cmdSwing;
    QPushButton *cmdEditMatrix, *cmdCreateNew, *cmdCreatePreset, *cmdPreview, *cmdPreviewSoundToMatrix;
    QPushButton *cmdPlay, *cmdStop, *cmdFwd, *cmdBack, *cmdRecordAndAddScene, *cmdDelete;
    std::map<BrumalMatrixEngine::Direction, QPushButton*> directionButtons;
    QCheckBox* ChkZoom[2];
    QSlider* HSsldVelocity;
    QWidget *frmTextMatrix, *frmImage, *frmGif, *frmImage1Matrix, *frmSoundToMatrix, *frmRotateandScroll;

private:
    void cellChanged(int32_t index) override;
    void gridChanged() override;
    void queueFlush();
    // The cells changed during a tick are repainted once after it.
    void flushGrid();
    std::vector<int32_t> dirtyCells;
    bool wholeGridDirty = false, flushQueued = false;
    void stateChanged() override;
    void readBoxes();
    void highlight(QPushButton* b, int32_t colour);

    BrumalMatrixEngine& e;
    bool refreshing = false;
};
