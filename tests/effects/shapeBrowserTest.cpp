#include "effects/effectsEngine.h"
#include "effects/shapePreview.h"
#include "effects/ui/dialogFileShapes.h"
#include "platform/byteRecord.h"
#include "shell/services/consoleService.h"
#include "shell/services/patchService.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"
#include "support/layoutCheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The console as the browser calls it: every shape load and GO recorded.
struct RecordingConsole : ConsoleService {
    struct Load {
        bool append;
        QString path;
    };
    std::vector<Load> loads;
    std::vector<int32_t> played;
    bool answer = true;
    bool ShapeGenerator(bool append, const QString& file, int32_t x, int32_t y, int32_t cx, int32_t cy) override {
        EXPECT_EQ(x | y | cx | cy, 0);
        loads.push_back({append, file});
        return answer;
    }
    void play(int32_t playback, bool fromChaser) override {
        EXPECT_TRUE(fromChaser);
        played.push_back(playback);
    }
};

QByteArray shapeBytes(int16_t count, const std::vector<std::pair<int16_t, int16_t>>& steps, int trailer = 3) {
    ByteWriter w;
    w.i16(count);
    for (auto [pan, tilt] : steps) {
        w.i16(pan);
        w.i16(tilt);
    }
    QByteArray b = w.bytes();
    b.append(QByteArray(trailer, '\0'));
    return b;
}

struct Browser {
    TestShell ts;
    RecordingConsole& console = ts.get().provide<ConsoleService>(std::make_unique<RecordingConsole>());
    QString shapes = ts.folder() + QStringLiteral("/Shapes/");
    Browser() {
        QDir(ts.folder()).mkpath(QStringLiteral("Shapes"));
        ts.get().engine<EffectsEngine>();
        attachShapeBrowser(ts.get());
        // A sound four-step shape: pan 10, 20, 30, 40, tilt 50.
        write("circle.YSH", shapeBytes(4, {{10, 50}, {20, 50}, {30, 50}, {40, 50}}));
        write("lower.ysh", shapeBytes(4, {{10, 50}, {20, 50}, {30, 50}, {40, 50}}));
        write("short.YSH", shapeBytes(5, {{1, 1}, {2, 2}})); // says 5 steps, holds 2
        write("empty.YSH", shapeBytes(0, {}));
        write("notes.txt", "not a shape");
    }
    void write(const QString& name, const QByteArray& bytes) { ASSERT_TRUE(writeWholeFile(shapes + name, bytes)); }
    QListWidgetItem* item(dialogFileShapes& w, const QString& name) {
        const auto found = w.File1->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
};

} // namespace

TEST(ShapeBrowser, ListsTheShapeFilesWithPicturesOnlyForSoundUpperCaseOnes) {
    Browser b;
    b.ts.get().effects().showShapeBrowser(false);
    dialogFileShapes* w = loadedForm<dialogFileShapes>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Load New Shape"));
    ASSERT_EQ(w->File1->count(), 4);
    EXPECT_EQ(w->File1->item(0)->text(), QStringLiteral("circle.YSH")); // sorted without regard to case
    EXPECT_FALSE(b.item(*w, "circle.YSH")->icon().isNull());
    for (const char* unseen : {"lower.ysh", "short.YSH", "empty.YSH"})
        EXPECT_TRUE(b.item(*w, unseen)->icon().isNull()) << unseen;
    EXPECT_FALSE(b.item(*w, "short.YSH")->toolTip().isEmpty());
    EXPECT_EQ(b.item(*w, "notes.txt"), nullptr);
}

TEST(ShapeBrowser, DrawsTheChosenPathAndRefusesDamagedFiles) {
    Browser b;
    dialogFileShapes& w = form<dialogFileShapes>();
    ASSERT_TRUE(w.selectFile(QStringLiteral("circle.YSH")));
    const auto& drawn = w.Picture1->shape();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].x, 2450); // (255 - 10) x 10 twips
    EXPECT_EQ(drawn[0].y, 2050);
    EXPECT_EQ(drawn[3].x, 2150);
    // A lower-case extension is listed but not drawn: the last drawing stays.
    ASSERT_TRUE(w.selectFile(QStringLiteral("lower.ysh")));
    EXPECT_EQ(w.Picture1->shape().size(), 4u);
    for (const char* damaged : {"short.YSH", "empty.YSH"}) {
        ASSERT_TRUE(w.selectFile(QString::fromLatin1(damaged)));
        EXPECT_TRUE(w.Picture1->shape().empty()) << damaged;
        EXPECT_FALSE(w.lblStatus->text().isEmpty()) << damaged;
    }
}

TEST(ShapeBrowser, ReadsNoFileLargerThanAnyStepCountAllows) {
    Browser b;
    QByteArray huge = shapeBytes(32767, {});
    huge.resize(5 + 4 * 32767 + 4096);
    b.write("huge.YSH", huge);
    b.write("long.YSH", shapeBytes(1, {{0, 0}}, 9)); // a sound step count, then too many bytes
    std::vector<shapePreview::Point> steps{{1, 1}};
    QString why;
    for (const char* name : {"huge.YSH", "long.YSH", "missing.YSH"}) {
        EXPECT_FALSE(shapePreview::loadPreviewShape(b.shapes + name, steps, &why)) << name;
        EXPECT_FALSE(why.isEmpty());
        EXPECT_EQ(steps.size(), 1u) << "a refused file changes nothing";
    }
}

TEST(ShapeBrowser, ApplyHandsTheFileToTheConsoleAndClosesUnlessKeptOpen) {
    Browser b;
    struct GroupMenuPatch : PatchService {
        int popups = 0;
        void popupGroupMenuAtPointer() override { ++popups; }
    };
    auto& patch = b.ts.get().provide<PatchService>(std::make_unique<GroupMenuPatch>());
    b.ts.get().state.currentPlayback = 3;
    b.ts.get().effects().showShapeBrowser(true);
    dialogFileShapes* w = loadedForm<dialogFileShapes>();
    ASSERT_NE(w, nullptr);
    // The fixtures are chosen by group from the browser itself.
    w->selectFixtures->click();
    EXPECT_EQ(patch.popups, 1);
    ASSERT_TRUE(w->selectFile(QStringLiteral("circle.YSH")));
    w->chkKeepWindowOpen->setChecked(true);
    w->btnOk->click();
    w->btnOk->click();
    ASSERT_EQ(b.console.loads.size(), 2u);
    for (const auto& load : b.console.loads) {
        EXPECT_TRUE(load.append);
        EXPECT_EQ(QFileInfo(load.path).canonicalFilePath(), QFileInfo(b.shapes + "circle.YSH").canonicalFilePath());
    }
    EXPECT_EQ(b.console.played, (std::vector<int32_t>{3, 3}));
    EXPECT_TRUE(w->isVisible());
    // A load the console refuses starts nothing; the browser closes and unloads.
    b.console.answer = false;
    w->chkKeepWindowOpen->setChecked(false);
    w->btnOk->click();
    EXPECT_EQ(b.console.played.size(), 2u);
    EXPECT_FALSE(w->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<dialogFileShapes>(), nullptr);
}

TEST(ShapeBrowser, PreviewBitmapsAreRewrittenForEverySoundShape) {
    Browser b;
    const QString bitmaps = b.ts.folder() + QStringLiteral("/Images/Shapes/");
    QDir().mkpath(bitmaps);
    ASSERT_TRUE(writeWholeFile(bitmaps + "circle.bmp", "stale"));
    b.ts.get().effects().updateShapePictures();
    const QImage preview(bitmaps + "circle.bmp");
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.size(), QSize(172, 172));
    const QStringList written = QDir(bitmaps).entryList(QDir::Files);
    EXPECT_EQ(written, QStringList{QStringLiteral("circle.bmp")});
    // Made without the browser: none is left loaded.
    EXPECT_EQ(loadedForm<dialogFileShapes>(), nullptr);
}

TEST(ShapeBrowser, AnEmptyOrMissingShapesFolderListsNothing) {
    TestShell ts;
    ts.get().engine<EffectsEngine>();
    attachShapeBrowser(ts.get());
    ts.get().effects().updateShapePictures();
    ts.get().effects().showShapeBrowser(false);
    dialogFileShapes* w = loadedForm<dialogFileShapes>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->File1->count(), 0);
    w->btnOk->click(); // nothing chosen: nothing applied, nothing fails
    EXPECT_FALSE(QDir(ts.folder() + "/Images/Shapes").exists());
}

TEST(ShapeBrowser, LayoutHoldsAtBothFontSizes) {
    Browser b;
    dialogFileShapes& w = form<dialogFileShapes>();
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(w, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";
}
