#pragma once
// The application frame ("DMX Lighting Software"): a multiple-document
// window that shows one playback window per playback of the frame engine
// (PlaybackFrame) and the toolbar. The engine owns the playbacks and the
// refresh tick; this window only mirrors them.

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <map>

class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class PlaybackFrame;
class PlaybackWindowSlot;
class frmPlayBackControl;

class frmPlayBackManager : public QMainWindow {
    Q_OBJECT
public:
    explicit frmPlayBackManager(QWidget* parent = nullptr);
    ~frmPlayBackManager() override;
    QMdiArea* mdiArea() const { return area; }

    // The window of the first playback with this number; null when none.
    frmPlayBackControl* playbackWindow(int32_t playbackNumber) const;
    QMdiSubWindow* subWindowOf(int32_t playbackNumber) const;

    QToolBar* Toolbar1 = nullptr;
    // Main window's toolbar commands, by button index 1..21.
    std::function<void(int index)> toolbarButtonClicked;

    // Every playback window back to dark grey (the activated one colours itself).
    void resetBackColor();

signals:
    // The operator closed the frame.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach(PlaybackWindowSlot& slot);
    void detach(PlaybackWindowSlot& slot);
    void buildToolbar();

    QMdiArea* area = nullptr;
    PlaybackFrame* frameEngine = nullptr;
    std::map<PlaybackWindowSlot*, QMdiSubWindow*> subWindows;
};
