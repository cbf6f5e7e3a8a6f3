// Removing a key or a section that a damaged or hand-edited settings file
// repeats many times. The time per copy should not grow with the number of
// copies (compare the 1,000 and 8,000 rows).

#include "platform/privateProfile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray repeated(int copies, bool sections) {
    QByteArray b = "[A]\r\n";
    for (int i = 0; i < copies; ++i) {
        if (sections) b += "[B]\r\nx=" + QByteArray::number(i) + "\r\n";
        else b += "k=" + QByteArray::number(i) + "\r\n";
    }
    return b;
}

void removeRepeated(benchmark::State& state) {
    const int copies = int(state.range(0));
    const bool sections = state.range(1) != 0;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ylc.ini"));
    const QByteArray content = repeated(copies, sections);
    for (auto _ : state) {
        state.PauseTiming();
        QFile f(file);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        f.close();
        state.ResumeTiming();
        if (sections) privateProfile::writeString(file, QStringLiteral("B"), std::nullopt, std::nullopt);
        else privateProfile::writeString(file, QStringLiteral("A"), QStringLiteral("k"), std::nullopt);
    }
    // Seconds per removed copy.
    state.counters["per_copy"] =
        benchmark::Counter(double(copies), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(removeRepeated)->ArgsProduct({{1000, 8000}, {0, 1}})->ArgNames({"copies", "sections"})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
