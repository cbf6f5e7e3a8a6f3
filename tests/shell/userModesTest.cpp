#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/settingsKeys.h"
#include "shell/userModes.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

// Every enable or disable the services were told, in order, as "who:state".
struct Log {
    QStringList calls;
};

// A service that logs the enabling of its saving and editing controls.
template <typename S> struct ControlsLog : S {
    ControlsLog(Log& l, const char* w) : log(l), who(QLatin1String(w)) {}
    void setProgrammingControlsEnabled(bool on) override { log.calls << who + QStringLiteral(":%1").arg(on); }
    Log& log;
    QString who;
};

struct FakeTop : ControlsLog<MastersService> {
    explicit FakeTop(Log& l) : ControlsLog(l, "top") {}
    void setProgramingModeEnabled(bool on) override { log.calls << QStringLiteral("programming:%1").arg(on); }
    void cmdPlaybackMode_Click() override { log.calls << QStringLiteral("playbackMode"); }
};

struct UserModesTest : ::testing::Test {
    TestShell t;
    Log log;
    void SetUp() override {
        t.get().provide<MainWindowService>(std::make_unique<ControlsLog<MainWindowService>>(log, "main"));
        t.get().provide<MastersService>(std::make_unique<FakeTop>(log));
        t.get().provide<ShortcutsService>(std::make_unique<ControlsLog<ShortcutsService>>(log, "pages"));
        t.get().provide<PresetsService>(std::make_unique<ControlsLog<PresetsService>>(log, "palettes"));
    }
    static QStringList saveMenu(bool on) {
        const QString s = QString::number(on);
        return {"main:" + s, "top:" + s, "pages:" + s, "palettes:" + s};
    }
};

TEST_F(UserModesTest, ModeChangeWithTheCodeAppliesEachModeAndStoresIt) {
    struct Case {
        QString mode;
        QStringList after; // what follows the save menu
        bool enable;
    };
    const Case cases[] = {
        {UserModes::userOnly, {"programming:1"}, false},
        {UserModes::programmerUser, {"programming:1"}, true},
        {UserModes::playbackOnly, {"playbackMode", "programming:0"}, false},
    };
    UserModes& modes = t.get().engine<UserModes>();
    EXPECT_EQ(modes.passWord, QStringLiteral("tulipvex"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode.toStdString());
        log.calls.clear();
        t.prompts().inputs.push_back(QStringLiteral("tulipvex"));
        EXPECT_TRUE(modes.changeMode(c.mode));
        EXPECT_EQ(log.calls, saveMenu(c.enable) + c.after);
        EXPECT_EQ(modes.userMode, c.mode);
        EXPECT_EQ(settingsKeys::read(settingsKeys::currentMode), c.mode);
        EXPECT_EQ(settingsKeys::read(settingsKeys::theThing), QStringLiteral("tulipvex"));
    }
}

TEST_F(UserModesTest, TheCodeBoxStartsEmptyAndAWrongOrCancelledCodeChangesNothing) {
    UserModes& modes = t.get().engine<UserModes>();
    for (const QString& answer : {QStringLiteral("TULIPVEX"), QString()}) {
        t.prompts().inputs.push_back(answer);
        EXPECT_FALSE(modes.changeMode(UserModes::playbackOnly));
    }
    EXPECT_EQ(t.prompts().messages.filter(QStringLiteral("Password Incorrect")),
              QStringList(2, QStringLiteral("Password Incorrect, Please try again")));
    EXPECT_EQ(t.prompts().inputDefaults, QStringList(2, QString()));
    EXPECT_TRUE(log.calls.isEmpty());
    EXPECT_EQ(modes.userMode, UserModes::programmerUser);
    EXPECT_FALSE(QFile::exists(t.get().iniFile()));
}

TEST_F(UserModesTest, StartupAppliesTheStoredModeExactlyAsSpelt) {
    const std::pair<QString, QStringList> cases[] = {
        {UserModes::userOnly, saveMenu(false)},
        {UserModes::playbackOnly, saveMenu(false) << "programming:0"},
        {QStringLiteral("user only"), saveMenu(true)},
    };
    for (const auto& [stored, expected] : cases) {
        settingsKeys::write(settingsKeys::currentMode, stored);
        log.calls.clear();
        UserModes fresh;
        fresh.applyUserMode();
        EXPECT_EQ(log.calls, expected) << stored.toStdString();
    }
}

TEST_F(UserModesTest, LockCodeChangesOnlyWithTheCurrentCodeAndTwoEqualNewOnes) {
    struct Case {
        QStringList answers;
        bool changes;
    };
    const Case cases[] = {
        {{"wrong", "new", "new"}, false},
        {{"tulipvex", "new", "other"}, false},
        // A cancelled new-code or confirmation box answers empty: no empty code.
        {{"tulipvex", "", ""}, false},
        {{"tulipvex", "new", ""}, false},
        {{"tulipvex", "Stage1", "Stage1"}, true},
    };
    UserModes& modes = t.get().engine<UserModes>();
    for (const Case& c : cases) {
        modes.passWord = QStringLiteral("tulipvex");
        for (const QString& a : c.answers) t.prompts().inputs.push_back(a);
        EXPECT_EQ(modes.changePassword(), c.changes) << c.answers.join(',').toStdString();
        t.prompts().inputs.clear();
    }
    EXPECT_EQ(modes.passWord, QStringLiteral("Stage1"));
    EXPECT_EQ(settingsKeys::read(settingsKeys::theThing), QStringLiteral("Stage1"));
    EXPECT_TRUE(t.prompts().messages.filter(QStringLiteral("Incorrect")).isEmpty());
}

TEST_F(UserModesTest, AnEmptyStoredCodeIsMatchedByAnEmptyAnswer) {
    settingsKeys::write(settingsKeys::theThing, QString());
    UserModes modes;
    EXPECT_TRUE(modes.changeMode(UserModes::userOnly));
}

} // namespace
