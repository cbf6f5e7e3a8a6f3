// One send stage of the refresh tick: two USB interfaces on scripted ports
// and Art-Net to a receiver on 127.0.0.1, for 1, 16 and 64 universes. The
// counter periodShare% is the stage's time as a share of a 25 ms refresh
// period (goal: under 1 % at 64 universes).
//
// sendStageSlowInterfaces: the same with four interfaces written from their
// own threads, each taking 10 ms per write, as slow USB devices do; the
// stage must not wait for them (same goal).

#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QApplication>
#include <QHostAddress>
#include <QUdpSocket>
#include <benchmark/benchmark.h>
#include <chrono>
#include <mutex>
#include <string>

namespace {

void runSendStage(benchmark::State& state, int interfaces, std::chrono::milliseconds writeTime) {
    const int universes = int(state.range(0));
    TestShell t;
    auto& st = shell().state;
    st.totalChannels = 512 * universes;
    st.resize(st.totalChannels);
    for (int ch = 1; ch <= st.totalChannels; ++ch) {
        st.channelOutput[size_t(ch)] = (ch * 7) % 256;
        st.channelInvert[size_t(ch)] = ch % 5 == 0;
    }

    auto& ftdi = static_cast<FakeFtdiDriver&>(*shell().ftdi());
    ftdi.writerThreads = writeTime.count() > 0;
    for (int i = 0; i < interfaces; ++i) {
        const std::string record = "000" + std::to_string(i % 2 + 1);
        FakeFtdiDevice& d = ftdi.attach();
        std::fill(d.userArea.begin(), d.userArea.end(), 0);
        std::copy(record.begin(), record.end(), d.userArea.begin());
    }

    QUdpSocket receiver;
    receiver.bind(QHostAddress(QHostAddress::LocalHost), 0);
    auto art = std::make_unique<UdpArtNetLayer>();
    art->setPort(receiver.localPort());
    UdpArtNetLayer& layer = *art;
    shell().platform().artNet = std::move(art);

    DmxOutput& out = shell().engine<DmxOutput>();
    out.clkCorvellDmxDongle_Click();
    for (auto& d : ftdi.devices) d->writeDelay = writeTime; // from here on, every write is slow
    if (layer.init(QStringLiteral("127.0.0.1")) != artNetStatus::ready) {
        state.SkipWithError("no loopback socket");
        return;
    }
    out.artNetEnabled = true;

    int64_t n = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        out.sendOutputFrame();
        if (++n % 256 == 0) { // the fake ports keep every frame; keep memory flat
            for (auto& d : ftdi.devices) {
                std::lock_guard lock(d->mutex);
                d->writes.clear();
            }
            while (receiver.hasPendingDatagrams()) receiver.readDatagram(nullptr, 0);
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double perStage = elapsed.count() / double(std::max<int64_t>(state.iterations(), 1));
    state.counters["periodShare%"] = perStage / 0.025 * 100.0;
    state.counters["universes"] = universes;
    state.counters["interfaces"] = interfaces;
    out.stopDMXOutput(); // each writer finishes its last slow write
}

void sendStage(benchmark::State& state) { runSendStage(state, 2, std::chrono::milliseconds(0)); }
void sendStageSlowInterfaces(benchmark::State& state) { runSendStage(state, 4, std::chrono::milliseconds(10)); }

} // namespace

BENCHMARK(sendStage)->Arg(1)->Arg(16)->Arg(64)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(sendStageSlowInterfaces)->Arg(64)->UseRealTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VARNELDMX_LOOPBACK_ONLY", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
