#include "matrix/brumalMatrixEngine.h"

#include "matrix/matrixPixels.h"
#include "matrix/modRotateImage.h"
#include "platform/prompts.h"
#include "shell/numberText.h"
#include "shell/services/consoleService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/matrixService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

double nearest(double x) { return std::nearbyint(x); }

int16_t toInt16(double v) {
    const double r = nearest(v);
    if (r < -32768 || r > 32767) throw std::overflow_error("Overflow");
    return int16_t(r);
}

int32_t toInt32(double v) {
    const double r = nearest(v);
    if (r < double(std::numeric_limits<int32_t>::min()) || r > double(std::numeric_limits<int32_t>::max()))
        throw std::overflow_error("Overflow");
    return int32_t(r);
}

int32_t pixelColour(QRgb p) { return qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p); }

int32_t current() { return shell().state.currentPlayback; }

} // namespace

const QStringList BrumalMatrixEngine::soundModeCaptions = {
    QStringLiteral("Multi Color EQ"),   QStringLiteral("Normal EQ"),   QStringLiteral("Upside Down EQ"),
    QStringLiteral("Random Frequency"), QStringLiteral("Color Frequency"), QStringLiteral("Color Flash"),
    QStringLiteral("random Color Flash"), QStringLiteral("Level Meter")};

BrumalMatrixEngine::BrumalMatrixEngine() = default;

void BrumalMatrixEngine::load() {
    transferFromPlayback();
    mainInit();
    text.font = QFont(QStringLiteral("Arial"), 7);
    text.backgroundColour = [] {
        const QColor c = QGuiApplication::palette().color(QPalette::Window);
        return modGradient::joinRGB(c.red(), c.green(), c.blue());
    }();
    HSOffsetMin = -currentAnimation->Height();
    HSOffsetMax = currentAnimation->Height();
    editor.init();
    opacityStart = opacityEnd = zoomStart = zoomEnd = 100;
    resizeGrid();
    selectEffect(Effect::Image);
}

void BrumalMatrixEngine::mainInit() {
    matrixCellWidth = 20;
    matrixCellGap = 2;
    matrixPaintColor = 16777215;
    frameNameCounter = 0;
    currentAnimation = std::make_shared<ClsMatrix>();
    currentAnimation->setWidth(10);
    currentAnimation->setHeight(10);
}

// ---- Matrix choice and grid ---------------------------------------------------------------------

QStringList BrumalMatrixEngine::fillMatrixList() const { return matrixPixels::matrixNames(shell().state); }

std::pair<int32_t, int32_t> BrumalMatrixEngine::findMatrixSize(const QString& name) const {
    return matrixPixels::matrixSize(shell().state, name);
}

void BrumalMatrixEngine::selectMatrix(const QString& name) {
    matrixCaption = name;
    const auto [width, height] = findMatrixSize(name);
    txtX = QString::number(width);
    txtY = QString::number(height);
    clearGrid();
    resizeMatrix();
    changed();
}

void BrumalMatrixEngine::chooseMatrix(const QString& caption) {
    selectMatrix(caption);
    myMatrixName = caption;
    transferFromPlayback();
    changed();
}

void BrumalMatrixEngine::pickFirstMatrix(const QString& theMatrixLayer) {
    const QStringList names = fillMatrixList();
    QString chosen;
    if (names.contains(theMatrixLayer)) chosen = theMatrixLayer;
    else if (!names.isEmpty()) chosen = names.front();
    if (!names.isEmpty()) {
        selectMatrix(chosen);
        myMatrixName = chosen;
    }
    transferFromPlayback();
    changed();
}

void BrumalMatrixEngine::resizeMatrix() {
    try {
        const int16_t w = toInt16(value(txtX));
        const int16_t h = toInt16(value(txtY));
        currentAnimation->setWidth(w);
        currentAnimation->setHeight(h);
        gridWidth = toInt32(value(txtX));
        gridHeight = toInt32(value(txtY));
        const int32_t cellsWanted = int32_t(currentAnimation->Width()) * currentAnimation->Height();
        if (cellsWanted > 32767 || cellsWanted < -32768) throw std::overflow_error("Overflow");
        offsetMaximum = cellsWanted;
        if (gridWidth <= 0 || gridHeight <= 0) throw std::domain_error("Division by zero");
        applyGridGeometry();
        clearGrid();
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("error Resizing Matrix:") + QString::fromUtf8(e.what()));
    }
    changed();
}

void BrumalMatrixEngine::resizeGrid() {
    if ((gridWidth == 0 || gridHeight == 0) && currentAnimation) {
        gridWidth = currentAnimation->Width();
        gridHeight = currentAnimation->Height();
    }
    if (gridWidth > 0 && gridHeight > 0) applyGridGeometry();
    clearGrid();
}

void BrumalMatrixEngine::applyGridGeometry() {
    matrixCellHeight = float((pictureHeight - matrixCellGap * gridHeight) / gridHeight);
    matrixCellWidth = float((pictureWidth - matrixCellGap * gridWidth) / gridWidth);
}

void BrumalMatrixEngine::setPictureSize(double width, double height) {
    pictureWidth = width;
    pictureHeight = height;
    if (gridWidth > 0 && gridHeight > 0) applyGridGeometry();
    if (view) view->gridChanged();
}

void BrumalMatrixEngine::clearGrid() {
    const int64_t n = gridWidth > 0 && gridHeight > 0 ? int64_t(gridWidth) * gridHeight : 0;
    cells.assign(size_t(std::min<int64_t>(n, 32767)), -1);
    if (view) view->gridChanged();
}

int32_t BrumalMatrixEngine::cellColour(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= gridWidth || y >= gridHeight) return -1;
    const size_t i = size_t(y) * size_t(gridWidth) + size_t(x);
    return i < cells.size() ? cells[i] : -1;
}

void BrumalMatrixEngine::drawMatrix(int32_t theX, int32_t theY, int32_t theColor, int32_t theStep) {
    if (theStep > 0 && theX >= 0 && theY >= 0 && theX < gridWidth && theY < gridHeight) {
        const size_t i = size_t(theY) * size_t(gridWidth) + size_t(theX);
        if (i < cells.size() && cells[i] != theColor) {
            cells[i] = theColor;
            if (view) view->cellChanged(int32_t(i));
        }
    }
    // The label's number is read again only when its text changed.
    if (lblStep != labelRead) {
        labelRead = lblStep;
        labelValue = value(lblStep);
    }
    if (labelValue != theStep) {
        lblStep = labelRead = QString::number(theStep);
        labelValue = theStep;
        changed();
    }
}

// ---- Frames and the playback ----------------------------------------------------------------------

AnimationRef BrumalMatrixEngine::sourceAnimation() const {
    AnimationRef a = (colourMode == ColourMode::StepColor || effect == Effect::Text) ? workingAnimation
                                                                                     : effectAnimation;
    return a ? a : std::make_shared<ClsMatrix>();
}

void BrumalMatrixEngine::sendFramesToPlayback(bool refreshOnly) {
    Shell& s = shell();
    PlaybackService& playback = s.playback();
    const int32_t cp = current();
    const AnimationRef animation = sourceAnimation();
    const int32_t n = animation->Count();
    const int32_t width = currentAnimation ? currentAnimation->Width() : 0;
    const std::vector<matrixPixels::Pixel> pixels = matrixPixels::pixelsOf(s.state, matrixCaption, true);
    for (int32_t k = 1; k <= n; ++k) {
        const FrameRef frame = animation->GetFrame(k - 1);
        for (const matrixPixels::Pixel& p : pixels) {
            const int32_t index = matrixPixels::pixelIndex(p, width);
            const RGBParts c = modGradient::splitRGB(frame && index >= 0 ? frame->GetColor(index) : 0);
            if (p.red > 0) playback.recieveChaserValueData(p.red, k, c.red, cp);
            if (p.blue > 0) playback.recieveChaserValueData(p.blue, k, c.blue, cp);
            if (p.green > 0) playback.recieveChaserValueData(p.green, k, c.green, cp);
        }
    }
    if (refreshOnly) {
        if (!playback.getChaserFlag(cp)) {
            playback.setCurrentStep(cp, int32_t(nearest(value(lblStep))) - 1);
            playback.StepFoward(cp);
        }
        return;
    }
    HSsldVelocity_Scroll(chaseSpeed);
    playback.SendMefadeTimeFromMain(cp, true);
    playback.setMaxStepsValue(cp, n);
    playback.fadeFromCurrentOverride(cp, 1, 0);
}

void BrumalMatrixEngine::transferFromPlayback() {
    Shell& s = shell();
    PlaybackService& playback = s.playback();
    const int32_t cp = current();
    const int32_t steps = playback.getMaxSteps(cp);
    const int32_t width = currentAnimation ? currentAnimation->Width() : 0;
    const std::vector<matrixPixels::Pixel> pixels = matrixPixels::pixelsOf(s.state, matrixCaption, true);
    auto animation = std::make_shared<ClsMatrix>();
    for (int32_t step = 1; step <= steps; ++step) {
        auto frame = std::make_shared<ClsColours>();
        for (const matrixPixels::Pixel& p : pixels) {
            auto read = [&](int32_t channel) {
                return channel > 0 ? playback.sendChaserValueFromPlayback(channel, step, cp) : 0;
            };
            const int32_t red = read(p.red);
            const int32_t blue = read(p.blue);
            const int32_t green = read(p.green);
            const int32_t index = matrixPixels::pixelIndex(p, width);
            if (index >= 0) frame->SetColor(index, modGradient::joinRGB(red, green, blue));
        }
        animation->SetFrame(step - 1, frame);
    }
    workingAnimation = effectAnimation = animation;
}

void BrumalMatrixEngine::cmdPlay_Click() {
    clearGrid();
    shell().playback().playLoadedSequence(current(), false, false, false);
}

void BrumalMatrixEngine::cmdStop_Click() {
    clearGrid();
    shell().playback().stopLoadedSequence(current());
}

void BrumalMatrixEngine::cmdFwd_Click() {
    clearGrid();
    shell().playback().StepFoward(current());
}

void BrumalMatrixEngine::cmdBack_Click() {
    clearGrid();
    shell().playback().stepBackWards(current());
}

void BrumalMatrixEngine::cmdRecordAndAddScene_Click() {
    if (!effectAnimation) {
        effectAnimation = std::make_shared<ClsMatrix>();
        effectAnimation->setWidth(currentAnimation->Width());
        effectAnimation->setHeight(currentAnimation->Height());
    }
    const double step = nearest(value(lblStep));
    if (step >= 0 && step <= std::numeric_limits<int32_t>::max())
        effectAnimation->SetFrame(int32_t(step), std::make_shared<ClsColours>());
    shell().state.sequenceChanged = true;
    shell().playback().pressRecord(current(), true);
}

void BrumalMatrixEngine::cmdDelete_Click() { shell().playback().deleteScene(current()); }

void BrumalMatrixEngine::cmdCreatePreset_Click() {
    if (effect != Effect::Audio) sendFramesToPlayback(false);
    shell().console().setUseFadetime(false);
    shell().shortcuts().showSequenceProperties(current());
}

void BrumalMatrixEngine::HSsldVelocity_Scroll(int32_t speed) {
    chaseSpeed = speed;
    shell().console().setFadeTimeSlider(speed);
    chaseFadeTimeText = shell().mainWindow().mainFadeTimeText(0);
    changed();
}

void BrumalMatrixEngine::HSsldVelocity_MouseDown() {
    if (shell().playback().getChaserFlag(current())) shell().console().setUseFadetime(true);
}

// ---- Commands ----------------------------------------------------------------------------------

void BrumalMatrixEngine::selectEffect(Effect e) {
    effect = e;
    changed();
    if (e == Effect::Image) loadImageList();
    else if (e == Effect::Gif) loadGifList();
}

void BrumalMatrixEngine::cmdOption_Click() {
    colourMode = ColourMode::Gradient;
    const int32_t w = currentAnimation->Width(), h = currentAnimation->Height();
    PicFrom = QImage(std::max(0, 2 * w), std::max(0, 2 * h), QImage::Format_RGB32);
    const QString failure =
        modGradient::drawGradient(PicFrom, gradientStops, 0, float(value(txtGradAngle)), 0, 0);
    if (!failure.isEmpty()) shell().prompts().messageBox(failure);
    changed();
    cmdPreview_Click();
}

void BrumalMatrixEngine::cmdCircle_Click() {
    colourMode = ColourMode::Circle;
    advanceCircleGradient();
    changed();
    cmdPreview_Click();
}

void BrumalMatrixEngine::cmdStepColor_Click() {
    colourMode = ColourMode::StepColor;
    changed();
    runStepColorEffect();
}

void BrumalMatrixEngine::advanceCircleGradient() {
    const int32_t U = int32_t(gradientStops.size());
    const int32_t n = U - 1;
    if (n < 1) return;
    if (circleOffset == 0) circleOffset = n;
    if (circleOffset > n) circleOffset = n;
    else --circleOffset;
    TxtNroFrames = QString::number(n);
    // The first two stops change places while the ring moves (with two stops at least).
    std::vector<GradientStop> S = gradientStops;
    if (n >= 2) std::swap(S[0], S[1]);
    if (workingStops.size() != gradientStops.size()) workingStops = gradientStops;
    for (int32_t i = 1; i <= n; ++i) {
        workingStops[size_t(i - 1)].color = S[size_t(i - 1)].color;
        int32_t e = std::abs(i + circleOffset);
        if (e > n) e = std::abs(n - e);
        if (e >= 1 && e <= n) workingStops[size_t(e - 1)].position = S[size_t(i - 1)].position;
    }
    workingStops.back() = gradientStops.back();
    if (PicFrom.isNull())
        PicFrom = QImage(std::max(1, 2 * int32_t(currentAnimation->Width())),
                         std::max(1, 2 * int32_t(currentAnimation->Height())), QImage::Format_RGB32);
    const QString failure = modGradient::drawGradient(PicFrom, workingStops, 1, 0, 0, 0);
    if (!failure.isEmpty()) shell().prompts().messageBox(failure);
}

void BrumalMatrixEngine::selectDirection(Direction d) {
    direction = Direction::None;
    orientation = 4;
    TxtNroFrames = QString::number(2 * int32_t(currentAnimation->Width()));
    direction = d;
    switch (d) {
    case Direction::Left:
    case Direction::DownLeft: orientation = 0; break;
    case Direction::Right:
    case Direction::DownRight: orientation = 1; break;
    case Direction::Up:
    case Direction::UpLeft:
    case Direction::UpRight: orientation = 2; break;
    case Direction::Down: orientation = 3; break;
    case Direction::None: orientation = 4; break;
    }
    changed();
    cmdPreview_Click();
}

void BrumalMatrixEngine::cmdEditMatrix_Click() {
    MatrixService& matrix = shell().matrix();
    matrix.setMatrixName(matrixCaption);
    matrix.showMatrixAddressing();
}

void BrumalMatrixEngine::cmdCreateNew_Click() {
    effectAnimation.reset();
    shell().console().cmdCreateNew_Click(2);
}

void BrumalMatrixEngine::pickSoundMode(int32_t position) {
    if (position < 1 || position > soundModeCaptions.size()) return;
    shell().playback().stopAudioMatrix(current());
    soundModeCaption = soundModeCaptions[position - 1];
    changed();
}

QString BrumalMatrixEngine::soundToMatrixCommand() const {
    const qsizetype position = soundModeCaptions.indexOf(soundModeCaption);
    // Before a mode is picked there is nothing to preview.
    if (position < 0) return {};
    return QStringList{QString::number(8 + position + 1), myMatrixName, QString::number(frontColor),
                       QString::number(backColor)}
        .join(QLatin1Char(','));
}

void BrumalMatrixEngine::cmdPreviewSoundToMatrix_Click() {
    const QString command = soundToMatrixCommand();
    if (command.isEmpty()) return;
    PlaybackService& playback = shell().playback();
    const int32_t cp = current();
    if (playback.getMaxSteps(cp) == 0) playback.pressRecord(cp, true);
    const int32_t step = playback.returnCurrentStep(cp);
    playback.setSceneStringLong(cp, command, step);
    playback.updateDisplayData(cp);
    playback.SendMefadeTimeFromMain(cp, false);
    cmdPlay_Click();
}

void BrumalMatrixEngine::cmdPreview_Click() {
    switch (effect) {
    case Effect::Text: buildTextFrames(); break;
    case Effect::Gif: buildGifFrames(); break;
    case Effect::Color:
    case Effect::Image: buildImageFrames(); break;
    case Effect::Audio:
        // The sound-to-matrix step carries no frames: sending them would
        // overwrite the step just written.
        cmdPreviewSoundToMatrix_Click();
        return;
    }
    if (matrixCaption != noMatrix) sendFramesToPlayback(false);
}

// ---- Picture effects ------------------------------------------------------------------------------

void BrumalMatrixEngine::buildImageFrames() {
    const int32_t W = currentAnimation->Width(), H = currentAnimation->Height();
    effectAnimation = std::make_shared<ClsMatrix>();
    effectAnimation->setWidth(int16_t(W));
    effectAnimation->setHeight(int16_t(H));
    if (W <= 0 || H <= 0 || PicFrom.isNull()) return;
    const QRgb background = modGradient::toPixel(backgroundColor);
    const int32_t Zin = zoomIn ? toInt32(value(TxtZoomFrame)) : 0;
    const double T = nearest(nearest(Zin + value(TxtNroFrames)) + (zoomOut ? value(TxtZoomFrame) : 0));
    int32_t k = 0;
    double X = W, Y = H;
    const double Wf = PicFrom.width(), Hf = PicFrom.height();
    QImage canvas(3 * W, 3 * H, QImage::Format_RGB32);

    auto selectedDiagonal = [&](Direction d) { return direction == d; };
    // Answers false when the direction needs a fraction that cannot be computed (0 / 0).
    auto fullRules = [&](double numerator, double denominator) {
        const bool moves = orientation != 4 || selectedDiagonal(Direction::UpRight) ||
                           selectedDiagonal(Direction::UpLeft) || selectedDiagonal(Direction::DownRight) ||
                           selectedDiagonal(Direction::DownLeft);
        if (!moves) return true;
        if (denominator == 0) return false;
        const double f = numerator / denominator;
        if (orientation == 1 || selectedDiagonal(Direction::UpRight)) X = canvas.width() - 2.0 * W * f - W;
        else if (orientation == 0 || selectedDiagonal(Direction::UpLeft)) X = 2.0 * W * f;
        if (orientation == 2) Y = 2.0 * H * f;
        if (orientation == 3 || selectedDiagonal(Direction::DownRight) || selectedDiagonal(Direction::DownLeft))
            Y = canvas.height() - 2.0 * H * f - H;
        return true;
    };
    auto zoomOutRule = [&](double numerator, double denominator) {
        if (orientation > 3) return true;
        if (denominator == 0) return false;
        const double f = numerator / denominator;
        if (orientation == 1) X = canvas.width() - 2.0 * W * f - W;
        else if (orientation == 0) X = 2.0 * W * f;
        else if (orientation == 3) Y = canvas.height() - 2.0 * H * f - H;
        else Y = 2.0 * H * f;
        return true;
    };
    auto cut = [&]() {
        auto frame = std::make_shared<ClsColours>();
        const int32_t x0 = int32_t(nearest(X)), y0 = int32_t(nearest(Y));
        for (int32_t x = 0; x < W; ++x)
            for (int32_t y = 0; y < H; ++y) {
                const int32_t cx = x0 + x, cy = y0 + y;
                const QRgb p = cx >= 0 && cy >= 0 && cx < canvas.width() && cy < canvas.height()
                                   ? canvas.pixel(cx, cy)
                                   : background;
                frame->SetColor(y * W + x, pixelColour(p));
            }
        return frame;
    };
    auto append = [&](FrameRef frame) { effectAnimation->SetFrame(effectAnimation->Count(), std::move(frame)); };
    auto zoomFrame = [&](int32_t i, bool zoomingOut) {
        ++k;
        QImage dst(int(Wf), int(Hf), QImage::Format_RGB32);
        dst.fill(background);
        const int32_t cx = int32_t(nearest(Wf)) / 2, cy = int32_t(nearest(Hf)) / 2;
        const int32_t w2 = (int32_t(nearest(dst.width())) / i) / 2, h2 = (int32_t(nearest(dst.height())) / i) / 2;
        {
            QPainter p(&dst);
            p.drawImage(QRect(0, 0, dst.width(), dst.height()), PicFrom,
                        QRect(cx - w2, cy - h2, w2 == 0 ? 1 : 2 * w2, h2 == 0 ? 1 : 2 * h2));
        }
        canvas.fill(background);
        {
            QPainter p(&canvas);
            p.drawImage(QRect(W, H, W, H), dst);
        }
        const bool ok = zoomingOut ? zoomOutRule(k - 1, T - 1) : fullRules(k - 1, T - 1);
        if (!ok) return false;
        append(cut());
        return true;
    };
    auto mainFrame = [&](int32_t j, int32_t N) {
        ++k;
        const float a = float(rotationStart + double(int64_t(rotationEnd - rotationStart) * j) / N);
        const float o = float(opacityStart + double(int64_t(opacityEnd - opacityStart) * j) / N);
        const float z = float(zoomStart + double(int64_t(zoomEnd - zoomStart) * j) / N);
        QImage dst(std::max(1, int(Wf * z / 100)), std::max(1, int(Hf * z / 100)), QImage::Format_RGB32);
        dst.fill(background);
        if (a != 0 || z != 100 || o != 100) {
            using namespace ModRotateImage;
            if (!rotateImage(dst, toFixed(0.0175 * a), int32_t(nearest(Wf * z / 100 / 2)),
                             int32_t(nearest(Hf * z / 100 / 2)), PicFrom, 16711935, toFixed(o / 100.0),
                             toFixed(z / 100.0), absentPivot, absentPivot))
                return false;
        } else {
            QPainter p(&dst);
            p.drawImage(QRect(0, 0, dst.width(), dst.height()), PicFrom);
        }
        canvas.fill(background);
        {
            QPainter p(&canvas);
            for (int32_t ty = 0; ty < 3; ++ty)
                for (int32_t tx = 0; tx < 3; ++tx) p.drawImage(QRect(tx * W, ty * H, W, H), dst);
        }
        if (!fullRules(k - 1, T)) return false;
        FrameRef frame = cut();
        if (colourMode == ColourMode::Circle && effect == Effect::Color) advanceCircleGradient();
        append(std::move(frame));
        return true;
    };

    try {
        if (zoomIn) {
            const int32_t Z = toInt32(value(TxtZoomFrame));
            for (int32_t i = Z; i >= 1; --i)
                if (!zoomFrame(i, false)) return;
        }
        const int32_t N = toInt32(value(TxtNroFrames));
        for (int32_t j = 0; j <= N - 1; ++j)
            if (!mainFrame(j, N)) return;
        if (zoomOut) {
            const int32_t Z = toInt32(value(TxtZoomFrame));
            for (int32_t i = 1; i <= Z; ++i)
                if (!zoomFrame(i, true)) return;
        }
    } catch (const std::exception&) {
        // A failing build ends silently with the frames made so far.
    }
}

// ---- Helpers ---------------------------------------------------------------------------------------

double BrumalMatrixEngine::value(const QString& Valor) {
    QString text = Valor;
    const QString separator = QLocale().groupSeparator();
    if (!separator.isEmpty()) text.remove(separator);
    if (!numberText::isNumber(text)) return 0;
    return numberText::leadingValue(text);
}

bool BrumalMatrixEngine::IsRomanic(const QString& Expresion) {
    if (Expresion.trimmed().isEmpty()) return false;
    return QStringLiteral("II|III|IV|VI|VII|VIII|IX|XI|XII|").contains(Expresion.trimmed().toUpper() + QLatin1Char('|'));
}

bool BrumalMatrixEngine::IsPreposition(const QString& Expresion, bool) {
    if (Expresion.trimmed().isEmpty()) return false;
    return QStringLiteral("a|ante|bajo|con|contra|de|desde|hasta|para|por|segun|sin|sobre|tras|y|al|la|el|en|del|los|"
                          "las|que|es|")
        .contains(Expresion.trimmed().toLower() + QLatin1Char('|'));
}

QString BrumalMatrixEngine::Titulo(const QString& Expresion) {
    const QString text = Expresion.trimmed().toLower();
    if (text.isEmpty()) return {};
    QStringList words;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (IsRomanic(word)) words << word.toUpper();
        else if (IsPreposition(word, false)) words << word;
        else words << word.left(1).toUpper() + word.mid(1);
    }
    return words.join(QLatin1Char(' '));
}
