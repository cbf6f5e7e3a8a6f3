#pragma once
// "Advanced FX Tool": the window of the FX tool engine (ShapeGenerator). It
// shows the engine's fields and lists, hands every command to the engine,
// draws the current playback's movement as numbered steps in the frame
// "JOYSTICK" (where a left drag picks the next shape's centre), and passes
// keys to the console while no field of its own is being edited. The FX
// properties dialog (myDialog) is its companion window. Singletons
// (form<ShapeGeneratorWin>(), form<myDialog>()), shown modeless and on top.

#include "effects/shapeGenerator.h"

#include <QWidget>
#include <vector>

class QButtonGroup;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QSlider;
class QToolButton;

// The frame "JOYSTICK": the step preview and the centre marker (twips inside the frame).
class JoystickFrame : public QWidget {
public:
    explicit JoystickFrame(ShapeGenerator& engine, QWidget* parent = nullptr);
    void setPoints(std::vector<ShapeGenerator::PreviewPoint> points);
    const std::vector<ShapeGenerator::PreviewPoint>& points() const { return steps; }
    // Top-left of the centre marker, twips.
    QPoint markerTwips() const { return marker; }
    // Where step j's marker and the start of its line lie (twips).
    static QPoint labelTwips(const ShapeGenerator::PreviewPoint& p);
    static QPoint lineTwips(const ShapeGenerator::PreviewPoint& p);
    // A left press or drag at a point in twips.
    void dragTo(QPoint twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ShapeGenerator& engine;
    std::vector<ShapeGenerator::PreviewPoint> steps;
    QPoint marker{1125, 1125};
};

class ShapeGeneratorWin : public QWidget, public ShapeGeneratorView {
public:
    explicit ShapeGeneratorWin(QWidget* parent = nullptr);
    ~ShapeGeneratorWin() override;

    ShapeGenerator& engine;

    // Form_Activate: step range to the whole playback and the channel list anew.
    void Form_Activate();
    void RefreshShape_Click();
    void cmbChannelList_Click();

    // ShapeGeneratorView.
    void fieldsChanged() override;
    void refreshShape() override { RefreshShape_Click(); }
    bool visible() override { return isVisible(); }
    void dialogChanged() override;

    QMenuBar* menuBar = nullptr;
    QMenu* shapesClick = nullptr;
    QMenu* preCalShapes = nullptr;
    QMenu* clkFXMenu = nullptr;
    QLineEdit *fromChText = nullptr, *toChText = nullptr, *Offset2 = nullptr, *Offsettxt = nullptr;
    QLineEdit *ShiftTxt = nullptr, *RotateTXT = nullptr, *RotateYTxt = nullptr;
    QToolButton* arrows[7][2] = {}; // by ShapeGenerator::Spinner, [0] up, [1] down
    QComboBox *Combo1 = nullptr, *cmbChannelList = nullptr, *cmbValue1 = nullptr, *cmbValue2 = nullptr;
    QButtonGroup *Option1 = nullptr, *Option2 = nullptr;
    QPushButton *Command2 = nullptr, *cmdFxCreate = nullptr, *ShiftShape = nullptr, *cmdGenShape = nullptr;
    QPushButton *CmdCreateChase = nullptr, *RefreshShape = nullptr, *Command1 = nullptr;
    QPushButton *SmallerBtn = nullptr, *LargerBtn = nullptr;
    QSlider *sldrLowValue = nullptr, *sldrHighValue = nullptr, *ShapeSize = nullptr;
    QLabel *pctPreview1 = nullptr, *lblPreview1 = nullptr, *pctPreview2 = nullptr, *lblPreview2 = nullptr;
    JoystickFrame* joystick = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void valueChosen(int list);
    void forwardKey(QKeyEvent* key);
    QList<QObject*> fields() const;
    void openDialog();
};

// "Shape Properties" / "FX Properties": size and step count of the next figure.
class myDialog : public QWidget {
public:
    explicit myDialog(QWidget* parent = nullptr);
    void syncFromEngine();

    QLineEdit *txtSteps = nullptr, *TxtSize = nullptr, *txtSize1 = nullptr;
    QToolButton *upButton = nullptr, *downButton = nullptr;
    QSlider *sldrX = nullptr, *sldrY = nullptr;
    QLabel *lblX = nullptr, *lblY = nullptr, *lblNumSteps = nullptr;
    QPushButton *OKButton = nullptr, *CancelButton = nullptr;

private:
    ShapeGenerator& engine;
};

class Shell;
// Attaches the FX tool's windows to the effects engine (called when effects start).
void attachShapeTool(Shell& s);
