#include "platform/waveInput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <algorithm>
#include <cstring>

// The capture side, on its own thread: QAudioSource pushes what it records
// into this device, which fills the queued block. Sound recorded while no
// block is queued is kept, up to one block of the newest samples, and starts
// the next block: the source delivers in periods of about 50 ms, so without
// it most of every period would be lost. The block and its state are shared
// with the user-interface thread under the mutex; that thread only ever
// copies a complete block out.
class WaveCapture final : public QIODevice {
public:
    bool start(const QAudioDevice& device, QString* why) {
        QAudioFormat format;
        format.setSampleRate(WaveInput::sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            *why = QStringLiteral("the device cannot record mono 16-bit sound at 11025 samples a second");
            return false;
        }
        open(QIODevice::WriteOnly);
        source = new QAudioSource(device, format, this);
        // About two blocks of room, so a slow consumer drops sound rather than delaying it.
        source->setBufferSize(WaveInput::blockSamples * 4);
        source->start(this);
        if (source->error() != QAudio::NoError || source->state() == QAudio::StoppedState) {
            *why = QStringLiteral("the device did not start recording (error %1)").arg(int(source->error()));
            stop();
            return false;
        }
        return true;
    }
    void stop() {
        if (source) source->stop();
        delete source;
        source = nullptr;
        close();
    }

    void queueBlock() {
        QMutexLocker lock(&mutex);
        filled = 0;
        state = Queued;
        const int first = (spareAt - spareCount + WaveInput::blockSamples) % WaveInput::blockSamples;
        for (int i = 0; i < spareCount; ++i) put(spare[size_t((first + i) % WaveInput::blockSamples)]);
        spareCount = 0;
    }
    bool queued() const {
        QMutexLocker lock(&mutex);
        return state == Queued;
    }
    bool take(WaveInput::Block& out) {
        QMutexLocker lock(&mutex);
        if (state != Complete) return false;
        out = block;
        state = None;
        return true;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        QMutexLocker lock(&mutex);
        qint64 at = 0;
        // A sample may arrive split over two writes.
        if (halfSample && len > 0) {
            const char bytes[2] = {*pendingByte, data[0]};
            store(bytes, 1);
            halfSample = false;
            at = 1;
        }
        const qint64 whole = (len - at) / 2;
        store(data + at, whole);
        at += whole * 2;
        if (at < len) {
            pendingByte[0] = data[at];
            halfSample = true;
        }
        return len;
    }

private:
    // Stores samples into the queued block, or while none is queued into the spare ring.
    void store(const char* bytes, qint64 samples) {
        for (qint64 i = 0; i < samples; ++i) {
            int16_t v;
            std::memcpy(&v, bytes + 2 * i, 2);
            put(v);
        }
    }
    void put(int16_t v) {
        if (state == Queued) {
            block[size_t(filled++)] = v;
            if (filled == WaveInput::blockSamples) state = Complete;
            return;
        }
        spare[size_t(spareAt)] = v;
        spareAt = (spareAt + 1) % WaveInput::blockSamples;
        spareCount = std::min(spareCount + 1, WaveInput::blockSamples);
    }

    enum State { None, Queued, Complete };
    mutable QMutex mutex;
    WaveInput::Block block{};
    int filled = 0;
    State state = None;
    WaveInput::Block spare{}; // ring of the newest samples recorded while no block was queued
    int spareAt = 0, spareCount = 0;
    char pendingByte[1] = {0};
    bool halfSample = false;
    QAudioSource* source = nullptr;
};

QtWaveInput::QtWaveInput() = default;

QtWaveInput::~QtWaveInput() { close(); }

QStringList QtWaveInput::deviceNames() {
    QStringList names;
    for (const QAudioDevice& d : QMediaDevices::audioInputs()) names.append(d.description());
    return names;
}

bool QtWaveInput::open(int device) {
    close();
    const QList<QAudioDevice> inputs = QMediaDevices::audioInputs();
    const QAudioDevice chosen = device == -1 ? QMediaDevices::defaultAudioInput()
                                : device >= 0 && device < inputs.size() ? inputs[device]
                                                                        : QAudioDevice();
    if (chosen.isNull()) {
        error = device == -1 ? QStringLiteral("there is no sound input")
                             : QStringLiteral("there is no sound input number %1").arg(device);
        return false;
    }
    thread = std::make_unique<QThread>();
    thread->setObjectName(QStringLiteral("waveInput"));
    thread->start();
    capture = new WaveCapture();
    capture->moveToThread(thread.get());
    bool started = false;
    QString why;
    QMetaObject::invokeMethod(
        capture, [&] { started = capture->start(chosen, &why); }, Qt::BlockingQueuedConnection);
    if (!started) {
        close();
        error = why;
        return false;
    }
    error.clear();
    return true;
}

void QtWaveInput::close() {
    if (!thread) return;
    WaveCapture* c = capture;
    QMetaObject::invokeMethod(
        c, [c] {
            c->stop();
            delete c;
        },
        Qt::BlockingQueuedConnection);
    capture = nullptr;
    thread->quit();
    thread->wait();
    thread.reset();
}

bool QtWaveInput::isOpen() const { return capture != nullptr; }

void QtWaveInput::queueBlock() {
    if (capture) capture->queueBlock();
}

bool QtWaveInput::blockQueued() const { return capture && capture->queued(); }

bool QtWaveInput::takeBlock(Block& out) { return capture && capture->take(out); }
