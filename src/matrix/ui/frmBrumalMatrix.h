#pragma once
// The matrix effects window ("Brumal Matrix "): the chosen matrix's grid,
// the effect pages and their option buttons, and the playback commands. It
// mirrors BrumalMatrixEngine and calls it.

#include "matrix/brumalMatrixEngine.h"

#include <QWidget>
#include <map>

class ColourBox;
class GradientBar;
class MatrixGrid;
class PictureList;
class QCheckBox;
class QComboBox;
class QRadioButton;
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

    // The text page.
    QLineEdit *TxtMsg, *TxtFont, *TxtSize;
    QPushButton *CmdLblFont, *cLeft, *cUp, *cRight, *cDown;
    QCheckBox *ChkNegrita, *ChkItalic;
    QComboBox* CboConv;
    ColourBox *PicColorIni, *PicBackGroundColor;
    QSlider* HSOffset;
    // The picture lists.
    PictureList *ListView1, *gifListView;
    QMenu *clkImageMenu, *clkGifMenu;
    // The step colour offsets.
    QSpinBox *upDownOffset, *upDownOffset2;
    QLineEdit* txtOffset2;
    // The colour pickers, the gradient editor and the other colour boxes.
    QSlider* hscrColor[3];
    QLineEdit* txtColorDec[3];
    ColourBox *PicColorPicker, *pctColorPalette, *imgColorPalette, *PictureBackGroundColor, *pctFrontColor,
        *pctBackColor;
    QLabel* lblPickerNote;
    GradientBar* fraPointer = nullptr;
    QComboBox* cboPointers;
    QMenu* mnuPointer;
    QRadioButton* optRotate[3];

private:
    void buildTextPage();
    void buildListPages();
    void buildColourPage(QWidget* page);
    void buildPictureOptions(QWidget* page);
    void connectPainting();
    void refreshPages();
    void listsChanged() override;
    void gradientChanged() override;
    // The colour of the screen pixel at a global point; -1 when the screen cannot be read.
    int32_t screenColour(QPoint global);
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
