#pragma once
// The engine of the Advanced FX Tool (ShapeGeneratorWin): the movement
// shapes and channel waves it writes into the current playback's steps, the
// centres and channel look-ups it keeps, the two-value channel chase, the
// step shifts, rotation and resize, the numeric fields with their spinners,
// and the FX properties dialog (myDialog) that hands a figure to the
// writers. Everything writes through the playback service one value at a
// time (effectWrites). One per shell: shell().engine<ShapeGenerator>(); the
// windows in effects/ui mirror it through ShapeGeneratorView.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <random>
#include <vector>

// What the engine tells the tool window and the dialog window.
class ShapeGeneratorView {
public:
    virtual ~ShapeGeneratorView() = default;
    // The fields (step range, offsets, angles, lists) changed: show them anew.
    virtual void fieldsChanged() = 0;
    // Redraw the step preview (RefreshShape_Click).
    virtual void refreshShape() = 0;
    // Whether the tool window is shown.
    virtual bool visible() = 0;
    // The properties dialog was loaded or unloaded (shown by its caller).
    virtual void dialogChanged() = 0;
};

// The FX properties dialog's state (myDialog). Loaded on first use: its load
// sets the current playback to 20 steps.
struct FxDialogState {
    bool loaded = false;
    int16_t multiplyer = 0;  // pan frequency multiplier
    int16_t multplyer1 = 0;  // tilt frequency multiplier
    int32_t myLoadMode = 0;  // 0 movement shape, 1 channel wave
    QString txtSteps = QStringLiteral("1");
    QString TxtSize = QStringLiteral("128");
    QString txtSize1 = QStringLiteral("128");
    int32_t sldrX = 128, sldrY = 128;
    QString lblX = QStringLiteral("Size For X"), lblY = QStringLiteral("Size For Y");
    QString caption = QStringLiteral("Shape Properties");
};

class ShapeGenerator {
public:
    ShapeGenerator();

    void attachView(ShapeGeneratorView* v) { view = v; }

    // ---- Trigonometry in degrees ----
    static double Sine(double degrees);
    static double Cosine(double degrees);

    // ---- Shape maths ----
    // Movement shape on the selected fixtures' pan/tilt (amplitudes, not diameters).
    void drawCircle(int16_t sizeX, int16_t sizeY, int16_t mult, int16_t mult1, int16_t changeCenter);
    // Channel wave between low sizeY and high sizeX on a channel type, "RGB" or "CMY".
    void createFX(int16_t sizeX, int16_t sizeY, int16_t mult, int16_t mult1, const QString& channelName);
    // The angle steps of the two writers for n steps.
    static int32_t shapeAngleStep(int32_t steps);
    static int32_t waveAngleStep(int32_t steps);

    // ---- Centres and look-ups ----
    void setCenter(int32_t x, int32_t y);
    void setCenterForAllSelected();
    int32_t getLocalX(int32_t index) const;
    int32_t getLocalY(int32_t index) const;
    int32_t countSelectedListFixtures();
    void setFX(const QString& theChannel);
    void getCHannelsForSelectedFixtures();
    void fillValueLists();
    static int32_t findChannelNumber(const QString& channelName, int32_t fixture);
    static int32_t findRangeValue(int32_t fixture, const QString& label, const QString& channelName);
    // The channel types of the show's profiles for Combo1 (with "RGB" and
    // "CMY" when a channel is named "red" or "cyan").
    static QStringList showChannelTypes();

    // ---- Two-value chase and step tools ----
    void createChannelChase();
    void updateMyStepRange();
    void newShiftShape(const QString& channelName);
    void shiftMovementSteps(bool panOnly, bool tiltOnly, bool both);
    void rotateMovement();
    void resizeMovement(bool panOn, bool tiltOn);

    // ---- Window commands ----
    void load();          // Form_Load
    void activateForm();  // step range to the whole playback
    // The shape entry points by name ("makeCircle" ... "makeRandom", "makeNone"):
    // set the multipliers and wave and write the figure at once. False for an unknown name.
    bool makeShape(const QString& entryPoint);
    // The menu items of "Pre Calculated Shapes" ("Circle" ...): set the values for the
    // dialog, which the window then shows. False for an unknown caption.
    bool preCalculatedShape(const QString& caption);
    // The items of "fxMenu" ("CoSine Wave" ...), the same for a channel wave.
    bool fxWave(const QString& caption);
    void channelStepShift();    // "Channel StepShift"
    void movementStepShift();   // "Movement StepShift"
    void applyRotation();       // "Apply Rotation"
    void releaseShapeSize();    // release on the size slider
    void sizeButton(bool larger);
    void seedRandom(uint32_t seed) { random.seed(seed); }
    void reseedFromClock();

    // ---- Spinners (their up and down arrows) ----
    enum class Spinner { UpdnStart, UpdnEnd, UpDown1, UpDown2, UpDown5, UpDown3, UpDown4 };
    void spin(Spinner which, bool up);
    // A field typed into. Only RotateTXT has a change handler (it copies to RotateYTxt).
    void setRotateText(const QString& text);

    // ---- The properties dialog ----
    FxDialogState& dialog(); // loads it when needed
    const FxDialogState& dialogState() const { return dlg; }
    void unloadDialog();
    void setDialogSlider(bool x, int32_t value);   // sldrX_Scroll / sldrY_Scroll
    void setDialogSizeText(bool x, const QString& text); // TxtSize_Change / txtSize1_Change
    void dialogUpDown(bool up);
    void createShape();
    // OK: writes, redraws, starts; false when nothing was written (the dialog stays).
    bool okButton();

    // ---- Window state (public variables of the tool) ----
    bool useSine = false;
    int32_t shapeCenterX = 127, shapeCenterY = 127;
    bool movingCenter = false;
    bool sizingShape = false;
    int32_t stepStart = 1, stepEnd = 1;
    bool isEditingField = false;
    int32_t selectedFixtureCount = 0;
    QString fxChannelName;

    // The fields as texts, as the window shows them.
    struct Fields {
        QString fromChText = QStringLiteral("1"), toChText = QStringLiteral("1");
        QString Offsettxt = QStringLiteral("1"), Offset2 = QStringLiteral("1");
        QString ShiftTxt = QStringLiteral("1");
        QString RotateTXT = QStringLiteral("45"), RotateYTxt = QStringLiteral("45");
        QStringList Combo1;        // channel types of the show
        QString Combo1Text;
        QStringList cmbChannelList; // channel types all selected fixtures share
        QString cmbChannelListText = QStringLiteral("EFX Channel");
        QStringList cmbValue1, cmbValue2;
        QString cmbValue1Text = QStringLiteral("255"), cmbValue2Text = QStringLiteral("0");
        bool cmbValue1Enabled = true, cmbValue2Enabled = true;
        int32_t ShapeSize = 101;
        int32_t movementOption = 2; // Option1: 0 Pan, 1 Tilt, 2 Both, -1 none
        int32_t sizeOption = 2;     // Option2: 0 Pan, 1 Tilt, 2 Both, -1 none
    } fields;

    // The value sliders of the chase group.
    void lowValueSlider(int32_t value);
    void highValueSlider(int32_t value);
    // The step preview's points for the first selected fixture: one (pan, tilt)
    // per step, empty positions (-1) when it has no pan or tilt; no fixture: none.
    struct PreviewPoint {
        int32_t pan = -1, tilt = -1;
    };
    std::vector<PreviewPoint> previewPoints() const;
    // Centre picking at a frame position (twips).
    void pickCenter(double x, double y);

private:
    void changed();
    void redraw();
    int32_t steps() const;
    bool running() const;
    std::vector<int32_t> localCenterX, localCenterY;
    FxDialogState dlg;
    ShapeGeneratorView* view = nullptr;
    std::mt19937 random{12345u};
};
