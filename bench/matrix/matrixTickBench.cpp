// The matrix work of one refresh tick at 64 x 64 pixels: the sound-to-matrix
// renderer drawing one spectrum block into the channel levels, and the grid
// taking every pixel's colour. Reported as the share of a 25 ms refresh
// period; the goal is under 1 % for both together. The window's repaint of
// the changed cells runs after the tick and is measured beside them.

#include "matrix/brumalMatrixEngine.h"
#include "matrix/clsSoundToMatrix.h"
#include "matrix/matrixEngine.h"
#include "matrix/matrixPixels.h"
#include "matrix/ui/frmBrumalMatrix.h"
#include "matrix/ui/matrixGrid.h"
#include "profiles/ClsFixture.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int side = 64;
constexpr double periodMs = 25.0;

void patchMatrix(ChannelModel& m) {
    m.resize(side * side * 3);
    m.totalChannels = side * side * 3;
    ClsFixture& p = m.lightClass(1);
    p.taken = true;
    p.setRedChannel(1);
    p.setGreenChannel(2);
    p.setBlueChannel(3);
    for (int n = 0; n < side * side; ++n) {
        const int32_t f = ++m.fixtureCount;
        m.fixtureStartChannel[size_t(f)] = int16_t(1 + 3 * n);
        m.fixtureLightClass[size_t(f)] = 1;
        m.fixtureMatrixMarker[f] = matrixPixels::marker;
        m.fixtureMatrixName[f] = QStringLiteral("Wall");
        m.fixtureMatrixColumn[size_t(f)] = n % side + 1;
        m.fixtureMatrixRow[size_t(f)] = n / side + 1;
    }
}

template <typename Work> void reportShare(benchmark::State& state, Work&& work) {
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        work();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
    state.counters["periodPercent"] = 100.0 * total / double(state.iterations()) / periodMs;
}

void soundToMatrixBlock(benchmark::State& state) {
    TestShell t;
    ChannelModel& m = shell().state;
    patchMatrix(m);
    clsSoundToMatrix r;
    r.setMyMatixName(m, QStringLiteral("Wall"));
    r.setMode(int32_t(state.range(0)));
    r.setFrontColor(255);
    r.setIsActive(m, true);
    std::vector<int32_t> spectrum(1024);
    int block = 0;
    reportShare(state, [&] {
        for (size_t i = 0; i < spectrum.size(); ++i) spectrum[i] = int32_t((i * 37 + size_t(block) * 101) % 20000);
        ++block;
        r.recieveAudioData(m, spectrum, {1000, 895});
    });
}

// The tick's part: every pixel's colour handed to the grid, which marks the
// cells that changed (here all of them, every tick).
void gridTick(benchmark::State& state) {
    TestShell t;
    ChannelModel& m = shell().state;
    patchMatrix(m);
    frmBrumalMatrix window;
    window.resize(900, 700);
    MatrixService& matrix = shell().engine<MatrixEngine>();
    window.engine().pickFirstMatrix(QStringLiteral("Wall"));
    int tick = 0;
    reportShare(state, [&] {
        ++tick;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) matrix.drawMatrix(x, y, (x * 4 + y + tick) % 256, 1);
    });
    QApplication::processEvents();
}

// The window's repaint after the tick (outside the tick's timing), every cell changed.
void gridRepaint(benchmark::State& state) {
    TestShell t;
    ChannelModel& m = shell().state;
    patchMatrix(m);
    frmBrumalMatrix window;
    window.resize(900, 700);
    window.engine().pickFirstMatrix(QStringLiteral("Wall"));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) window.engine().drawMatrix(x, y, x * 4 + y, 1);
    QImage target(window.PicMatrix->size(), QImage::Format_RGB32);
    reportShare(state, [&] { window.PicMatrix->render(&target); });
}

} // namespace

BENCHMARK(soundToMatrixBlock)->Arg(10)->Arg(12)->Arg(16);
BENCHMARK(gridTick);
BENCHMARK(gridRepaint);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
