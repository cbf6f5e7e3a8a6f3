// The pixel matrix window in the running console: a patched 8 x 8 RGB
// matrix, a gradient effect sent to the current playback and played at a
// fake USB-to-DMX interface.

#include "app/console.h"
#include "runningDesk.h"
#include "console/ui/ConsoleBand.h"
#include "matrix/matrixEngine.h"
#include "matrix/matrixPixels.h"
#include "matrix/ui/frmBrumalMatrix.h"
#include "matrix/ui/frmMatrixAddressing.h"
#include "output/DmxOutput.h"
#include "platform/artNetSender.h"
#include "platform/clock.h"
#include "platform/deviceArrival.h"
#include "platform/fileSystem.h"
#include "platform/ftdiPort.h"
#include "platform/midiPorts.h"
#include "platform/monitors.h"
#include "platform/portIo.h"
#include "platform/tickTimer.h"
#include "playback/playbackFrame.h"
#include "profiles/ClsFixture.h"
#include "shell/services/playbackService.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"
#include "support/layoutCheck.h"
#include "matrix/gifMaker.h"
#include "matrix/ui/matrixWidgets.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A matrix of RGB pixels (dimmer, red, green, blue) from channel 1, 8 x 8 unless told.
void patchStage(ChannelModel& m, int columns = 8, int rows = 8) {
    ClsFixture& p = m.lightClass(1);
    p.taken = true;
    p.Name = QStringLiteral("Pixel");
    p.ChannelsUsed = 4;
    const QString types[] = {QStringLiteral("dimmer"), QStringLiteral("red"), QStringLiteral("green"),
                             QStringLiteral("blue")};
    for (int c = 1; c <= 4; ++c) p.setChannel_prop(c, types[c - 1]);
    p.setRedChannel(2);
    p.setGreenChannel(3);
    p.setBlueChannel(4);
    m.lightClassCount = std::max(m.lightClassCount, 1);
    for (int n = 0; n < columns * rows; ++n) {
        const int32_t f = ++m.fixtureCount;
        const int32_t start = 1 + 4 * n;
        for (int c = 0; c < 4; ++c) m.channelType[start + c] = types[c];
        m.fixtureStartChannel[size_t(f)] = int16_t(start);
        m.fixtureLightClass[size_t(f)] = 1;
        m.fixtureName[f] = QStringLiteral("Pixel %1").arg(n + 1);
        m.fixtureView[f] = QStringLiteral("Stage");
        m.fixtureMatrixMarker[f] = matrixPixels::marker;
        m.fixtureMatrixName[f] = QStringLiteral("Stage");
        m.fixtureMatrixColumn[size_t(f)] = n % columns + 1;
        m.fixtureMatrixRow[size_t(f)] = n / columns + 1;
    }
}

// A release of the left button in the middle of a widget.
void releaseOn(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// Files dropped from the desktop onto a list.
void dropOn(QListWidget* list, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& f : files) urls << QUrl::fromLocalFile(f);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
}

} // namespace

TEST(MatrixConsole, aGradientSentToThePlaybackReachesTheInterfacePixelByPixel) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    console::Console c(dir.path(), runningDesk::scriptedServices());
    c.start();
    QApplication::processEvents();
    Shell& s = c.shell();
    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    patchStage(s.state);

    // From the main window's menu.
    Main& main = c.mainWindow();
    main.updateMenuStates();
    QAction* entry = main.menuEntry(QStringLiteral("Brumal Matrix "));
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isEnabled()) << entry->toolTip().toStdString();
    entry->trigger();
    QApplication::processEvents();
    frmBrumalMatrix* window = loadedForm<frmBrumalMatrix>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(*window, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";

    // The matrix from the drop-down, then a gradient, steps without fades.
    QMenu* matrices = window->cmboMatrixList->menu();
    emit matrices->aboutToShow();
    ASSERT_EQ(matrices->actions().size(), 1);
    matrices->actions().front()->trigger();
    EXPECT_EQ(window->cmboMatrixList->text(), QStringLiteral("Stage"));
    EXPECT_EQ(window->txtX->text(), QStringLiteral("8"));
    for (QLineEdit* box : ConsoleBand::shown()->txtfadeTime) box->setText(QStringLiteral("0"));
    window->cmdColor->click();
    window->cmdOption->click();
    const int32_t playback = s.state.currentPlayback;
    ASSERT_EQ(s.playback().getMaxSteps(playback), 10) << "one step per frame";

    // GO, and the ticks send step 1.
    window->cmdPlay->click();
    runningDesk::runTicks(s, 4);
    QApplication::processEvents();
    const auto frames = port.frames();
    ASSERT_FALSE(frames.empty());
    auto level = [&](int channel) { return int(frames.back()[size_t(2 + channel)]); };
    for (int row = 0; row < 8; ++row) {
        const int left = 1 + 4 * (row * 8), right = 1 + 4 * (row * 8 + 7);
        EXPECT_GT(level(left + 1), 200) << "row " << row << ": red on the left";
        EXPECT_LT(level(left + 3), 60) << "row " << row;
        EXPECT_GT(level(right + 3), 200) << "row " << row << ": blue on the right";
        EXPECT_LT(level(right + 1), 60) << "row " << row;
    }
    // The grid shows the pixels while the window is open.
    EXPECT_NE(window->engine().cellColour(0, 0), -1);

    // Edit Matrix opens the addressing window on the same matrix.
    window->cmdEditMatrix->click();
    QApplication::processEvents();
    frmMatrixAddressing* addressing = loadedForm<frmMatrixAddressing>();
    ASSERT_NE(addressing, nullptr);
    EXPECT_TRUE(addressing->isVisible());
    EXPECT_EQ(addressing->lblMatrixName->text(), QStringLiteral("Stage"));
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(*addressing, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";
}

TEST(MatrixConsole, textPicturesAndGifsReachTheInterface) {
    QTemporaryDir dir, desk;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    console::Console c(dir.path(), runningDesk::scriptedServices());
    c.start();
    QApplication::processEvents();
    Shell& s = c.shell();
    FakeFtdiDevice& port = runningDesk::attachInterface(s);
    patchStage(s.state, 16, 8);
    Main& main = c.mainWindow();
    main.updateMenuStates();
    main.menuEntry(QStringLiteral("Brumal Matrix "))->trigger();
    QApplication::processEvents();
    frmBrumalMatrix* window = loadedForm<frmBrumalMatrix>();
    ASSERT_NE(window, nullptr);
    QMenu* matrices = window->cmboMatrixList->menu();
    emit matrices->aboutToShow();
    matrices->actions().front()->trigger();
    ASSERT_EQ(window->txtX->text(), QStringLiteral("16"));
    for (QLineEdit* box : ConsoleBand::shown()->txtfadeTime) box->setText(QStringLiteral("0"));
    const int32_t playback = s.state.currentPlayback;
    auto& prompts = static_cast<FakePrompts&>(s.prompts());
    auto pixel = [&](int x, int y) {
        const int start = 1 + 4 * (y * 16 + x);
        return std::array<int, 3>{runningDesk::lastLevel(port, start + 1), runningDesk::lastLevel(port, start + 2),
                                  runningDesk::lastLevel(port, start + 3)};
    };
    auto play = [&] {
        window->cmdStop->click();
        window->cmdPlay->click();
        runningDesk::runTicks(s, 4);
        QApplication::processEvents();
    };

    // A text on a blue background: its frames become steps, the first one all background.
    window->cmdText->click();
    ASSERT_TRUE(window->frmTextMatrix->isVisible());
    window->TxtMsg->setText(QStringLiteral("HELLO"));
    prompts.colours.push_back(16711680);
    releaseOn(window->PicBackGroundColor);
    window->cmdPreview->click();
    EXPECT_GT(s.playback().getMaxSteps(playback), 16 + 10) << "W + the text's width + 1";
    play();
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{15, 7}, std::pair{7, 3}})
        EXPECT_EQ(pixel(x, y), (std::array<int, 3>{0, 0, 255})) << x << "," << y;

    // A red picture dropped on the image list and chosen.
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString picture = desk.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(red.save(picture));
    window->cmdImage->click();
    dropOn(window->ListView1, {picture});
    ASSERT_EQ(window->ListView1->count(), 1) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(window->ListView1->item(0)->text(), QStringLiteral("red.png"));
    emit window->ListView1->itemClicked(window->ListView1->item(0));
    EXPECT_EQ(s.playback().getMaxSteps(playback), 10);
    play();
    EXPECT_EQ(pixel(3, 4), (std::array<int, 3>{255, 0, 0}));

    // A GIF of a green and a blue frame dropped on the GIF list and chosen.
    const QString gif = desk.filePath(QStringLiteral("two.gif"));
    ASSERT_TRUE(writeWholeFile(gif, gifMaker::make({gifMaker::solid(32, 16, 2), gifMaker::solid(32, 16, 3)})));
    window->cmdGif->click();
    ASSERT_TRUE(window->frmGif->isVisible());
    dropOn(window->gifListView, {gif});
    ASSERT_EQ(window->gifListView->count(), 1);
    emit window->gifListView->itemClicked(window->gifListView->item(0));
    EXPECT_EQ(s.playback().getMaxSteps(playback), 2);
    const int start = 1 + 4 * (2 * 16 + 9); // pixel (9, 2)
    for (int step : {1, 2})
        EXPECT_EQ((std::array<int, 3>{s.playback().sendChaserValueFromPlayback(start + 1, step, playback),
                                      s.playback().sendChaserValueFromPlayback(start + 2, step, playback),
                                      s.playback().sendChaserValueFromPlayback(start + 3, step, playback)}),
                  (step == 1 ? std::array<int, 3>{0, 255, 0} : std::array<int, 3>{0, 0, 255}))
            << "step " << step;
    play();
    EXPECT_TRUE(pixel(9, 2) == (std::array<int, 3>{0, 255, 0}) || pixel(9, 2) == (std::array<int, 3>{0, 0, 255}));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(*window, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";
}
