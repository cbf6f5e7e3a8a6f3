#include "matrix/ui/frmBrumalMatrix.h"

#include "matrix/matrixEngine.h"
#include "matrix/modGradient.h"
#include "matrix/ui/matrixGrid.h"
#include "shell/shell.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Effect = BrumalMatrixEngine::Effect;
using ColourMode = BrumalMatrixEngine::ColourMode;
using Direction = BrumalMatrixEngine::Direction;

constexpr int32_t effectGrey = 8421504;
constexpr int32_t colourModeBrown = 16512;
constexpr int32_t directionBlue = 16576;

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

QPushButton* iconButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& tip) {
    QPushButton* b = button(parent, name, QString(), tip);
    b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

QLineEdit* box(QWidget* parent, const char* name, int chars = 5) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setMinimumWidth(t->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12);
    return t;
}

} // namespace

frmBrumalMatrix::frmBrumalMatrix(QWidget* parent)
    : QWidget(parent), e(shell().engine<MatrixEngine>().brumal()) {
    setObjectName(QStringLiteral("frmBrumalMatrix"));
    setWindowTitle(QStringLiteral("Brumal Matrix "));
    auto* outer = new QHBoxLayout(this);

    // The grid and the step label.
    auto* left = new QVBoxLayout;
    PicMatrix = new MatrixGrid(this);
    PicMatrix->setObjectName(QStringLiteral("PicMatrix"));
    PicMatrix->columns = [this] { return e.gridWidth; };
    PicMatrix->rows = [this] { return e.gridHeight; };
    PicMatrix->cellWidth = [this] { return e.matrixCellWidth; };
    PicMatrix->cellHeight = [this] { return e.matrixCellHeight; };
    PicMatrix->gap = [this] { return e.matrixCellGap; };
    PicMatrix->cell = [this](int32_t x, int32_t y) { return MatrixGrid::Cell{e.cellColour(x, y), {}}; };
    PicMatrix->resized = [this](QSize s) { e.setPictureSize(s.width(), s.height()); };
    left->addWidget(PicMatrix, 1);
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(new QLabel(QStringLiteral("Step"), this));
    lblStep = new QLabel(this);
    lblStep->setObjectName(QStringLiteral("lblStep"));
    stepRow->addWidget(lblStep);
    stepRow->addStretch(1);
    left->addLayout(stepRow);
    outer->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    outer->addLayout(right);

    // Matrix choice and size.
    auto* matrixRow = new QHBoxLayout;
    cmboMatrixList = new QToolButton(this);
    cmboMatrixList->setObjectName(QStringLiteral("cmboMatrixList"));
    cmboMatrixList->setPopupMode(QToolButton::InstantPopup);
    auto* matrixMenu = new QMenu(cmboMatrixList);
    cmboMatrixList->setMenu(matrixMenu);
    connect(matrixMenu, &QMenu::aboutToShow, this, [this, matrixMenu] {
        matrixMenu->clear();
        for (const QString& name : e.fillMatrixList())
            matrixMenu->addAction(name, this, [this, name] { e.chooseMatrix(name); });
    });
    matrixRow->addWidget(cmboMatrixList, 1);
    cmdEditMatrix = button(this, "cmdEditMatrix", QStringLiteral("Edit Matrix"));
    connect(cmdEditMatrix, &QPushButton::clicked, this, [this] { e.cmdEditMatrix_Click(); });
    matrixRow->addWidget(cmdEditMatrix);
    right->addLayout(matrixRow);

    auto* sizeRow = new QHBoxLayout;
    txtX = box(this, "txtX");
    txtY = box(this, "txtY");
    UpDownX = new QSpinBox(this);
    UpDownY = new QSpinBox(this);
    UpDownX->setObjectName(QStringLiteral("UpDownX"));
    UpDownY->setObjectName(QStringLiteral("UpDownY"));
    for (QSpinBox* s : {UpDownX, UpDownY}) {
        s->setRange(0, 2048);
        s->setValue(10);
    }
    connect(UpDownX, &QSpinBox::valueChanged, this, [this](int v) {
        if (refreshing) return;
        e.txtX = QString::number(v);
        e.resizeMatrix();
    });
    connect(UpDownY, &QSpinBox::valueChanged, this, [this](int v) {
        if (refreshing) return;
        e.txtY = QString::number(v);
        e.resizeMatrix();
    });
    sizeRow->addWidget(new QLabel(QStringLiteral("Width"), this));
    sizeRow->addWidget(txtX);
    sizeRow->addWidget(UpDownX);
    sizeRow->addWidget(new QLabel(QStringLiteral("Height"), this));
    sizeRow->addWidget(txtY);
    sizeRow->addWidget(UpDownY);
    right->addLayout(sizeRow);

    // Effect types.
    auto* effectRow = new QHBoxLayout;
    cmdText = button(this, "cmdText", QStringLiteral("Text   "));
    cmdImage = button(this, "cmdImage", QStringLiteral("Image"));
    cmdGif = button(this, "cmdGif", QStringLiteral("GIF"));
    cmdColor = button(this, "cmdColor", QStringLiteral("Color"));
    cmdAudio = button(this, "cmdAudio", QStringLiteral("Audio"));
    const std::pair<QPushButton*, Effect> effects[] = {
        {cmdText, Effect::Text}, {cmdImage, Effect::Image}, {cmdGif, Effect::Gif},
        {cmdColor, Effect::Color}, {cmdAudio, Effect::Audio}};
    for (const auto& [b, effect] : effects) {
        effectRow->addWidget(b);
        const Effect chosen = effect; // clang 14 cannot capture a structured binding
        connect(b, &QPushButton::clicked, this, [this, chosen] { e.selectEffect(chosen); });
    }
    right->addLayout(effectRow);

    // The pages of the effect types.
    frmTextMatrix = new QWidget(this);
    frmImage = new QWidget(this);
    frmGif = new QWidget(this);
    frmTextMatrix->setObjectName(QStringLiteral("frmTextMatrix"));
    frmImage->setObjectName(QStringLiteral("frmImage"));
    frmGif->setObjectName(QStringLiteral("frmGif"));

    frmImage1Matrix = new QGroupBox(this);
    frmImage1Matrix->setObjectName(QStringLiteral("frmImage1Matrix"));
    auto* colourPage = new QGridLayout(frmImage1Matrix);
    cmdOption = button(frmImage1Matrix, "cmdOption", QStringLiteral("Gradient"));
    cmdCircle = button(frmImage1Matrix, "cmdCircle", QStringLiteral("Circle Effect"));
    cmdStepColor = button(frmImage1Matrix, "cmdStepColor", QStringLiteral("Color Step"));
    connect(cmdOption, &QPushButton::clicked, this, [this] { readBoxes(); e.cmdOption_Click(); });
    connect(cmdCircle, &QPushButton::clicked, this, [this] { readBoxes(); e.cmdCircle_Click(); });
    connect(cmdStepColor, &QPushButton::clicked, this, [this] { readBoxes(); e.cmdStepColor_Click(); });
    colourPage->addWidget(cmdOption, 0, 0);
    colourPage->addWidget(cmdCircle, 0, 1);
    colourPage->addWidget(cmdStepColor, 0, 2);
    colourPage->addWidget(new QLabel(QStringLiteral("Angle"), frmImage1Matrix), 1, 0);
    txtGradAngle = box(frmImage1Matrix, "txtGradAngle");
    colourPage->addWidget(txtGradAngle, 1, 1);
    upDownAngle = new QSpinBox(frmImage1Matrix);
    upDownAngle->setObjectName(QStringLiteral("upDownAngle"));
    upDownAngle->setRange(0, 359);
    connect(upDownAngle, &QSpinBox::valueChanged, this, [this](int v) {
        if (refreshing) return;
        readBoxes();
        e.txtGradAngle = QString::number(v);
        e.cmdOption_Click();
    });
    colourPage->addWidget(upDownAngle, 1, 2);

    frmRotateandScroll = new QWidget(this);
    frmRotateandScroll->setObjectName(QStringLiteral("frmRotateandScroll"));
    auto* rotate = new QHBoxLayout(frmRotateandScroll);
    rotate->setContentsMargins(0, 0, 0, 0);
    auto* frames = new QGroupBox(frmRotateandScroll);
    auto* framesLayout = new QGridLayout(frames);
    framesLayout->addWidget(new QLabel(QStringLiteral("Frames"), frames), 0, 0);
    TxtNroFrames = box(frames, "TxtNroFrames");
    framesLayout->addWidget(TxtNroFrames, 0, 1);
    framesLayout->addWidget(new QLabel(QStringLiteral("Zoom Frames"), frames), 1, 0);
    TxtZoomFrame = box(frames, "TxtZoomFrame");
    framesLayout->addWidget(TxtZoomFrame, 1, 1);
    ChkZoom[0] = new QCheckBox(QStringLiteral("Zoom In"), frames);
    ChkZoom[1] = new QCheckBox(QStringLiteral("Zoom Out"), frames);
    for (int i = 0; i < 2; ++i) {
        ChkZoom[i]->setObjectName(QStringLiteral("ChkZoom%1").arg(i));
        framesLayout->addWidget(ChkZoom[i], 2 + i, 0, 1, 2);
        connect(ChkZoom[i], &QCheckBox::clicked, this, [this] {
            readBoxes();
            e.cmdPreview_Click();
        });
    }
    rotate->addWidget(frames);
    auto* frmDirection = new QGroupBox(QStringLiteral("Scroll Direction"), frmRotateandScroll);
    frmDirection->setObjectName(QStringLiteral("frmDirection"));
    auto* directions = new QGridLayout(frmDirection);
    struct DirectionButton {
        const char* name;
        Direction d;
        const char* arrow;
        int row, column;
    };
    const DirectionButton table[] = {
        {"cmdUpLeft", Direction::UpLeft, "\u2196", 0, 0},     {"cmdUp", Direction::Up, "\u2191", 0, 1},
        {"cmdUpRight", Direction::UpRight, "\u2197", 0, 2},   {"cmdLeft", Direction::Left, "\u2190", 1, 0},
        {"cmdNone", Direction::None, "None", 1, 1},           {"cmdRight", Direction::Right, "\u2192", 1, 2},
        {"cmdDownLeft", Direction::DownLeft, "\u2199", 2, 0}, {"cmdDown", Direction::Down, "\u2193", 2, 1},
        {"cmdDownRight", Direction::DownRight, "\u2198", 2, 2}};
    for (const DirectionButton& d : table) {
        QPushButton* b = button(frmDirection, d.name, QString::fromUtf8(d.arrow));
        directionButtons[d.d] = b;
        directions->addWidget(b, d.row, d.column);
        const Direction which = d.d;
        connect(b, &QPushButton::clicked, this, [this, which] {
            readBoxes();
            e.selectDirection(which);
        });
    }
    rotate->addWidget(frmDirection);

    frmSoundToMatrix = new QGroupBox(this);
    frmSoundToMatrix->setObjectName(QStringLiteral("frmSoundToMatrix"));
    auto* sound = new QHBoxLayout(frmSoundToMatrix);
    cmdPickSoundToMatrix = new QToolButton(frmSoundToMatrix);
    cmdPickSoundToMatrix->setObjectName(QStringLiteral("cmdPickSoundToMatrix"));
    cmdPickSoundToMatrix->setPopupMode(QToolButton::InstantPopup);
    auto* soundMenu = new QMenu(cmdPickSoundToMatrix);
    for (int i = 0; i < BrumalMatrixEngine::soundModeCaptions.size(); ++i)
        soundMenu->addAction(BrumalMatrixEngine::soundModeCaptions[i], this, [this, i] { e.pickSoundMode(i + 1); });
    cmdPickSoundToMatrix->setMenu(soundMenu);
    sound->addWidget(cmdPickSoundToMatrix);
    cmdPreviewSoundToMatrix = button(frmSoundToMatrix, "cmdPreviewSoundToMatrix", QStringLiteral("Preview Audio Matrix"));
    connect(cmdPreviewSoundToMatrix, &QPushButton::clicked, this, [this] { e.cmdPreviewSoundToMatrix_Click(); });
    sound->addWidget(cmdPreviewSoundToMatrix);

    for (QWidget* page : {frmTextMatrix, frmImage, frmGif, frmImage1Matrix, frmSoundToMatrix, frmRotateandScroll})
        right->addWidget(page);

    cmdSwing = button(this, "cmdSwing", QStringLiteral("Swing"));
    connect(cmdSwing, &QPushButton::clicked, this, [this] {
        e.cmdSwing_Click();
        stateChanged();
    });
    buildTextPage();
    buildListPages();
    buildColourPage(frmImage1Matrix);
    buildPictureOptions(frames);
    connectPainting();

    cmdPreview = button(this, "cmdPreview", QStringLiteral("Preview"));
    connect(cmdPreview, &QPushButton::clicked, this, [this] {
        readBoxes();
        e.cmdPreview_Click();
    });
    right->addWidget(cmdPreview);

    // The playback commands.
    auto* transport = new QHBoxLayout;
    cmdBack = iconButton(this, "cmdBack", QStyle::SP_MediaSkipBackward, QStringLiteral("goto Previous Scene"));
    cmdPlay = iconButton(this, "cmdPlay", QStyle::SP_MediaPlay, QStringLiteral("Play Loaded Sequence On Current Playback"));
    cmdStop = iconButton(this, "cmdStop", QStyle::SP_MediaStop, QStringLiteral("Stop Current Playback"));
    cmdFwd = iconButton(this, "cmdFwd", QStyle::SP_MediaSkipForward, QStringLiteral("goto Next Scene"));
    cmdRecordAndAddScene =
        iconButton(this, "cmdRecordAndAddScene", QStyle::SP_DialogSaveButton, QStringLiteral("Record scene and add new scene"));
    cmdDelete = button(this, "cmdDelete", QStringLiteral("DEL"));
    connect(cmdBack, &QPushButton::clicked, this, [this] { e.cmdBack_Click(); });
    connect(cmdPlay, &QPushButton::clicked, this, [this] { e.cmdPlay_Click(); });
    connect(cmdStop, &QPushButton::clicked, this, [this] { e.cmdStop_Click(); });
    connect(cmdFwd, &QPushButton::clicked, this, [this] { e.cmdFwd_Click(); });
    connect(cmdRecordAndAddScene, &QPushButton::clicked, this, [this] { e.cmdRecordAndAddScene_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { e.cmdDelete_Click(); });
    for (QPushButton* b : {cmdBack, cmdPlay, cmdStop, cmdFwd, cmdRecordAndAddScene, cmdDelete}) transport->addWidget(b);
    right->addLayout(transport);

    auto* speedRow = new QHBoxLayout;
    HSsldVelocity = new QSlider(Qt::Horizontal, this);
    HSsldVelocity->setObjectName(QStringLiteral("HSsldVelocity"));
    HSsldVelocity->setRange(0, 5000);
    HSsldVelocity->setValue(e.chaseSpeed);
    connect(HSsldVelocity, &QSlider::sliderMoved, this, [this](int v) { e.HSsldVelocity_Scroll(v); });
    connect(HSsldVelocity, &QSlider::sliderPressed, this, [this] { e.HSsldVelocity_MouseDown(); });
    lblChaseFadeTIme = new QLabel(QStringLiteral("1.00"), this);
    lblChaseFadeTIme->setObjectName(QStringLiteral("lblChaseFadeTIme"));
    speedRow->addWidget(HSsldVelocity, 1);
    speedRow->addWidget(lblChaseFadeTIme);
    right->addLayout(speedRow);

    auto* commands = new QHBoxLayout;
    cmdCreatePreset = button(this, "cmdCreatePreset", QStringLiteral("Create Button"));
    cmdCreateNew = button(this, "cmdCreateNew", QStringLiteral("CLEAR ALL"),
                          QStringLiteral("Clear and stop all playbacks running ( The SHIFT+Escape key on your Keyboard)"));
    connect(cmdCreatePreset, &QPushButton::clicked, this, [this] { e.cmdCreatePreset_Click(); });
    connect(cmdCreateNew, &QPushButton::clicked, this, [this] { e.cmdCreateNew_Click(); });
    commands->addWidget(cmdCreatePreset);
    commands->addWidget(cmdCreateNew);
    right->addLayout(commands);
    right->addStretch(1);

    for (QLineEdit* t : {txtX, txtY, txtGradAngle, TxtNroFrames, TxtZoomFrame})
        connect(t, &QLineEdit::editingFinished, this, [this] { readBoxes(); });
    connect(txtX, &QLineEdit::returnPressed, this, [this] { e.resizeMatrix(); });
    connect(txtY, &QLineEdit::returnPressed, this, [this] { e.resizeMatrix(); });

    e.attachView(this);
    stateChanged();
    listsChanged();
}

frmBrumalMatrix::~frmBrumalMatrix() { e.attachView(nullptr); }

void frmBrumalMatrix::readBoxes() {
    if (refreshing) return;
    e.txtX = txtX->text();
    e.txtY = txtY->text();
    e.txtGradAngle = txtGradAngle->text();
    e.TxtNroFrames = TxtNroFrames->text();
    e.TxtZoomFrame = TxtZoomFrame->text();
    e.zoomIn = ChkZoom[0]->isChecked();
    e.zoomOut = ChkZoom[1]->isChecked();
}

void frmBrumalMatrix::highlight(QPushButton* b, int32_t colour) {
    const RGBParts c = modGradient::splitRGB(colour);
    b->setStyleSheet(QStringLiteral("QPushButton#%1 { background-color: rgb(%2, %3, %4); color: white; }")
                         .arg(b->objectName())
                         .arg(c.red)
                         .arg(c.green)
                         .arg(c.blue));
    b->setProperty("themecolor", colour);
}

void frmBrumalMatrix::cellChanged(int32_t index) {
    if (!wholeGridDirty) dirtyCells.push_back(index);
    queueFlush();
}

void frmBrumalMatrix::gridChanged() {
    wholeGridDirty = true;
    dirtyCells.clear();
    queueFlush();
}

void frmBrumalMatrix::queueFlush() {
    if (flushQueued) return;
    flushQueued = true;
    QMetaObject::invokeMethod(this, [this] { flushGrid(); }, Qt::QueuedConnection);
}

void frmBrumalMatrix::flushGrid() {
    flushQueued = false;
    // Past a few hundred cells one repaint of the grid costs less than many small ones.
    if (wholeGridDirty || dirtyCells.size() > 256 || e.gridWidth <= 0) PicMatrix->update();
    else
        for (const int32_t i : dirtyCells) PicMatrix->updateCell(i % e.gridWidth, i / e.gridWidth);
    dirtyCells.clear();
    wholeGridDirty = false;
}

void frmBrumalMatrix::stateChanged() {
    refreshing = true;
    cmboMatrixList->setText(e.matrixCaption);
    cmdPickSoundToMatrix->setText(e.soundModeCaption);
    lblStep->setText(e.lblStep);
    txtX->setText(e.txtX);
    txtY->setText(e.txtY);
    UpDownX->setValue(int(BrumalMatrixEngine::value(e.txtX)));
    UpDownY->setValue(int(BrumalMatrixEngine::value(e.txtY)));
    txtGradAngle->setText(e.txtGradAngle);
    TxtNroFrames->setText(e.TxtNroFrames);
    TxtZoomFrame->setText(e.TxtZoomFrame);
    ChkZoom[0]->setChecked(e.zoomIn);
    ChkZoom[1]->setChecked(e.zoomOut);
    lblChaseFadeTIme->setText(e.chaseFadeTimeText.isEmpty() ? lblChaseFadeTIme->text() : e.chaseFadeTimeText);

    const std::pair<QPushButton*, Effect> effects[] = {
        {cmdText, Effect::Text}, {cmdImage, Effect::Image}, {cmdGif, Effect::Gif},
        {cmdColor, Effect::Color}, {cmdAudio, Effect::Audio}};
    for (const auto& [b, effect] : effects)
        highlight(b, e.effect == effect ? BrumalMatrixEngine::selected : effectGrey);
    const std::pair<QPushButton*, ColourMode> modes[] = {
        {cmdOption, ColourMode::Gradient}, {cmdCircle, ColourMode::Circle}, {cmdStepColor, ColourMode::StepColor}};
    for (const auto& [b, mode] : modes)
        highlight(b, e.colourMode == mode ? BrumalMatrixEngine::selected : colourModeBrown);
    for (const auto& [d, b] : directionButtons)
        highlight(b, e.direction == d ? BrumalMatrixEngine::selected : directionBlue);
    highlight(cmdSwing, e.swing ? BrumalMatrixEngine::selected : directionBlue);

    frmTextMatrix->setVisible(e.effect == Effect::Text);
    frmImage->setVisible(e.effect == Effect::Image);
    frmGif->setVisible(e.effect == Effect::Gif);
    frmImage1Matrix->setVisible(e.effect == Effect::Color);
    frmSoundToMatrix->setVisible(e.effect == Effect::Audio);
    frmRotateandScroll->setVisible(e.effect == Effect::Image || e.effect == Effect::Color);
    refreshPages();
    refreshing = false;
}
