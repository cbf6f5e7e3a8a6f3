// Save and full load (with the rebuild of every fixture's roles) of a
// 64-universe show (32,768 channels) with 2,000 patched fixtures of 30
// profiles, so the profile extension block is used. Goals: load under 1 s,
// save under 0.5 s. Reports the file size and the resident memory after the
// load.

#include "show/showEngine.h"
#include "show/showTestSupport.h"

#include "shell/shell.h"
#include "support/fakePlatform.h"
#include "support/residentMemory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const QStringList types = {QStringLiteral("pan"),   QStringLiteral("tilt"),    QStringLiteral("dimmer"),
                           QStringLiteral("shutter"), QStringLiteral("red"),   QStringLiteral("green"),
                           QStringLiteral("blue"),  QStringLiteral("gobo"),    QStringLiteral("color"),
                           QStringLiteral("prism"), QStringLiteral("focus"),   QStringLiteral("zoom")};

// 2,000 fixtures of 12 channels (about 730 channels per profile block)
// spread over 30 profiles and 64 universes.
void buildBigShow(ChannelModel& m) {
    channelModel::redimForMoreUniverses(64 * 512);
    int32_t next = 1;
    for (int p = 1; p <= 30; ++p) {
        const int count = p <= 20 ? 67 : 66; // 20 * 67 + 10 * 66 = 2,000
        patchFixtures(m, p, QStringLiteral("Profile %1").arg(p), types, next, count,
                      QStringLiteral("View %1").arg(p % 4 + 1));
        for (int r = 1; r <= 20; ++r) m.lightClass(p).setProperties(r, 9, QStringLiteral("Colour %1").arg(r));
        next += count * int32_t(types.size()) + 40;
    }
}

QString bigShowPath(TestShell& t) { return t.folder() + QStringLiteral("/Configurations/big.YCF"); }

void saveShow(benchmark::State& state) {
    TestShell t;
    buildBigShow(t.get().state);
    t.get().state.showFileName = QStringLiteral("big.YCF");
    ShowEngine show;
    for (auto _ : state) {
        if (!show.saveConfiguration(false, false, false)) state.SkipWithError("save failed");
    }
    state.counters["fileMiB"] = double(QFile(bigShowPath(t)).size()) / (1024.0 * 1024.0);
}

void loadShow(benchmark::State& state) {
    QByteArray bytes;
    {
        TestShell t;
        buildBigShow(t.get().state);
        t.get().state.showFileName = QStringLiteral("big.YCF");
        ShowEngine show;
        show.saveConfiguration(false, false, false);
        bytes = readWholeFile(bigShowPath(t));
    }
    TestShell t;
    QDir().mkpath(t.folder() + QStringLiteral("/Configurations"));
    writeWholeFile(bigShowPath(t), bytes);
    ShowEngine show;
    for (auto _ : state) {
        if (!show.loadTheConfiguration(false, bigShowPath(t))) state.SkipWithError("load failed");
    }
    if (!t.prompts().messages.isEmpty()) state.SkipWithError(qPrintable(t.prompts().messages.first()));
    state.counters["fixtures"] = t.get().state.fixtureCount;
    state.counters["fileBytes"] = double(bytes.size());
    state.counters["residentMiB"] = residentMiB();
}

} // namespace

BENCHMARK(saveShow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(loadShow)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
