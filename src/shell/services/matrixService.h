#pragma once
// What the pixel matrix effects offer the others. The base is "no matrix
// window".

#include <QString>
#include <cstdint>
#include <vector>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class MatrixService {
public:
    virtual ~MatrixService() = default;

    // Whether the matrix window is shown, and the name of its matrix.
    virtual bool matrixVisible() { return false; }
    virtual QString myMatrixName() { return {}; }
    // Draws one matrix cell (0-based column and row) in a colour for a step.
    virtual void drawMatrix(int32_t column, int32_t row, int32_t colour, int32_t step) {}
    // Sound to matrix on playback n: starts the pattern, and the band levels while it runs.
    virtual void startAudioMatrix(int32_t playbackNumber, const QString& matrixName, int32_t frontColor, int32_t backColor, int32_t eqType) {}
    virtual void audioData(int32_t playbackNumber, const std::vector<int32_t>& theData) {}
    // Switches playback n's sound to matrix off (its matrix's free colour channels go dark).
    virtual void stopAudioMatrix(int32_t playbackNumber) {}
    // The refresh tick's turn: the spectra that arrived are drawn into the channel levels.
    virtual void drawSoundToMatrix() {}

    virtual void setMatrixName(const QString& /*name*/) {} // choose the matrix the addressing window works on
    virtual void showMatrixAddressing() {}                 // show that window modeless and on top

    // ---- Windows opened from the main window ----
    // Shows the pixel matrix window above the others.
    virtual void showBrumalMatrix() {}
};

#pragma GCC diagnostic pop
