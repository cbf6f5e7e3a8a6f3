#include "platform/byteRecord.h"
#include "shell/services/patchService.h"
#include "shell/ui/Main.h"
#include "shell/ui/programWindows.h"
#include "shell/ui/windowRegistry.h"
#include "shell/ui/workspace.h"
#include "shell/workspaceFile.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {
std::vector<workspaceFile::WindowPlace> threeWindows() {
    return {{"Main", 150, 300, 1500, 6000}, {"About", 1500, 0, 3000, 4500}, {"Progress", 30, 45, 600, 3000}};
}
} // namespace

TEST(WorkspaceFile, RecordsAreFixedAndCarryTheirRunningNumber) {
    const QByteArray bytes = workspaceFile::encode(threeWindows(), QStringLiteral("gig.YCF"));
    ASSERT_EQ(bytes.size(), 1137);
    for (int k = 0; k < 3; ++k) {
        ByteReader r(bytes, k * 379 + workspaceFile::countOffset);
        EXPECT_EQ(r.i32(), k + 1);
        ByteReader show(bytes, k * 379 + 70);
        EXPECT_EQ(show.fixedText(255).trimmed(), QStringLiteral("gig.YCF"));
        EXPECT_EQ(bytes.mid(k * 379 + 329, 50), QByteArray(50, '\0'));
    }
    ByteReader first(bytes);
    EXPECT_EQ(first.i32(), 150);
    EXPECT_EQ(first.i32(), 300);
    EXPECT_EQ(first.i32(), 1500);
    EXPECT_EQ(first.i32(), 6000);
    EXPECT_EQ(first.fixedText(50), QStringLiteral("Main").leftJustified(50, QLatin1Char(' ')));
}

TEST(WorkspaceFile, TheCountComesFromTheLengthNotFromTheStoredCounts) {
    QByteArray bytes = workspaceFile::encode(threeWindows(), QString());
    // A record count that lies, and an empty record in the middle.
    QByteArray count;
    ByteWriter(&count).i32(100000);
    bytes.replace(2 * 379 + workspaceFile::countOffset, 4, count);
    bytes.replace(379 + 16, 50, QByteArray(50, ' '));
    QString error;
    const auto places = workspaceFile::decode(bytes, &error);
    ASSERT_TRUE(places);
    ASSERT_EQ(places->size(), 2u);
    EXPECT_EQ((*places)[0].name, QStringLiteral("Main"));
    EXPECT_EQ((*places)[1].name, QStringLiteral("Progress"));
    EXPECT_EQ((*places)[1].width, 3000);
}

TEST(WorkspaceFile, ADamagedFileIsRefused) {
    const QByteArray whole = workspaceFile::encode(threeWindows(), QString());
    for (const int length : {0, 1, 378, 380, 1136}) {
        QString error;
        EXPECT_FALSE(workspaceFile::decode(whole.left(length), &error)) << length;
        EXPECT_TRUE(error.contains(QStringLiteral("damaged"))) << length;
    }
}

namespace {
// A tool window of another subsystem, opened through its service.
class FixtureListStub : public QWidget {
public:
    FixtureListStub() { setObjectName(QStringLiteral("FixtureList")); }
};
struct PatchWithFixtureList : PatchService {
    void showFixtureList() override { form<FixtureListStub>().show(); }
};
} // namespace

TEST(Workspace, SavedWindowsComeBackAndClosedToolWindowsOpenInPlace) {
    TestShell t;
    t.get().provide<PatchService>(std::make_unique<PatchWithFixtureList>());
    form<Main>().setGeometry(20, 10, 400, 100);
    form<FixtureListStub>().setGeometry(100, 200, 300, 150);
    form<Progress>().setGeometry(3, 2, 200, 40);
    form<About>(); // loaded but hidden: not saved
    for (QWidget* w : windows().loadedForms())
        if (w->objectName() != QLatin1String("About")) w->show();
    const QString path = t.folder() + QStringLiteral("/Current Workspace.YWS");
    t.prompts().files = {path};
    workspace::saveWorkspace();
    ASSERT_EQ(readWholeFile(path).size(), 1137);

    form<Main>().setGeometry(300, 300, 50, 50);
    unloadForm<FixtureListStub>();
    unloadForm<Progress>();
    t.prompts().files = {path};
    workspace::loadWorkspace();
    EXPECT_EQ(form<Main>().geometry(), QRect(20, 10, 400, 100));
    ASSERT_NE(loadedForm<FixtureListStub>(), nullptr);
    EXPECT_EQ(loadedForm<FixtureListStub>()->geometry(), QRect(100, 200, 300, 150));
    EXPECT_TRUE(loadedForm<FixtureListStub>()->isVisible());
    // A closed window that no tool command opens is reported, not made.
    EXPECT_EQ(loadedForm<Progress>(), nullptr);
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages.front().contains(QStringLiteral("Progress")));
}

TEST(Workspace, UnknownNamesAndTheFrameAreNotOpenedAndDamagedFilesAreRefused) {
    TestShell t;
    const QString path = t.folder() + QStringLiteral("/w.YWS");
    ASSERT_TRUE(writeWholeFile(path, workspaceFile::encode({{"frmPlayBackManager", 0, 0, 1500, 1500},
                                                            {"QFileDialog", 0, 0, 1500, 1500}},
                                                           QString())));
    t.prompts().files = {path};
    workspace::loadWorkspace();
    EXPECT_TRUE(windows().loadedForms().empty());
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages.front().contains(QStringLiteral("QFileDialog")));
    EXPECT_FALSE(t.prompts().messages.front().contains(QStringLiteral("frmPlayBackManager")));

    ASSERT_TRUE(writeWholeFile(path, QByteArray(400, 'x')));
    t.prompts().files = {path};
    workspace::loadWorkspace();
    EXPECT_TRUE(t.prompts().messages.back().contains(QStringLiteral("damaged")));
    EXPECT_TRUE(windows().loadedForms().empty());
}
