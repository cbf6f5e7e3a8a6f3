#pragma once
// The engine of the matrix effects window (frmBrumalMatrix): the chosen
// matrix and its grid, the animations the effects build, the picture
// effect builder, the transfer of frames to and from the current playback,
// the playback commands and the sound-to-matrix preview. The window mirrors
// this state and calls it.

#include "matrix/matrixAnimation.h"
#include "matrix/modGradient.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// What the engine tells its window.
class BrumalMatrixView {
public:
    virtual ~BrumalMatrixView() = default;
    // One grid cell changed (its index, row by row), or the whole grid.
    virtual void cellChanged(int32_t index) = 0;
    virtual void gridChanged() = 0;
    // The step label, the matrix caption, the size boxes or a button state changed.
    virtual void stateChanged() = 0;
};

class BrumalMatrixEngine {
public:
    enum class Effect { Text, Image, Gif, Color, Audio };
    enum class ColourMode { None, Gradient, Circle, StepColor };
    // The scroll-direction buttons of the picture effects.
    enum class Direction { None, Left, Right, Up, Down, UpLeft, UpRight, DownLeft, DownRight };

    static constexpr int32_t selected = 255;
    static inline const QString noMatrix = QStringLiteral("Select Matrix Here");
    static inline const QString noSoundMode = QStringLiteral("Pick Audio Mode");
    // The sound-to-matrix modes' captions; the mode is 8 + position (1-based).
    static const QStringList soundModeCaptions;

    BrumalMatrixEngine();
    void attachView(BrumalMatrixView* v) { view = v; }

    // Creation and load: the animations from the playback, then the defaults.
    void load();
    void mainInit();

    // ---- Matrix choice and grid ----
    QStringList fillMatrixList() const;
    std::pair<int32_t, int32_t> findMatrixSize(const QString& name) const;
    void selectMatrix(const QString& name);
    // A choice from the drop-down.
    void chooseMatrix(const QString& caption);
    void pickFirstMatrix(const QString& theMatrixLayer);
    // The size boxes applied to currentAnimation and the grid; reports a failure.
    void resizeMatrix();
    void resizeGrid();
    // The grid picture's size in its units (the window's pixels).
    void setPictureSize(double width, double height);
    // One cell from the refresh tick; unchanged cells are not redrawn.
    void drawMatrix(int32_t theX, int32_t theY, int32_t theColor, int32_t theStep);
    void clearGrid();
    // The colour of a cell (-1: the picture's background).
    int32_t cellColour(int32_t x, int32_t y) const;

    // ---- Frames and the playback ----
    void sendFramesToPlayback(bool refreshOnly);
    void transferFromPlayback();
    void cmdPlay_Click();
    void cmdStop_Click();
    void cmdFwd_Click();
    void cmdBack_Click();
    void cmdRecordAndAddScene_Click();
    void cmdDelete_Click();
    void cmdCreatePreset_Click();
    void HSsldVelocity_Scroll(int32_t value);
    void HSsldVelocity_MouseDown();
    QString chaseFadeTimeText;
    int32_t chaseSpeed = 100;

    // ---- Commands ----
    void selectEffect(Effect e);
    void cmdOption_Click();
    void cmdCircle_Click();
    void cmdStepColor_Click();
    void advanceCircleGradient();
    void cmdSwing_Click() { swing = !swing; }
    void selectDirection(Direction d);
    void cmdEditMatrix_Click();
    void cmdCreateNew_Click();
    // A mode picked from "Pick Audio Mode" (position 1..8).
    void pickSoundMode(int32_t position);
    // The step command of the chosen mode; empty before a mode is picked.
    QString soundToMatrixCommand() const;
    void cmdPreviewSoundToMatrix_Click();
    void cmdPreview_Click();
    void buildImageFrames();

    // ---- Helpers ----
    static double value(const QString& Valor);
    static QString Titulo(const QString& Expresion);
    static bool IsRomanic(const QString& Expresion);
    static bool IsPreposition(const QString& Expresion, bool IsName);

    // Matrix-wide values, shared with matrix addressing.
    int32_t matrixPaintColor = 16777215;
    AnimationRef currentAnimation;
    int32_t frameNameCounter = 0;
    float matrixCellWidth = 20, matrixCellHeight = 0;
    float matrixCellGap = 2;
    QString myMatrixName;
    QString matrixCaption = noMatrix;

    AnimationRef workingAnimation, effectAnimation;
    int32_t circleOffset = 0;
    FrameRef paintFrame = std::make_shared<ClsColours>();
    int32_t gridWidth = 0, gridHeight = 0;
    int32_t opacityStart = 0, opacityEnd = 0, zoomStart = 0, zoomEnd = 0, rotationStart = 0, rotationEnd = 0;

    // Controls the engine reads and writes.
    QString txtX = QStringLiteral("10"), txtY = QStringLiteral("10");
    QString lblStep = QStringLiteral("1");
    QString TxtNroFrames = QStringLiteral("10"), TxtZoomFrame = QStringLiteral("8");
    QString txtGradAngle = QStringLiteral("0");
    bool zoomIn = false, zoomOut = false;
    int32_t orientation = 4; // 0 " Left", 1 "Rigth", 2 "Up", 3 "Down", 4 "none"
    int32_t backgroundColor = 0;
    int32_t frontColor = 255, backColor = 0;
    QString soundModeCaption = noSoundMode;
    int32_t offsetMaximum = 100;

    Effect effect = Effect::Image;
    ColourMode colourMode = ColourMode::None;
    Direction direction = Direction::None;
    bool swing = false;

    // The gradient editor's stops (the last one is the spare) and the circle step's copy.
    std::vector<GradientStop> gradientStops, workingStops;
    QImage PicFrom;

private:
    void changed() { if (view) view->stateChanged(); }
    AnimationRef sourceAnimation() const;
    void applyGridGeometry();

    BrumalMatrixView* view = nullptr;
    double pictureWidth = 400, pictureHeight = 400;
    std::vector<int32_t> cells;
    QString labelRead;
    double labelValue = 0;
};
