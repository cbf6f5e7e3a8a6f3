#pragma once
// Sound input. The format is always the same: mono, 11,025 samples a second,
// signed 16-bit. Capture fills one block of 512 samples (about 46 ms) at a
// time: the caller queues a block, the device records into it and marks it
// complete, and the caller takes a copy of it whenever it likes and queues
// the next one; sound arriving while no block is queued is kept up to one
// block (the newest samples) and starts the next block. The
// Linux implementation is Qt Multimedia's QAudioSource on a capture thread of
// its own; tests use a fake.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

class WaveInput {
public:
    static constexpr int sampleRate = 11025;
    static constexpr int blockSamples = 512;
    using Block = std::array<int16_t, blockSamples>;

    virtual ~WaveInput() = default;
    // Names of the sound inputs, by device number from 0. Empty when there
    // are none; on failure also empty, with the reason in lastError().
    virtual QStringList deviceNames() = 0;
    // Opens device number `device` (-1: the system's default input) and
    // starts recording (nothing queued yet); false, with the reason in
    // lastError(), when it cannot.
    virtual bool open(int device) = 0;
    // Stops recording and closes the device; nothing when none is open.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues an empty block to record into (a queued or complete block is dropped).
    virtual void queueBlock() = 0;
    // True while a queued block is still being recorded.
    virtual bool blockQueued() const = 0;
    // Copies the complete block into `out` and leaves nothing queued; false
    // (out untouched) when no complete block is waiting.
    virtual bool takeBlock(Block& out) = 0;
    virtual QString lastError() const = 0;
};

class QThread;
class WaveCapture;

class QtWaveInput final : public WaveInput {
public:
    QtWaveInput();
    ~QtWaveInput() override;
    QStringList deviceNames() override;
    bool open(int device) override;
    void close() override;
    bool isOpen() const override;
    void queueBlock() override;
    bool blockQueued() const override;
    bool takeBlock(Block& out) override;
    QString lastError() const override { return error; }

private:
    std::unique_ptr<QThread> thread;
    WaveCapture* capture = nullptr; // lives on the capture thread
    QString error;
};
