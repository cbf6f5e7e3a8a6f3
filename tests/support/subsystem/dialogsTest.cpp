// The text-entry and confirmation dialogs, the start wizard chooser and the
// shut-down command.

#include "platform/prompts.h"
#include "shell/services/mastersService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/settingsKeys.h"
#include "show/showEngine.h"
#include "support/ReBoot.h"
#include "support/confirmActions.h"
#include "support/fakePlatform.h"
#include "support/fakeSystemPower.h"
#include "support/ui/Dialog.h"
#include "support/ui/DialogConfirm.h"
#include "support/ui/frmStartWizard.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class RecordingPatch final : public PatchService {
public:
    bool renameFixture(int32_t fixture, const QString& name) override {
        renamed.append(QString::number(fixture) + QLatin1Char('=') + name);
        shell().state.fixtureName[fixture] = name;
        return true;
    }
    QStringList renamed;
};

class RecordingPlayback final : public PlaybackService {
public:
    void clearSequenceInChaser(int32_t p) override { calls.append(QStringLiteral("clear %1").arg(p)); }
    void hidePlayback(int32_t p) override { calls.append(QStringLiteral("hide %1").arg(p)); }
    void refreshShortcuts(int32_t p, bool all) override { calls.append(QStringLiteral("refresh %1 %2").arg(p).arg(all)); }
    QStringList calls;
};

bool touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
}

// Types a name and presses OK (or Enter); true when the dialog closed.
bool enter(Dialog& d, const QString& typed, bool withEnter = false) {
    d.setResult(0);
    d.Text1->setText(typed);
    if (withEnter) emit d.Text1->returnPressed();
    else d.OKButton_Click();
    return d.result() == QDialog::Accepted;
}

TEST(TextEntry, fixtureNamesMustBeUniqueAfterTrimmingButCaseCounts) {
    TestShell t;
    ChannelModel& m = t.get().state;
    m.fixtureCount = 2;
    m.fixtureName[1] = QStringLiteral("Spot 1");
    m.fixtureName[2] = QStringLiteral("Wash");
    auto& patch = t.get().provide<PatchService>(std::make_unique<RecordingPatch>());
    Dialog d;
    textEntry::Request r;
    r.dialogMode = QStringLiteral("Spot 1");
    r.fixture = 1;
    d.setUp(r, QStringLiteral("Change Fixture Name"), QStringLiteral("Please enter new name for fixture"),
            QStringLiteral("Spot 1"));
    struct Case { const char* typed; bool closes; };
    const Case cases[] = {{"Spot 1", false}, {" Wash ", false}, {"   ", false}, {"wash", true}};
    for (const Case& c : cases) EXPECT_EQ(enter(d, QString::fromLatin1(c.typed), true), c.closes) << c.typed;
    EXPECT_EQ(patch.renamed, QStringList{QStringLiteral("1=wash")});
    EXPECT_EQ(t.prompts().messages.count(textEntry::duplicateFixtureName), 2);
    EXPECT_TRUE(m.showChanged);
}

TEST(TextEntry, aPlaybackIsNamedWithinTheNamesTheShowKeeps) {
    TestShell t;
    ChannelModel& m = t.get().state;
    Dialog d;
    textEntry::Request r;
    r.playback = 3;
    d.setUp(r, QString(), QString(), QString());
    EXPECT_FALSE(enter(d, QString()));
    EXPECT_TRUE(enter(d, QStringLiteral("Intro ")));
    EXPECT_EQ(m.tables.playbackNames[2], QStringLiteral("Intro "));
    // Playback 9 has no name slot: refused with the reason, nothing written.
    r.playback = 9;
    d.setUp(r, QString(), QString(), QString());
    EXPECT_FALSE(enter(d, QStringLiteral("Late")));
    EXPECT_EQ(d.lblProblem->text(), QStringLiteral("Only playbacks 1 to 8 can be named."));
    EXPECT_EQ(m.tables.playbackNames.size(), 8);
}

TEST(TextEntry, aSequenceRenameStaysInItsFolderAndNeverReplacesAFile) {
    TestShell t;
    auto& playback = t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
    const QString folder = QDir(t.folder()).filePath(QStringLiteral("Sequences/Club"));
    ASSERT_TRUE(touch(folder + QStringLiteral("/Intro.YSQ")));
    ASSERT_TRUE(touch(folder + QStringLiteral("/Intro.UQF")));
    ASSERT_TRUE(touch(folder + QStringLiteral("/Finale.YSQ")));
    Dialog d;
    textEntry::Request r;
    r.dialogMode = textEntry::renameSequenceOnPlayback;
    r.originalName = QStringLiteral("Club\\Intro.YSQ");
    d.setUp(r, QString(), QString(), textEntry::sequenceBaseName(r.originalName));
    EXPECT_EQ(d.Text1->text(), QStringLiteral("Intro"));
    const char* refused[] = {"Finale", "..", "..\\..\\Out", "../Out", "Sub/Name", "  "};
    for (const char* typed : refused) EXPECT_FALSE(enter(d, QString::fromLatin1(typed))) << typed;
    EXPECT_TRUE(playback.calls.isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"Finale.YSQ", "Intro.UQF", "Intro.YSQ"}));
    EXPECT_EQ(QDir(t.folder()).entryList({QStringLiteral("Out*")}, QDir::Files | QDir::Dirs), QStringList());

    EXPECT_TRUE(enter(d, QStringLiteral(" Opener ")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"Finale.YSQ", "Opener.UQF", "Opener.YSQ"}));
    EXPECT_EQ(playback.calls, QStringList{QStringLiteral("refresh 1 1")});
    // The source is gone now: a second rename of it is refused.
    EXPECT_FALSE(enter(d, QStringLiteral("Again")));
    EXPECT_TRUE(d.lblProblem->text().contains(QStringLiteral("Intro.YSQ")));
}

TEST(TextEntry, modesWithoutAnActionKeepTheDialogOpen) {
    TestShell t;
    Dialog d;
    for (const QString& mode : {textEntry::editMultiChasers, textEntry::renameDmxPilot}) {
        textEntry::Request r;
        r.dialogMode = mode;
        d.setUp(r, QString(), QString(), QStringLiteral("x"));
        EXPECT_FALSE(enter(d, QStringLiteral("Name"))) << mode.toStdString();
        EXPECT_TRUE(d.lblProblem->text().isEmpty());
    }
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

// The new show runs every step through the real show engine: one universe,
// no fixtures, saved under the name the operator gives.
class NewShow : public ::testing::Test {
protected:
    void SetUp() override {
        show = &t.get().provide<ShowService>(std::make_unique<ShowEngine>());
        ChannelModel& m = t.get().state;
        channelModel::redimForMoreUniverses(1024);
        m.fixtureCount = 1;
        m.fixtureName[1] = QStringLiteral("Spot");
        configurations = QDir(t.folder()).filePath(QStringLiteral("Configurations"));
        QDir().mkpath(configurations);
    }
    TestShell t;
    ShowEngine* show = nullptr;
    QString configurations;
};

TEST_F(NewShow, theConfirmationStartsAnEmptyShowUnderTheNewName) {
    DialogConfirm d;
    d.ask(confirmActions::newShowCaption, confirmActions::newShowText);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("VarnelDMX stage Lighting Controller"));
    t.prompts().files.push_back(configurations + QStringLiteral("/Gala.YCF"));
    d.OKButton_Click();
    const ChannelModel& m = t.get().state;
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(m.totalChannels, 512);
    EXPECT_EQ(m.fixtureCount, 0);
    EXPECT_EQ(m.showFileName, QStringLiteral("Gala.YCF"));
    EXPECT_FALSE(m.showChanged);
    EXPECT_TRUE(QFile::exists(configurations + QStringLiteral("/Gala.YCF")));
}

TEST_F(NewShow, theNameOfAnExistingShowIsRefused) {
    const QString existing = configurations + QStringLiteral("/Club.YCF");
    ASSERT_TRUE(touch(existing));
    t.prompts().files.push_back(existing);
    t.prompts().files.push_back(configurations + QStringLiteral("/Fresh.YCF"));
    EXPECT_TRUE(confirmActions::OKButton_Click(confirmActions::newShowText).close);
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("x")) << "the existing show is untouched";
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("A show named Club already exists.")));
    EXPECT_EQ(t.get().state.showFileName, QStringLiteral("Fresh.YCF"));
}

TEST(Confirmation, clearingAPlaybackLeavesTheFirstCurrentAndOtherQuestionsDoNothing) {
    TestShell t;
    auto& playback = t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
    t.get().state.currentPlayback = 4;
    EXPECT_EQ(confirmActions::clearSequenceCaption(), QStringLiteral("Playback 4"));
    EXPECT_FALSE(confirmActions::OKButton_Click(confirmActions::clearSequenceText.toLower()).close);
    EXPECT_TRUE(playback.calls.isEmpty());
    EXPECT_TRUE(confirmActions::OKButton_Click(confirmActions::clearSequenceText).close);
    EXPECT_EQ(playback.calls, (QStringList{QStringLiteral("clear 4"), QStringLiteral("hide 4")}));
    EXPECT_EQ(t.get().state.currentPlayback, 1);
}

TEST(ShutDown, askedRefusedAndGranted) {
    TestShell t;
    auto& power = static_cast<FakeSystemPower&>(*t.get().power());
    t.prompts().answers = {msgBox::No};
    EXPECT_FALSE(ReBoot::confirmAndShutDown());
    EXPECT_TRUE(power.requests.empty()) << "No asks nothing of the system";
    EXPECT_EQ(t.prompts().messages, QStringList{ReBoot::askText});

    // Refused: said, and the console keeps running.
    power.grant = false;
    t.prompts().answers = {msgBox::Yes};
    EXPECT_FALSE(ReBoot::confirmAndShutDown());
    EXPECT_EQ(power.requests, std::vector<bool>{true});
    EXPECT_EQ(t.prompts().messages.last(), QStringLiteral("The computer could not be shut down: Access denied"));

    power.grant = true;
    t.prompts().answers = {msgBox::Yes};
    EXPECT_TRUE(ReBoot::confirmAndShutDown());
    EXPECT_EQ(power.requests, (std::vector<bool>{true, true}));
}

class RecordingShortcuts final : public ShortcutsService {
public:
    void showMultiWizard(const QString& mode) override { opened.append(QStringLiteral("multi:") + mode); }
    void showSequenceWizard() override { opened.append(QStringLiteral("sequence")); }
    void showAutoPilotWizard() override { opened.append(QStringLiteral("auto pilot")); }
    QStringList opened;
};

class RecordingMasters final : public MastersService {
public:
    void cmdPlaybackMode_Click() override { ++playbackMode; }
    int playbackMode = 0;
};

TEST(StartWizard, startOpensTheChosenBuiltWizardAndTheOthersWaitWithTheirReason) {
    TestShell t;
    auto& pages = t.get().provide<ShortcutsService>(std::make_unique<RecordingShortcuts>());
    auto& masters = t.get().provide<MastersService>(std::make_unique<RecordingMasters>());
    frmStartWizard w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Task"));
    EXPECT_FALSE(w.optWizardType[frmStartWizard::sequenceButton]->isEnabled());
    EXPECT_EQ(w.optWizardType[frmStartWizard::sequenceButton]->toolTip(), QStringLiteral("Not available yet"));
    // A picture of a waiting wizard selects nothing; the others' do.
    w.image_Click(frmStartWizard::sequenceButton);
    EXPECT_FALSE(w.optWizardType[frmStartWizard::sequenceButton]->isChecked());
    w.image_Click(frmStartWizard::multiButton);
    w.cmdStart_Click();
    EXPECT_EQ(pages.opened, QStringList{QStringLiteral("multi:")});
    EXPECT_EQ(masters.playbackMode, 1);
    EXPECT_FALSE(w.isVisible());
    w.image_Click(frmStartWizard::autoPilotButton);
    w.cmdStart_Click();
    EXPECT_EQ(pages.opened, (QStringList{QStringLiteral("multi:"), QStringLiteral("auto pilot")}));
    EXPECT_EQ(masters.playbackMode, 1);
}

} // namespace
