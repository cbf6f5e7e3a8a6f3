#include "output/DmxOutput.h"
#include "output/ui/Dmxrecord.h"
#include "output/clsCorvellDongle.h"
#include "output/ui/frmDmxOutDisplay.h"
#include "output/ui/frmDmxTiming.h"
#include "outputTestSupport.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// An interface whose firmware keeps the last timing block written and
// answers the timing query with it.
FakeFtdiDevice& timingInterface(std::vector<uint8_t> initialBlock) {
    FakeFtdiDevice& dev = fakeFtdi().attach();
    dev.replies[0x08] = std::move(initialBlock);
    dev.onWrite = [](FakeFtdiDevice& d, const std::vector<uint8_t>& w) {
        if (w.size() == 11 && w[0] == 0x09) d.replies[0x08].assign(w.begin() + 1, w.begin() + 9);
    };
    return dev;
}

std::vector<std::vector<uint8_t>> timingWrites(const FakeFtdiDevice& d, size_t from) {
    std::vector<std::vector<uint8_t>> out;
    for (const auto& w : d.writesSince(from))
        if (w.size() == 11 && w[0] == 0x09) out.push_back(w);
    return out;
}

struct TimingEditorTest : ::testing::Test {
    TestShell t;
    std::shared_ptr<clsCorvellDongle> iface = std::make_shared<clsCorvellDongle>();
    std::unique_ptr<frmDmxTiming> open(FakeFtdiDevice&) {
        EXPECT_EQ(iface->openPort(0), 0);
        auto w = std::make_unique<frmDmxTiming>();
        w->myActivePort = 1; // the options window's row, counted from 1
        w->myInterfaceCls = iface;
        w->Form_Load();
        w->show();
        return w;
    }
};

TEST_F(TimingEditorTest, ShowsTheInterfacesTimes) {
    FakeFtdiDevice& dev = timingInterface(bytes({0, 0, 0x01, 0x8E, 254, 1, 0, 7}));
    auto w = open(dev);
    EXPECT_EQ(w->windowTitle(), "DMX512 Timing ");
    EXPECT_EQ(w->txtStartCode->text(), "0");
    EXPECT_EQ(w->txtBreakToBreak->text(), "2000");
    EXPECT_EQ(w->txtBreakTime->text(), "174");
    EXPECT_EQ(w->txtMarkAfterBreak->text(), "22");
    EXPECT_EQ(w->txtInterByteDelay->text(), "7");
    EXPECT_FALSE(w->chkUseDefaults->isChecked());
    EXPECT_TRUE(iface->isOpen()); // the handed-over interface stays in use
    EXPECT_EQ(fakeFtdi().openCalls, std::vector<int>{0});
}

TEST_F(TimingEditorTest, StandardTimingShowsTheStandardWhileTheTimesStayStored) {
    FakeFtdiDevice& dev = timingInterface(bytes({255, 0, 0x01, 0x8E, 254, 1, 0, 7}));
    auto w = open(dev);
    EXPECT_TRUE(w->chkUseDefaults->isChecked());
    EXPECT_EQ(w->txtBreakToBreak->text(), "1204");
    EXPECT_EQ(w->txtBreakTime->text(), "176");
    EXPECT_EQ(w->txtMarkAfterBreak->text(), "20");
    EXPECT_EQ(w->txtInterByteDelay->text(), "0");
    EXPECT_EQ(iface->myBreakToBreakTime, 2000);
    EXPECT_EQ(dev.replies[0x08], bytes({255, 0, 0x01, 0x8E, 254, 1, 0, 7}));
}

TEST_F(TimingEditorTest, FactoryInterByteSettings) {
    FakeFtdiDevice& dev = timingInterface(bytes({255, 0, 0x01, 0x8E, 254, 1, 0, 7}));
    auto w = open(dev);
    const size_t from = dev.mark();
    w->chkSetNewDefauts->setChecked(true);
    w->chkSetNewDefauts_Click();
    EXPECT_FALSE(w->chkUseDefaults->isChecked());
    const auto blocks = timingWrites(dev, from);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0], bytes({9, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0x20}));
}

TEST_F(TimingEditorTest, ChangingAValueEndsStandardTiming) {
    FakeFtdiDevice& dev = timingInterface(bytes({255, 0, 0, 0, 0, 0, 0, 0}));
    auto w = open(dev);
    ASSERT_TRUE(w->chkUseDefaults->isChecked());
    const size_t from = dev.mark();
    w->udBreakTime->stepUp(); // 176 -> 177
    const auto blocks = timingWrites(dev, from);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0][1], 255); // first still standard
    EXPECT_EQ(blocks[1][1], 0);   // then the configured times
    EXPECT_FALSE(w->chkUseDefaults->isChecked());
    EXPECT_EQ(iface->myBreakTime, 176); // 177 rounds to the even unit and reads back as 176
    EXPECT_EQ(w->txtBreakTime->text(), "176");
}

TEST_F(TimingEditorTest, StartCodeMovesBetween0And255Only) {
    FakeFtdiDevice& dev = timingInterface(bytes({0, 0, 0, 0, 0, 0, 0, 0}));
    auto w = open(dev);
    w->udStartCode->stepUp();
    EXPECT_EQ(w->txtStartCode->text(), "255");
    EXPECT_EQ(iface->myStartCode, 255);
    const size_t from = dev.mark();
    w->udStartCode->stepUp(); // at the top: no change, nothing sent
    EXPECT_TRUE(timingWrites(dev, from).empty());
    w->udStartCode->stepDown();
    EXPECT_EQ(w->txtStartCode->text(), "0");
}

TEST_F(TimingEditorTest, TickingStandardTimingWritesTheFlagAndReloads) {
    FakeFtdiDevice& dev = timingInterface(bytes({0, 0, 0x01, 0x8E, 254, 1, 0, 7}));
    auto w = open(dev);
    const size_t from = dev.mark();
    w->chkUseDefaults->setChecked(true);
    w->chkUseDefaults_MouseUp();
    EXPECT_TRUE(iface->doNotUseConfigData);
    const auto blocks = timingWrites(dev, from);
    ASSERT_FALSE(blocks.empty());
    for (const auto& b : blocks) EXPECT_EQ(b[1], 255);
    EXPECT_TRUE(w->chkUseDefaults->isChecked());
    EXPECT_EQ(w->txtBreakToBreak->text(), "1204");
    EXPECT_EQ(iface->myBreakToBreakTime, 2000); // kept for later
}

TEST_F(TimingEditorTest, AnInterfaceThatDoesNotAnswerIsReportedAndKeepsItsTimes) {
    FakeFtdiDevice& dev = fakeFtdi().attach();
    ASSERT_EQ(iface->openPort(0), 0);
    iface->myBreakTime = 180;
    dev.stream = 0x11; // streaming input frames
    frmDmxTiming w;
    w.myInterfaceCls = iface;
    w.Form_Load();
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith("The DMX interface did not answer the timing query"));
    EXPECT_EQ(w.txtBreakTime->text(), "180");
}

TEST(OutputMonitor, ShowsLiveLevelsAndFollowsTheScrollBar) {
    TestShell t;
    auto& st = shell().state;
    st.channelOutput[1] = 17;
    st.channelOutput[100] = 200;
    st.channelOutput[150] = 3;
    st.channelInvert[1] = 1; // the monitor shows the level before inversion
    frmDmxOutDisplay w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "DMX Output");
    EXPECT_EQ(w.vscrDmxChannels->minimum(), 0);
    EXPECT_EQ(w.vscrDmxChannels->maximum(), 412);
    EXPECT_EQ(w.lblChannelNumber[1]->text(), "1");
    EXPECT_EQ(w.lblChannelNumber[100]->text(), "100");

    ASSERT_EQ(t.timers().created.size(), 1u);
    FakeTickTimer& timer = *t.timers().created[0];
    EXPECT_EQ(timer.interval(), 50);
    timer.fire();
    EXPECT_EQ(w.lblDMXValue[1]->text(), "17");
    EXPECT_EQ(w.lblDMXValue[100]->text(), "200");

    w.vscrDmxChannels->setValue(50);
    EXPECT_EQ(w.lblChannelNumber[1]->text(), "51");
    EXPECT_EQ(w.lblChannelNumber[100]->text(), "150");
    timer.fire();
    EXPECT_EQ(w.lblDMXValue[100]->text(), "3");
    st.channelOutput[150] = 4;
    timer.fire();
    EXPECT_EQ(w.lblDMXValue[100]->text(), "4");

    w.vscrDmxChannels->setValue(412);
    EXPECT_EQ(w.lblChannelNumber[100]->text(), "512");

    // A show with more universes widens the range; one with fewer brings the
    // offset back inside.
    st.totalChannels = 1024;
    st.resize(1024);
    timer.fire();
    EXPECT_EQ(w.vscrDmxChannels->maximum(), 924);
    w.vscrDmxChannels->setValue(900);
    st.totalChannels = 512;
    st.resize(512);
    timer.fire();
    EXPECT_EQ(w.vscrDmxChannels->value(), 412);
    EXPECT_EQ(w.lblChannelNumber[100]->text(), "512");
}

TEST(OutputMonitor, LaysOutRowsOfThirteenPairs) {
    TestShell t;
    frmDmxOutDisplay w;
    w.show();
    QCoreApplication::processEvents();
    const auto value = [&](int i) { return w.lblDMXValue[size_t(i)]->geometry(); };
    const auto number = [&](int i) { return w.lblChannelNumber[size_t(i)]->geometry(); };
    // Every level stands above its own channel number, in one column.
    for (int i : {1, 2, 13, 14, 26, 27, 100}) {
        EXPECT_EQ(value(i).center().x(), number(i).center().x()) << i;
        EXPECT_LE(value(i).bottom(), number(i).top()) << i;
    }
    // Thirteen to a row: 13 ends the first row at the right, 14 starts the
    // next one under the numbers of the first, in the first column.
    struct Case {
        int left, right;
    };
    for (const Case& c : {Case{1, 2}, Case{2, 13}, Case{14, 26}})
        EXPECT_LT(value(c.left).right(), value(c.right).left()) << c.left << " " << c.right;
    EXPECT_EQ(value(14).x(), value(1).x());
    EXPECT_LT(number(1).bottom(), value(14).top());
    EXPECT_EQ(value(27).x(), value(1).x());
    EXPECT_FALSE(w.lblDMXValue[0]->isVisible()); // the template stays out of sight
    // The scroll bar sits right of every channel.
    EXPECT_LT(value(13).right(), w.vscrDmxChannels->geometry().left());
}

TEST(OutputWindows, ClosingUnloadsAndTheNextUseStartsAfresh) {
    TestShell t;
    auto& monitor = form<frmDmxOutDisplay>();
    monitor.show();
    monitor.vscrDmxChannels->setValue(50);
    monitor.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(loadedForm<frmDmxOutDisplay>(), nullptr);
    EXPECT_EQ(form<frmDmxOutDisplay>().vscrDmxChannels->value(), 0);

    // The timing editor lets go of its interface.
    auto iface = std::make_shared<clsCorvellDongle>();
    auto& editor = form<frmDmxTiming>();
    editor.myInterfaceCls = iface;
    editor.show();
    editor.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(loadedForm<frmDmxTiming>(), nullptr);
    EXPECT_EQ(iface.use_count(), 1);

    // Shown again before the unload came round: it stays loaded.
    auto& again = form<frmDmxOutDisplay>();
    again.show();
    again.close();
    again.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(loadedForm<frmDmxOutDisplay>(), &again);
}

TEST(RecordWindow, OffsetsKeepTheRangeInsideTheShow) {
    TestShell t;
    shell().state.totalChannels = 1024;
    shell().state.resize(1024);
    Dmxrecord w;
    w.Text1[0]->setText("20");
    w.Text1_Change(0);
    w.Text1[1]->setText("30");
    w.Text1_Change(1);
    DmxOutput& out = shell().engine<DmxOutput>();
    EXPECT_EQ(out.dmxRecordStartChannel, 20);
    EXPECT_EQ(out.dmxRecordStopChannel, 30);
    ASSERT_EQ(w.offsetlist->count(), 20 + 994);
    EXPECT_EQ(w.offsetlist->item(0)->text(), "0");
    EXPECT_EQ(w.offsetlist->item(19)->text(), "-19");
    EXPECT_EQ(w.offsetlist->item(20)->text(), "1");
    EXPECT_EQ(w.offsetlist->item(20 + 993)->text(), "994");

    w.offsetlist->setCurrentRow(19);
    EXPECT_EQ(out.dmxRecordOffset, -19);
    EXPECT_EQ(w.Label1[4]->text(), "1");

    // Ignored: a stop channel not above the start, or beyond 512.
    for (const char* text : {"20", "513", "0"}) {
        w.Text1[1]->setText(text);
        w.Text1_Change(1);
        EXPECT_EQ(out.dmxRecordStopChannel, 30) << text;
    }
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    w.Text1[0]->setText("abc");
    w.Text1_Change(0);
    EXPECT_EQ(t.prompts().messages, QStringList{"Please Enter a valid Channel Number"});
    EXPECT_EQ(out.dmxRecordStartChannel, 20);
}

TEST(RecordWindow, StartAndStopRecording) {
    TestShell t;
    FakeFtdiDevice& a = fakeFtdi().attach();
    DmxOutput& out = shell().engine<DmxOutput>();
    out.clkCorvellDmxDongle_Click();
    Dmxrecord w;
    w.Command1_MouseDown();
    EXPECT_EQ(w.Command1->text(), "Stop Recording");
    EXPECT_TRUE(out.dmxRecordActive);
    EXPECT_TRUE(out.dmxDongleCollection[0]->myReadMode);
    // Typing a channel while recording stops it first.
    w.Text1[0]->setText("5");
    w.Text1_Change(0);
    EXPECT_FALSE(out.dmxRecordActive);
    EXPECT_EQ(w.Command1->text(), "Start Recording");
    out.sendOutputFrame();
    EXPECT_EQ(a.frames().size(), 1u);
}

} // namespace
