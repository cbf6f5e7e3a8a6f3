#pragma once
// The engine of the matrix effects window (frmBrumalMatrix): the chosen
// matrix and its grid, the animations the effects build, the picture
// effect builder, the transfer of frames to and from the current playback,
// the playback commands and the sound-to-matrix preview. The window mirrors
// this state and calls it.

#include "matrix/gradientEditor.h"
#include "matrix/matrixAnimation.h"
#include "matrix/modGradient.h"
#include "matrix/pictureLists.h"
#include "matrix/textEffect.h"

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
    // The image or GIF list was reloaded.
    virtual void listsChanged() {}
    // The gradient editor's pointers or bar changed.
    virtual void gradientChanged() {}
};

class BrumalMatrixEngine {
public:
    enum class Effect { Text, Image, Gif, Color, Audio };
    enum class ColourMode { None, Gradient, Circle, StepColor };
    // The scroll-direction buttons of the picture effects.
    enum class Direction { None, Left, Right, Up, Down, UpLeft, UpRight, DownLeft, DownRight };
    // The text effect's scroll direction buttons.
    enum class TextDirection { Left, Up, Right, Down };
    // The colour boxes that open the shared colour dialog.
    enum class ColourBox { FontColour, TextBackground, EffectBackground, FrontColour, BackColour };
    enum class Button { None, Left, Right };

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

    // ---- Text effect ----
    void buildTextFrames();
    void selectTextDirection(TextDirection d);
    void ChkNegrita_Click(bool ticked);
    void ChkItalic_Click(bool ticked);
    // The font dialog; its answer (or the unchanged font after Cancel) goes to the page.
    void CmdLblFont_Click();
    void HSOffset_Scroll(int32_t offset);

    // ---- Step colour effect ----
    void runStepColorEffect();
    void buildStepColorFrames();
    void setOffset(int32_t a);
    void setOffset2(const QString& b);

    // ---- Picture and GIF lists ----
    void loadImageList();
    void loadGifList();
    void imageItemClicked(int32_t index);
    void gifItemClicked(int32_t index);
    void dropOnImageList(const QStringList& files);
    void dropOnGifList(const QStringList& files);
    // The list's selected item (-1: none) deleted from its folder.
    void clkDeleteFile(int32_t selected);
    void clkDeleteGif(int32_t selected);
    // Splits a GIF file into AnimatedGIF; reports why it could not.
    void splitAnimatedGif(const QString& fileName);
    void buildGifFrames();

    // ---- Colour pickers and painting ----
    void setSlider(int32_t i, int32_t v);
    // The three sliders set one after another to a colour's parts.
    void setSliders(int32_t colour);
    // A key released in a number box: the text limited to 0..255, then the slider.
    void colourBoxTyped(int32_t i, const QString& text);
    // The swatch's own colour dialog.
    void PicColorPicker_Click();
    // The colour under the cursor while picking (-1: it could not be read).
    void pickedColour(int32_t colour);
    // The end of a pick on the swatch or the palette picture.
    void pickReleased(Button b);
    void chooseBoxColour(ColourBox box);
    int32_t boxColour(ColourBox box) const;
    void optRotate_Click(int32_t index);
    // Pixel painting on the grid at (X, Y), the grid picture's pixels.
    void paintMoved(double X, double Y, Button b);
    void paintReleased(double X, double Y, Button b);
    // The grid cell under a point (-1 outside the grid).
    int32_t cellIndexAt(double X, double Y) const;
    // The gradient editor's pointer commands.
    // Answers whether the pointer's menu pops up.
    bool pointerPressed(int32_t index, Button b);
    void pointerDragged(int32_t index, double x, bool leftDown);
    void pointerReleased();
    void deletePointer();

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
    int32_t frontColor = 65280, backColor = 0;
    QString soundModeCaption = noSoundMode;
    int32_t offsetMaximum = 100;

    Effect effect = Effect::Image;
    ColourMode colourMode = ColourMode::None;
    Direction direction = Direction::None;
    bool swing = false;

    // The gradient editor's stops (the last one is the spare) and the circle step's copy.
    std::vector<GradientStop> gradientStops, workingStops;
    QImage PicFrom;
    GradientEditor editor{gradientStops, workingStops};

    TextPage text;
    QString TxtFont = QStringLiteral("Arial"), TxtSize = QStringLiteral("9");
    int32_t HSOffsetMin = -10, HSOffsetMax = 10;

    int32_t upDownOffset = 0;
    QString txtOffset2 = QStringLiteral("1");

    // The icon store shared by both lists, and the two lists' items (file names).
    std::vector<pictureLists::Item> images;
    QStringList ListView1, gifListView;
    // One picture per frame of the chosen GIF; element 0 is always there.
    std::vector<QImage> AnimatedGIF{QImage()};

    int32_t hscrColor[3] = {255, 255, 255};
    QString txtColorDec[3] = {QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255")};
    int32_t pickerColour = 16777215;
    int32_t optRotate = 2;

private:
    void changed() { if (view) view->stateChanged(); }
    void gradientChanged() { if (view) view->gradientChanged(); }
    void showLists(const pictureLists::Loaded& loaded, QStringList& list);
    // The colour last held by the shared colour dialog.
    int32_t sharedDialogColour = 0;
    // Paints one pixel of the shown frame; false when there is no frame to paint.
    bool paint(double X, double Y, Button b);
    AnimationRef sourceAnimation() const;
    void applyGridGeometry();

    BrumalMatrixView* view = nullptr;
    double pictureWidth = 400, pictureHeight = 400;
    std::vector<int32_t> cells;
    QString labelRead;
    double labelValue = 0;
};
