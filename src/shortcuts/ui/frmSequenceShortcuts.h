#pragma once
// The shortcut page window: the page tabs above, the buttons of the shown
// page at their stored places (twips, 15 to the pixel) over the group
// rectangles, and the page, button and group menus. It mirrors the engine
// (ShortcutPages) and hands it the operator's input.

#include "shortcuts/shortcutPages.h"

#include <QWidget>
#include <vector>

class QHBoxLayout;
class QPushButton;
class QFrame;
class QSlider;

class frmSequenceShortcuts : public QWidget {
    Q_OBJECT
public:
    frmSequenceShortcuts();
    ~frmSequenceShortcuts() override;
    ShortcutPages& engine();
    // Opens the window: loads the pages the first time.
    void open();
    // The page area (buttons and groups), for tests.
    QWidget* pageArea() const { return area; }
    QPushButton* pageButton(int index) const;
    QPushButton* tab(int index) const;
    // The page press mode's tool button, a group's dimmer and cursor outline (1..10).
    QPushButton* modeButton() const { return cmdLockorStack; }
    QSlider* groupDimmer(int group) const;
    QFrame* groupHighlight(int group) const;
    // The face text of a button: its name, "FADING OUT" while it fades, the
    // lock and audio marks of a playing one.
    static QString faceText(const PageButton& b);
    // Redraws tabs, buttons and groups from the engine.
    void mirror();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The page's size follows the window, so a new button is placed where
    // the window shows it.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buttonMenu(const ShortcutPages::MenuRequest& request);
    bool buttonEvent(int index, QEvent* event);
    void pageMenu(int index, const QPoint& at);
    void groupMenu(const QPoint& areaPoint);
    void openCopyMoveDialog();
    static int px(double twips) { return int(twips / 15.0); }
    QHBoxLayout* tabRow = nullptr;
    std::vector<QPushButton*> tabs;
    QWidget* area = nullptr;
    std::vector<QPushButton*> buttons;
    std::vector<QFrame*> groupFrames;
    std::vector<QSlider*> dimmers;
    std::vector<QFrame*> highlights;
    QPushButton* cmdLockorStack = nullptr;

public:
    // The auto-pilot panel.
    class QListWidget* lstSequences = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdTime = nullptr;
    QPushButton* cmdBeats = nullptr;
    class QLineEdit* txtTime = nullptr;
    class QLineEdit* txtBeats = nullptr;
    // The boxes' up-down arrows.
    class QToolButton* UdTimeUp = nullptr;
    class QToolButton* UdTimeDown = nullptr;
    class QToolButton* UdBeatUp = nullptr;
    class QToolButton* UdBeatDown = nullptr;

private:
    void mirrorAutoPilot();
    bool started = false;
};

// The copy / move dialog of a button.
class frmSequencePageOptions : public QWidget {
    Q_OBJECT
public:
    frmSequencePageOptions(const QString& sourcePage, const QString& buttonName, const QStringList& pages);
    class QLineEdit* txtSequenceName = nullptr;
    class QComboBox* cmdPageList = nullptr;
    QString currentPageName;
    void cmdMove_Click();
};
