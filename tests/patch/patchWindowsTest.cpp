#include "patch/ui/NewWhat.h"
#include "patch/ui/PROPTYPE.h"
#include "patch/ui/frmFixtureProperties.h"
#include "patch/ui/frmPatchDetails.h"
#include "patch/ui/patchWindowService.h"
#include "profiles/ClsFixture.h"
#include "profiles/ui/Light_Editor.h"
#include "shell/channelModel.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"
#include "show/showEngine.h"
#include "support/fakePlatform.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

const QString rgbPar = QStringLiteral(VARNEL_RESOURCES_DIR "/Fixtures/Generic/RGB Par.fix");

class PatchWindows : public ::testing::Test {
protected:
    void SetUp() override {
        channelModel::redimForMoreUniverses(1024);
        show = &t.get().provide<ShowService>(std::make_unique<ShowEngine>());
        registerPatchWindows(t.get());
        t.get().state.showFileName = QStringLiteral("club.YCF");
    }
    // The profile editor with the RGB par loaded opens the patch window.
    NewWhat& openWithRgbPar() {
        Light_Editor& e = form<Light_Editor>();
        e.show();
        e.loadFixtureSub(rgbPar);
        NewWhat* w = loadedForm<NewWhat>();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    ChannelModel& m() { return t.get().state; }
    TestShell t;
    ShowEngine* show = nullptr;
};

TEST_F(PatchWindows, SixRgbParsInUniverseTwoAreTypedSavedAndLoadAgain) {
    NewWhat& w = openWithRgbPar();
    EXPECT_TRUE(w.isVisible());
    w.cmgUniverseComboListBox->setCurrentIndex(1);
    w.cmgUniverseComboListBox_Click(1);
    EXPECT_EQ(w.shownUniverse(), 2);
    w.Text1[0]->setText(QStringLiteral("1"));
    w.Text1[1]->setText(QStringLiteral("6"));
    EXPECT_TRUE(w.newOKbutton->isEnabled());
    w.newOKbutton_Click();

    EXPECT_EQ(loadedForm<NewWhat>(), nullptr);
    EXPECT_EQ(loadedForm<Light_Editor>(), nullptr);
    ASSERT_EQ(m().fixtureCount, 6);
    const QStringList types = {"red", "green", "blue"};
    for (int f = 1; f <= 6; ++f) {
        const int start = 512 + 3 * (f - 1) + 1;
        EXPECT_EQ(m().fixtureName[f], QStringLiteral("Generic RGB Par %1").arg(f));
        EXPECT_EQ(m().fixtureStartChannel[size_t(f)], start);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(m().channelType[start + c].trimmed(), types[c]) << f;
    }
    EXPECT_EQ(m().channelType[531], QStringLiteral("none"));
    EXPECT_TRUE(t.prompts().messages.contains(QStringLiteral("6 Generic RGB Par(s) loaded")));

    // The saved show loads into a fresh console.
    const QString saved = t.folder() + QStringLiteral("/Configurations/club.YCF");
    ASSERT_TRUE(QFile::exists(saved));
    TestShell fresh;
    ShowEngine loader;
    ASSERT_TRUE(loader.loadTheConfiguration(false, saved));
    ChannelModel& again = fresh.get().state;
    ASSERT_EQ(again.fixtureCount, 6) << fresh.prompts().messages.join(QStringLiteral(" / ")).toStdString();
    EXPECT_TRUE(fresh.prompts().messages.isEmpty()) << fresh.prompts().messages.join(QStringLiteral(" / ")).toStdString();
    EXPECT_EQ(again.fixtureName[6], QStringLiteral("Generic RGB Par 6"));
    EXPECT_EQ(again.fixtureStartChannel[6], 528);
    EXPECT_EQ(again.channelType[528].trimmed(), QStringLiteral("red"));
    EXPECT_EQ(again.lightClass(again.fixtureLightClass[6]).Name, QStringLiteral("Generic RGB Par"));
}

TEST_F(PatchWindows, PatchListPrintsToPdfWithItsPageHeader) {
    NewWhat& w = openWithRgbPar();
    w.Text1[1]->setText(QStringLiteral("6"));
    w.newOKbutton_Click();
    shell().patch().showPatchList();
    frmPatchDetails* list = loadedForm<frmPatchDetails>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->msflexgrindPatchList->rowCount(), 6);
    EXPECT_EQ(list->msflexgrindPatchList->item(5, 2)->text(), QStringLiteral("U:1 CH:16"));
    EXPECT_EQ(list->msflexgrindPatchList->item(5, 3)->text(), QStringLiteral("U:1 CH:18"));

    const QString pdf = t.folder() + QStringLiteral("/patch.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(QPageLayout::Landscape);
    const QStringList headers = list->printGrid(printer);
    EXPECT_EQ(headers, QStringList{QStringLiteral("::Show Name: club.YCF::Page (0, 0)")});
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(f.readAll());
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

TEST_F(PatchWindows, PatchListRemovesTheFixtureItsQuestionNames) {
    NewWhat& w = openWithRgbPar();
    w.Text1[1]->setText(QStringLiteral("3"));
    w.newOKbutton_Click();
    frmPatchDetails& list = form<frmPatchDetails>();
    list.fillPatchGrid();
    list.msflexgrindPatchList->setCurrentCell(1, 1);
    t.prompts().messages.clear();
    t.prompts().answers = {msgBox::Yes, msgBox::Yes};
    list.removeFixtureFromPatch();
    EXPECT_EQ(t.prompts().messages.value(0), QStringLiteral("Are You Sure you want to remove:Generic RGB Par 2 From Patch"));
    EXPECT_EQ(m().fixtureCount, 2);
    EXPECT_EQ(m().fixtureName[2], QStringLiteral("Generic RGB Par 3"));
    EXPECT_EQ(list.msflexgrindPatchList->rowCount(), 2);
}

TEST_F(PatchWindows, AddUniverseShowsTheUniverseThatDropsUse) {
    NewWhat& w = openWithRgbPar();
    w.Text1[1]->setText(QStringLiteral("1"));
    w.cmgUniverseComboListBox->setCurrentIndex(1);
    w.cmgUniverseComboListBox_Click(1);
    w.newOKbutton_Click(); // one par at 513
    ASSERT_EQ(m().fixtureStartChannel[1], 513);
    shell().patch().showDmxConfiguration();
    NewWhat& view = form<NewWhat>();
    view.cmgUniverseComboListBox->setCurrentIndex(1);
    view.cmgUniverseComboListBox_Click(1);
    EXPECT_EQ(view.boxLook(1).back, 0xFF0000);
    view.cmdAddUniverse_Click();
    EXPECT_EQ(m().totalChannels, 1536);
    EXPECT_EQ(view.cmgUniverseComboListBox->count(), 3);
    EXPECT_EQ(view.shownUniverse(), 1);
    EXPECT_EQ(view.boxLook(1).back, 0xE0E0E0); // universe 1 is shown and used
    // Back to universe 2: the par moves there, in its own universe.
    view.cmgUniverseComboListBox->setCurrentIndex(1);
    view.cmgUniverseComboListBox_Click(1);
    view.channel_DragDrop(1, 100);
    EXPECT_EQ(m().fixtureStartChannel[1], 612);
    EXPECT_EQ(view.boxLook(100).back, 0xFF0000);
}

TEST_F(PatchWindows, FixturePropertiesShowTheAddressAndHandItToThePatchWindow) {
    NewWhat& w = openWithRgbPar();
    w.Text1[0]->setText(QStringLiteral("20"));
    w.cmgUniverseComboListBox->setCurrentIndex(1);
    w.cmgUniverseComboListBox_Click(1);
    w.Text1[0]->setText(QStringLiteral("20"));
    w.Text1[1]->setText(QStringLiteral("1"));
    w.newOKbutton_Click();
    ASSERT_EQ(m().fixtureStartChannel[1], 532);
    shell().patch().showFixtureProperties(1);
    frmFixtureProperties& p = form<frmFixtureProperties>();
    EXPECT_EQ(p.lblStartChannel->text(), QStringLiteral("Start Channel: 20   Universe: 2"));
    EXPECT_EQ(p.lblFixturealias->text(), QStringLiteral("Fixture Name: Generic RGB Par 1"));
    EXPECT_EQ(p.lblFixtureChannelsUsed->text(), QStringLiteral("Channels Used:  3"));
    EXPECT_TRUE(p.switchOn(3) && p.switchOn(5));
    EXPECT_FALSE(p.switchOn(1));
    p.lblStartChannel_Click();
    NewWhat& view = form<NewWhat>();
    EXPECT_EQ(view.shownUniverse(), 2);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Dmx Configuration"));
    EXPECT_FALSE(view.newOKbutton->isEnabled());
}

TEST_F(PatchWindows, ChannelSettingsStoreLimitsOnlyWhenTheyMakeSense) {
    shell().patch().showChannelSettings(300, false);
    PROPTYPE& w = form<PROPTYPE>();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("300"));
    w.Text6->setText(QStringLiteral("10"));
    w.Text7->setText(QStringLiteral("300"));
    w.limits_Enter(w.Text7);
    EXPECT_EQ(m().channelHighLimits[300], 0);
    w.Text7->setText(QStringLiteral("200"));
    w.limits_Enter(w.Text7);
    EXPECT_EQ(m().channelLowLimits[300], 10);
    EXPECT_EQ(m().channelHighLimits[300], 200);
    EXPECT_EQ(w.syncList->item(0)->text(), QStringLiteral("None"));
}

} // namespace

namespace {

TEST_F(PatchWindows, TheStartAdvancesToTheFirstFreeBlock) {
    NewWhat& w = openWithRgbPar();
    w.Text1[1]->setText(QStringLiteral("2"));
    w.newOKbutton_Click(); // pars on 1..6
    NewWhat& again = openWithRgbPar();
    again.Text1[1]->setText(QStringLiteral("1"));
    again.displayChannelBoxes();
    EXPECT_EQ(again.Text1[0]->text(), QStringLiteral("7"));
    EXPECT_TRUE(again.newOKbutton->isEnabled());
    // A count that is no number is refused once, not at every step.
    t.prompts().messages.clear();
    again.Text1[1]->setText(QStringLiteral("x"));
    again.displayChannelBoxes();
    EXPECT_LE(t.prompts().messages.size(), 2);
    EXPECT_FALSE(again.newOKbutton->isEnabled());
    EXPECT_TRUE(again.lblChangeStartChannel->isVisibleTo(&again));
}

} // namespace
