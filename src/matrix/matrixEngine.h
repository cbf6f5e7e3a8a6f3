#pragma once
// The pixel matrix subsystem as the others reach it (the matrix service):
// the matrix window's engine, matrix addressing and one sound-to-matrix
// renderer per playback. The windows attach through MatrixWindows.

#include "shell/services/matrixService.h"

#include <map>
#include <memory>

class BrumalMatrixEngine;
class MatrixAddressing;
class clsSoundToMatrix;

// The window side of the subsystem.
class MatrixWindows {
public:
    virtual ~MatrixWindows() = default;
    virtual void showBrumalMatrix() = 0;
    virtual bool brumalVisible() const = 0;
    virtual void showMatrixAddressing() = 0;
};

class MatrixEngine : public MatrixService {
public:
    MatrixEngine();
    ~MatrixEngine() override;

    void attachWindows(std::unique_ptr<MatrixWindows> w) { windows = std::move(w); }
    // The matrix window's engine, loaded on first use.
    BrumalMatrixEngine& brumal();
    MatrixAddressing& addressing();
    // Playback n's renderer; none before its first start.
    clsSoundToMatrix* renderer(int32_t playbackNumber);

    bool matrixVisible() override;
    QString myMatrixName() override;
    void drawMatrix(int32_t column, int32_t row, int32_t colour, int32_t step) override;
    void startAudioMatrix(int32_t playbackNumber, const QString& matrixName, int32_t frontColor, int32_t backColor,
                          int32_t eqType) override;
    void audioData(int32_t playbackNumber, const std::vector<int32_t>& theData) override;
    void stopAudioMatrix(int32_t playbackNumber) override;
    void drawSoundToMatrix() override;
    void setMatrixName(const QString& name) override;
    void showMatrixAddressing() override;
    void showBrumalMatrix() override;

private:
    std::unique_ptr<MatrixWindows> windows;
    std::unique_ptr<BrumalMatrixEngine> window;
    std::unique_ptr<MatrixAddressing> addressingEngine;
    std::map<int32_t, std::unique_ptr<clsSoundToMatrix>> renderers;
    // The newest spectrum of each playback, drawn at the next tick.
    std::map<int32_t, std::vector<int32_t>> pendingSpectra;
};
