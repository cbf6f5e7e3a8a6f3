#pragma once
// The application frame ("DMX Lighting Software"): a multiple-document
// window that shows one playback window per playback of the frame engine
// (PlaybackFrame) and the toolbar. The engine owns the playbacks and the
// refresh tick; this window only mirrors them.

#include "playback/playbackViews.h"

#include <QMainWindow>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class PlaybackFrame;
class PlaybackWindowSlot;
class frmPlayBackControl;

class frmPlayBackManager : public QMainWindow, public PlaybackFrameView {
    Q_OBJECT
public:
    explicit frmPlayBackManager(QWidget* parent = nullptr);
    ~frmPlayBackManager() override;
    QMdiArea* mdiArea() const { return area; }

    // The window of the first playback with this number; null when none.
    frmPlayBackControl* playbackWindow(int32_t playbackNumber) const;
    QMdiSubWindow* subWindowOf(int32_t playbackNumber) const;

    QToolBar* Toolbar1 = nullptr;
    // Toolbar button 1..21 (19 is the spacer); null for other numbers.
    QAction* toolbarButton(int index) const;
    // Enables the buttons whose command can run; the others say so in their tooltip.
    void updateToolbarStates();

    // The frame engine's windows and caption.
    void windowCreated(PlaybackWindowSlot& slot) override { attach(slot); }
    void windowUnloaded(PlaybackWindowSlot& slot) override { detach(slot); }
    void captionChanged(const QString& caption) override { setWindowTitle(caption); }
    bool playbackWindowActive() const override;
    PlaybackWindowSlot* activePlaybackSlot() const override;

    // Every playback window back to dark grey (the activated one colours itself).
    void resetBackColor();

signals:
    // The operator closed the frame.
    void closeRequested();
    // A toolbar button, by index 1..21 (the main window's commands).
    void toolbarButtonClicked(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach(PlaybackWindowSlot& slot);
    void detach(PlaybackWindowSlot& slot);
    void buildToolbar();

    QMdiArea* area = nullptr;
    std::vector<QAction*> toolbarActions;
    PlaybackFrame* frameEngine = nullptr;
    // A playback window's place in the frame: its sub-window.
    class SubWindowView;
    std::map<PlaybackWindowSlot*, QMdiSubWindow*> subWindows;
    std::map<PlaybackWindowSlot*, std::unique_ptr<SubWindowView>> subWindowViews;
};
