// The layout window's fixture menu "Edit Current Fixture" and the fixture
// properties window it opens, offscreen with the real profile editor.
#include "patch/fixtureMenu.h"
#include "patch/layoutEngine.h"
#include "patch/ui/NewWhat.h"
#include "patch/ui/fixture.h"
#include "patch/ui/fixtureIconWidget.h"
#include "patch/ui/frmFixtureProperties.h"
#include "patch/ui/patchWindows.h"
#include "profiles/ClsFixture.h"
#include "profiles/profileEditorSession.h"
#include "profiles/ui/Light_Editor.h"
#include "profiles/ui/profilesServiceImpl.h"
#include "layoutRig.h"
#include "popupAnswer.h"
#include "shell/services/patchService.h"
#include "shell/services/supportService.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// The operator's answers in the text-entry dialog: the fixture it was
// opened for, renamed through the patch; an empty answer is a Cancel.
struct TypedFixtureNames : SupportService {
    bool renameFixture(int32_t fixture) override {
        asked.push_back(fixture);
        const QString name = answers.empty() ? QString() : answers.takeFirst();
        return !name.isEmpty() && shell().patch().renameFixture(fixture, name);
    }
    std::vector<int32_t> asked;
    QStringList answers;
};

void mouse(QWidget& w, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void click(QWidget& w, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(2, 2)) {
    mouse(w, QEvent::MouseButtonPress, button, at);
    mouse(w, QEvent::MouseButtonRelease, button, at);
}

struct FixtureMenu : ::testing::Test {
    TestShell t;
    PatchWindowsService* service = nullptr;
    LayoutEngine& layout = layoutEngine();
    ChannelModel& m = shell().state;
    int wash = 0;
    void SetUp() override {
        const int dim = layoutRig::addProfile(QStringLiteral("Dim"), {QStringLiteral("dimmer")});
        wash = layoutRig::addProfile(QStringLiteral("Wash"),
                                     {QStringLiteral("dimmer"), QStringLiteral("red"), QStringLiteral("green")});
        layoutRig::addFixture(dim, 1, 300, 300);
        layoutRig::addFixture(wash, 20, 1500, 300);
        layoutRig::addFixture(wash, 532, 2700, 1800);
        registerProfiles(shell());
        service = &startPatchWindows(shell());
        service->layoutWindow().resize(380, 300);
        QApplication::processEvents();
    }
    QWidget& surface() { return *service->layoutWindow().surface(); }
    QPoint centreOf(int f) { return service->layoutWindow().iconWidget(f)->geometry().center(); }
    // Pops the fixture menu up on fixture f and chooses the entry.
    std::shared_ptr<PopupSeen> choose(int f, const QString& entry) {
        auto seen = answerNextPopup(entry);
        mouse(surface(), QEvent::MouseButtonPress, Qt::LeftButton, centreOf(f));
        mouse(surface(), QEvent::MouseButtonRelease, Qt::LeftButton, centreOf(f));
        mouse(surface(), QEvent::MouseButtonPress, Qt::RightButton, centreOf(f));
        mouse(surface(), QEvent::MouseButtonRelease, Qt::RightButton, centreOf(f));
        return seen;
    }
    frmFixtureProperties* shownProperties() {
        auto* w = loadedForm<frmFixtureProperties>();
        return w && w->isVisible() ? w : nullptr;
    }
    Light_Editor* shownEditor() {
        auto* w = loadedForm<Light_Editor>();
        return w && w->isVisible() ? w : nullptr;
    }
};

TEST_F(FixtureMenu, startChannelEntryOpensThePropertiesBesideTheLayoutLevelWithTheIcon) {
    auto seen = choose(2, QStringLiteral("View/Edit Start Channel"));
    ASSERT_TRUE(seen->shown);
    EXPECT_EQ(seen->captions.mid(0, 3),
              (QStringList{"Rename Fixture", "View/Edit Start Channel", "Edit Fixture Definition"}));
    EXPECT_FALSE(seen->disabled.contains(QStringLiteral("View/Edit Start Channel")));
    EXPECT_FALSE(seen->disabled.contains(QStringLiteral("Edit Fixture Definition")));

    frmFixtureProperties* p = shownProperties();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->lblFixturealias->text(), QStringLiteral("Fixture Name: Fixture 2"));
    EXPECT_EQ(p->lblFixtureName->text(), QStringLiteral("Profile Definition: Wash"));
    EXPECT_EQ(p->lblStartChannel->text(), QStringLiteral("Start Channel: 20   Universe: 1"));
    EXPECT_EQ(p->lblFixtureChannelsUsed->text(), QStringLiteral("Channels Used:  3"));
    const QRect layoutFrame = service->layoutWindow().frameGeometry();
    ASSERT_GE(layoutFrame.left(), p->frameGeometry().width()) << "the test's screen leaves room on the left";
    EXPECT_EQ(p->frameGeometry().right() + 1, layoutFrame.left());
    EXPECT_EQ(p->frameGeometry().top(), service->layoutWindow().iconWidget(2)->mapToGlobal(QPoint(0, 0)).y());
}

TEST_F(FixtureMenu, aPropertiesWindowWithNoRoomLeftOfTheLayoutStaysOnTheScreen) {
    service->layoutWindow().move(0, 0);
    choose(3, QStringLiteral("View/Edit Start Channel"));
    frmFixtureProperties* p = shownProperties();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->lblStartChannel->text(), QStringLiteral("Start Channel: 20   Universe: 2"));
    EXPECT_TRUE(p->screen()->availableGeometry().contains(p->frameGeometry()));
}

TEST_F(FixtureMenu, editFixtureDefinitionOpensTheEditorOnThePatchedProfileItself) {
    choose(3, QStringLiteral("Edit Fixture Definition"));
    Light_Editor* editor = shownEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(&profileEditorSession().editedProfile(), &m.lightClass(wash));
    EXPECT_EQ(editor->txtFields[1]->text(), QStringLiteral("Wash"));
    EXPECT_EQ(editor->txtFields[0]->text(), QStringLiteral("3"));
    EXPECT_TRUE(t.prompts().messages.isEmpty()) << t.prompts().messages.join('|').toStdString();
}

TEST_F(FixtureMenu, aFixtureWithoutAProfileIsNeitherRenamedNorEdited) {
    m.fixtureLightClass[2] = 0;
    auto& names = t.get().provide<SupportService>(std::make_unique<TypedFixtureNames>());
    EXPECT_FALSE(fixtureMenu::renamefixture_Click(layout, 2));
    EXPECT_TRUE(names.asked.empty()) << "no name is asked for";
    fixtureMenu::clkEditFixtureDefinition_Click(2);
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral(" Error in Edit Fixture: ")));
    EXPECT_EQ(loadedForm<Light_Editor>(), nullptr);
}

TEST_F(FixtureMenu, aDoubleClickOpensThePropertiesOfTheFixtureUnderThePointer) {
    click(surface(), Qt::LeftButton, centreOf(3));
    mouse(surface(), QEvent::MouseButtonDblClick, Qt::LeftButton, centreOf(3));
    mouse(surface(), QEvent::MouseButtonRelease, Qt::LeftButton, centreOf(3));
    EXPECT_EQ(layout.currentFixtureNumber, 3);
    frmFixtureProperties* p = shownProperties();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->myFixtureNumber, 3);
    EXPECT_EQ(p->lblFixturealias->text(), QStringLiteral("Fixture Name: Fixture 3"));
}

TEST_F(FixtureMenu, thePropertiesLinesActOnTheFixtureShownWhateverIsCurrent) {
    shell().patch().showFixtureProperties(2);
    frmFixtureProperties& p = form<frmFixtureProperties>();
    click(surface(), Qt::LeftButton, centreOf(1)); // another fixture becomes current
    ASSERT_EQ(layout.currentFixtureNumber, 1);

    auto& names = t.get().provide<SupportService>(std::make_unique<TypedFixtureNames>());
    names.answers = {QStringLiteral("Truss left")};
    click(*p.lblFixturealias);
    EXPECT_EQ(names.asked, std::vector<int32_t>{2});
    EXPECT_EQ(m.fixtureName[2], QStringLiteral("Truss left"));
    EXPECT_EQ(m.channelFixtureLabel[20], QStringLiteral("Truss left"));
    EXPECT_EQ(m.fixtureName[1], QStringLiteral("Fixture 1"));
    EXPECT_EQ(p.lblFixturealias->text(), QStringLiteral("Fixture Name: Truss left"));

    click(*p.lblFixturealias); // cancelled: nothing changes
    EXPECT_EQ(m.fixtureName[2], QStringLiteral("Truss left"));

    click(*p.lblFixtureName);
    ASSERT_NE(shownEditor(), nullptr);
    EXPECT_EQ(&profileEditorSession().editedProfile(), &m.lightClass(wash));

    click(*p.lblStartChannel);
    EXPECT_FALSE(p.isVisible());
    NewWhat* patchWindow = loadedForm<NewWhat>();
    ASSERT_NE(patchWindow, nullptr);
    EXPECT_TRUE(patchWindow->isVisible());
    EXPECT_EQ(patchWindow->windowTitle(), QStringLiteral("Dmx Configuration"));
}

} // namespace
