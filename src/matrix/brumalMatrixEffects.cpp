// The matrix window engine's text, step colour and GIF effects, the picture
// lists, the colour pickers, the gradient editor's commands and pixel painting.

#include "matrix/animatedGif.h"
#include "matrix/brumalMatrixEngine.h"
#include "matrix/stepColour.h"
#include "platform/prompts.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

int32_t current() { return shell().state.currentPlayback; }
Prompts& prompts() { return shell().prompts(); }

} // namespace

// ---- Text effect -------------------------------------------------------------------------------------

void BrumalMatrixEngine::buildTextFrames() {
    try {
        workingAnimation = textEffect::buildFrames(text, currentAnimation->Width(), currentAnimation->Height());
    } catch (const std::exception&) {
        prompts().messageBox(QStringLiteral("The text is too long or the matrix too large for the scrolling text."));
    }
}

void BrumalMatrixEngine::selectTextDirection(TextDirection d) {
    text.cLeft = d == TextDirection::Left;
    text.cUp = d == TextDirection::Up;
    text.cRight = d == TextDirection::Right;
    text.cDown = d == TextDirection::Down;
    changed();
}

void BrumalMatrixEngine::ChkNegrita_Click(bool ticked) {
    text.font.setBold(ticked);
    changed();
}

void BrumalMatrixEngine::ChkItalic_Click(bool ticked) {
    text.font.setItalic(ticked);
    changed();
}

void BrumalMatrixEngine::CmdLblFont_Click() {
    FontChoice choice{TxtFont, value(TxtSize), text.font.bold(), text.font.italic()};
    // Confirmed or cancelled, the dialog's font is taken.
    prompts().chooseFont(choice);
    TxtFont = choice.name;
    TxtSize = QString::number(choice.size);
    text.font.setFamily(choice.name);
    if (choice.size > 0) text.font.setPointSizeF(choice.size);
    text.font.setBold(choice.bold);
    text.font.setItalic(choice.italic);
    changed();
}

void BrumalMatrixEngine::HSOffset_Scroll(int32_t offset) {
    text.HSOffset = std::clamp(offset, HSOffsetMin, HSOffsetMax);
    changed();
    cmdPreview_Click();
}

// ---- Step colour effect ----------------------------------------------------------------------------

void BrumalMatrixEngine::runStepColorEffect() {
    buildStepColorFrames();
    cmdPreview_Click();
}

void BrumalMatrixEngine::buildStepColorFrames() {
    std::vector<int32_t> palette;
    for (const GradientStop& s : gradientStops) palette.push_back(s.color);
    if (auto built = stepColour::buildFrames(palette, currentAnimation->Width(), currentAnimation->Height(),
                                             upDownOffset, value(txtOffset2)))
        workingAnimation = *built;
}

void BrumalMatrixEngine::setOffset(int32_t a) {
    upDownOffset = std::clamp(a, 0, std::max(0, offsetMaximum));
    changed();
    runStepColorEffect();
}

void BrumalMatrixEngine::setOffset2(const QString& b) {
    txtOffset2 = b;
    changed();
    runStepColorEffect();
}

// ---- Picture and GIF lists ---------------------------------------------------------------------------

void BrumalMatrixEngine::showLists(const pictureLists::Loaded& loaded, QStringList& list) {
    ListView1.clear();
    gifListView.clear();
    images = loaded.items;
    for (const pictureLists::Item& item : images) list << item.key;
    if (view) view->listsChanged();
    for (const QString& message : loaded.messages) prompts().messageBox(message);
}

void BrumalMatrixEngine::loadImageList() {
    showLists(pictureLists::load(pictureLists::imageFolder(shell().programFolder()), pictureLists::maxImageBytes),
              ListView1);
}

void BrumalMatrixEngine::loadGifList() {
    showLists(pictureLists::load(pictureLists::gifFolder(shell().programFolder()), -1), gifListView);
}

void BrumalMatrixEngine::imageItemClicked(int32_t index) {
    if (index < 0 || index >= ListView1.size() || size_t(index) >= images.size()) return;
    PicFrom = images[size_t(index)].picture;
    cmdPreview_Click();
}

void BrumalMatrixEngine::gifItemClicked(int32_t index) {
    if (index < 0 || index >= gifListView.size()) return;
    splitAnimatedGif(pictureLists::gifFolder(shell().programFolder()) + gifListView[index]);
    buildGifFrames();
    cmdPreview_Click();
}

void BrumalMatrixEngine::dropOnImageList(const QStringList& files) {
    const QString failure = pictureLists::copyInto(files, pictureLists::imageFolder(shell().programFolder()));
    if (!failure.isEmpty()) prompts().messageBox(QStringLiteral("Error in file drop: ") + failure);
    else loadImageList();
}

void BrumalMatrixEngine::dropOnGifList(const QStringList& files) {
    const QString failure = pictureLists::copyInto(files, pictureLists::gifFolder(shell().programFolder()));
    if (!failure.isEmpty()) prompts().messageBox(QStringLiteral("Error in file drop: ") + failure);
    else loadGifList();
}

void BrumalMatrixEngine::clkDeleteFile(int32_t selected) {
    const QString name = selected >= 0 && selected < ListView1.size() ? ListView1[selected] : QString();
    const QString failure = pictureLists::deleteFrom(pictureLists::imageFolder(shell().programFolder()), name);
    if (!failure.isEmpty()) prompts().messageBox(QStringLiteral("error deleting file") + failure);
    else loadImageList();
}

void BrumalMatrixEngine::clkDeleteGif(int32_t selected) {
    const QString name = selected >= 0 && selected < gifListView.size() ? gifListView[selected] : QString();
    const QString failure = pictureLists::deleteFrom(pictureLists::gifFolder(shell().programFolder()), name);
    if (!failure.isEmpty()) prompts().messageBox(QStringLiteral("error deleting file") + failure);
    else loadGifList();
}

void BrumalMatrixEngine::splitAnimatedGif(const QString& fileName) {
    const QString title = QStringLiteral("File Error");
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) {
        prompts().messageBox(QStringLiteral("File not found."), msgBox::Exclamation, title);
        return;
    }
    AnimatedGIF.resize(1);
    animatedGif::Split split = animatedGif::splitFile(fileName);
    if (!split.frames.empty()) AnimatedGIF = std::move(split.frames);
    if (!split.error.isEmpty()) {
        prompts().messageBox(QStringLiteral("The GIF %1 could not be read: %2").arg(fileName, split.error),
                             msgBox::Exclamation, title);
        return;
    }
    TxtNroFrames = QString::number(AnimatedGIF.size() - 1);
    changed();
}

void BrumalMatrixEngine::buildGifFrames() {
    const int32_t W = currentAnimation->Width(), H = currentAnimation->Height();
    workingAnimation = std::make_shared<ClsMatrix>();
    workingAnimation->setWidth(int16_t(W));
    workingAnimation->setHeight(int16_t(H));
    effectAnimation = std::make_shared<ClsMatrix>();
    const QString name = QStringLiteral("GIF %1 Frame ").arg(frameNameCounter + 1);
    // The count box may name more frames than the store holds (typed, or the
    // default before any GIF was chosen): only stored frames are sampled.
    const double N = std::nearbyint(value(TxtNroFrames));
    const size_t count = N < 0 ? 0 : std::min(AnimatedGIF.size(), size_t(std::min(N + 1, double(AnimatedGIF.size()))));
    std::vector<QImage> pictures;
    for (size_t e = 0; e < count; ++e)
        if (!AnimatedGIF[e].isNull()) pictures.push_back(AnimatedGIF[e]);
    for (const FrameRef& frame : animatedGif::sample(pictures, W, H, text.backgroundColour, name)) {
        workingAnimation->SetFrame(workingAnimation->Count(), frame);
        effectAnimation->SetFrame(effectAnimation->Count(), frame);
    }
}

// ---- Colour pickers -------------------------------------------------------------------------------------

void BrumalMatrixEngine::setSlider(int32_t i, int32_t v) {
    if (i < 0 || i > 2) return;
    hscrColor[i] = std::clamp(v, 0, 255);
    pickerColour = modGradient::joinRGB(hscrColor[0], hscrColor[1], hscrColor[2]);
    txtColorDec[i] = QString::number(hscrColor[i]);
    matrixPaintColor = pickerColour;
    if (!editor.bolSkipExample) {
        editor.drawPointer(pickerColour, editor.intSelPointer, true, false);
        editor.PaintExamples();
        gradientChanged();
    }
    changed();
}

void BrumalMatrixEngine::setSliders(int32_t colour) {
    const RGBParts c = modGradient::splitRGB(colour);
    setSlider(0, c.red);
    setSlider(1, c.green);
    setSlider(2, c.blue);
}

void BrumalMatrixEngine::colourBoxTyped(int32_t i, const QString& typed) {
    if (i < 0 || i > 2) return;
    QString digits;
    for (const QChar c : typed)
        if (c.isDigit() && c.unicode() < 128) digits += c;
    const double v = value(digits);
    if (digits.isEmpty() || v < 0) digits = QStringLiteral("0");
    else if (v > 255) digits = QStringLiteral("255");
    txtColorDec[i] = digits;
    setSlider(i, int32_t(value(digits)));
}

void BrumalMatrixEngine::PicColorPicker_Click() {
    const int32_t chosen = prompts().chooseColour(pickerColour);
    if (chosen >= 0) setSliders(chosen);
}

void BrumalMatrixEngine::pickedColour(int32_t colour) {
    editor.bolSkipExample = true;
    if (colour != -1) setSliders(colour);
}

void BrumalMatrixEngine::pickReleased(Button b) {
    editor.bolSkipExample = false;
    if (b != Button::Left) return;
    editor.drawPointer(pickerColour, editor.intSelPointer, true, false);
    editor.PaintExamples();
    gradientChanged();
}

int32_t BrumalMatrixEngine::boxColour(ColourBox box) const {
    switch (box) {
    case ColourBox::FontColour: return text.textColour;
    case ColourBox::TextBackground: return text.backgroundColour;
    case ColourBox::EffectBackground: return backgroundColor;
    case ColourBox::FrontColour: return frontColor;
    case ColourBox::BackColour: return backColor;
    }
    return 0;
}

void BrumalMatrixEngine::chooseBoxColour(ColourBox box) {
    const bool sound = box == ColourBox::FrontColour || box == ColourBox::BackColour;
    if (sound) shell().playback().stopAudioMatrix(current());
    // One dialog serves every box: after Cancel it still holds the colour last chosen.
    const int32_t chosen = prompts().chooseColour(sharedDialogColour);
    if (chosen >= 0) sharedDialogColour = chosen;
    switch (box) {
    case ColourBox::FontColour: text.textColour = sharedDialogColour; break;
    case ColourBox::TextBackground: text.backgroundColour = sharedDialogColour; break;
    case ColourBox::EffectBackground: backgroundColor = sharedDialogColour; break;
    case ColourBox::FrontColour: frontColor = sharedDialogColour; break;
    case ColourBox::BackColour: backColor = sharedDialogColour; break;
    }
    changed();
    if (sound) cmdPreviewSoundToMatrix_Click();
}

void BrumalMatrixEngine::optRotate_Click(int32_t index) {
    optRotate = index;
    if (index == 0) {
        rotationStart = 0;
        rotationEnd = 360;
        TxtNroFrames = QStringLiteral("20");
    } else if (index == 1) {
        rotationStart = 360;
        rotationEnd = 0;
        TxtNroFrames = QStringLiteral("20");
    } else {
        rotationStart = rotationEnd = 0;
        TxtNroFrames = QStringLiteral("2");
    }
    changed();
    cmdPreview_Click();
}

// ---- Gradient editor ------------------------------------------------------------------------------

bool BrumalMatrixEngine::pointerPressed(int32_t index, Button b) {
    if (b == Button::Right) return editor.pressRight(index);
    if (b != Button::Left) return false;
    const int32_t colour = editor.pressLeft(index);
    // The sliders follow the stop's colour; the stop keeps it.
    setSliders(colour);
    gradientChanged();
    return false;
}

void BrumalMatrixEngine::pointerDragged(int32_t index, double x, bool leftDown) {
    editor.drag(index, x, leftDown);
    gradientChanged();
}

void BrumalMatrixEngine::pointerReleased() {
    editor.release();
    gradientChanged();
}

void BrumalMatrixEngine::deletePointer() {
    editor.deleteSelected();
    gradientChanged();
}

// ---- Pixel painting -------------------------------------------------------------------------------

int32_t BrumalMatrixEngine::cellIndexAt(double X, double Y) const {
    const double pitchX = double(matrixCellWidth) + matrixCellGap;
    const double pitchY = double(matrixCellHeight) + matrixCellGap;
    if (pitchX <= 0 || pitchY <= 0) return -1;
    // The cell drawn under the point; points beside the grid hit nothing.
    const double column = std::floor(X / pitchX), row = std::floor(Y / pitchY);
    if (column < 0 || row < 0 || column >= gridWidth || row >= gridHeight) return -1;
    return int32_t(row) * gridWidth + int32_t(column);
}

bool BrumalMatrixEngine::paint(double X, double Y, Button b) {
    if (!effectAnimation) return false;
    const FrameRef frame = effectAnimation->GetFrame(int32_t(std::nearbyint(value(lblStep))) - 1);
    if (!frame) return false;
    paintFrame = frame;
    const int32_t index = cellIndexAt(X, Y);
    if (index >= 0) {
        if (b == Button::Left) frame->SetColor(index, matrixPaintColor);
        else if (b == Button::Right) frame->SetColor(index, 0);
    }
    return true;
}

void BrumalMatrixEngine::paintMoved(double X, double Y, Button b) { paint(X, Y, b); }

void BrumalMatrixEngine::paintReleased(double X, double Y, Button b) {
    if (paint(X, Y, b)) sendFramesToPlayback(true);
}
