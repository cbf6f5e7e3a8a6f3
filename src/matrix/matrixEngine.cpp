#include "matrix/matrixEngine.h"

#include "matrix/brumalMatrixEngine.h"
#include "matrix/clsSoundToMatrix.h"
#include "matrix/matrixAddressing.h"
#include "shell/services/audioService.h"
#include "shell/shell.h"

MatrixEngine::MatrixEngine() {
    if (hasShell()) shell().lend<MatrixService>(*this);
}

MatrixEngine::~MatrixEngine() {
    if (hasShell()) shell().withdraw<MatrixService>(*this);
}

BrumalMatrixEngine& MatrixEngine::brumal() {
    if (!window) {
        window = std::make_unique<BrumalMatrixEngine>();
        window->load();
    }
    return *window;
}

MatrixAddressing& MatrixEngine::addressing() {
    if (!addressingEngine) addressingEngine = std::make_unique<MatrixAddressing>(shell().state);
    return *addressingEngine;
}

clsSoundToMatrix* MatrixEngine::renderer(int32_t playbackNumber) {
    const auto it = renderers.find(playbackNumber);
    return it == renderers.end() ? nullptr : it->second.get();
}

bool MatrixEngine::matrixVisible() { return windows && windows->brumalVisible(); }

QString MatrixEngine::myMatrixName() { return window ? window->myMatrixName : QString(); }

void MatrixEngine::drawMatrix(int32_t column, int32_t row, int32_t colour, int32_t step) {
    if (window) window->drawMatrix(column, row, colour, step);
}

void MatrixEngine::startAudioMatrix(int32_t playbackNumber, const QString& matrixName, int32_t frontColor,
                                    int32_t backColor, int32_t eqType) {
    std::unique_ptr<clsSoundToMatrix>& r = renderers[playbackNumber];
    if (!r) r = std::make_unique<clsSoundToMatrix>();
    ChannelModel& m = shell().state;
    r->setMyMatixName(m, matrixName);
    r->setMode(eqType);
    r->setFrontColor(frontColor);
    r->setBackColor(backColor);
    r->setMyPlayback(playbackNumber);
    r->setIsActive(m, true);
    shell().audio().startForMatrix();
}

void MatrixEngine::audioData(int32_t playbackNumber, const std::vector<int32_t>& theData) {
    if (clsSoundToMatrix* r = renderer(playbackNumber); r && r->isActive()) pendingSpectra[playbackNumber] = theData;
}

void MatrixEngine::stopAudioMatrix(int32_t playbackNumber) {
    pendingSpectra.erase(playbackNumber);
    if (clsSoundToMatrix* r = renderer(playbackNumber)) r->setIsActive(shell().state, false);
}

void MatrixEngine::drawSoundToMatrix() {
    if (pendingSpectra.empty()) return;
    AudioService& audio = shell().audio();
    const clsSoundToMatrix::Sensitivity sensitivity{audio.sensitivityMaximum(), audio.sensitivity()};
    for (const auto& [playback, spectrum] : pendingSpectra)
        if (clsSoundToMatrix* r = renderer(playback)) r->recieveAudioData(shell().state, spectrum, sensitivity);
    pendingSpectra.clear();
}

void MatrixEngine::setMatrixName(const QString& name) { addressing().setMatrixName(name); }

void MatrixEngine::showMatrixAddressing() {
    if (windows) windows->showMatrixAddressing();
}

void MatrixEngine::showBrumalMatrix() {
    if (windows) windows->showBrumalMatrix();
}
