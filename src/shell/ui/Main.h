#pragma once
// The main DMX window. Its procedures on the channel model live in
// channelModel, roleResolution and miscGlobalFunctions; the window holds what
// the operator sees.

#include <QMainWindow>
#include <vector>

class QAction;

class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(QWidget* parent = nullptr);

    // One-console mode, read from ylc.ini at start-up: the frame has no
    // caption and the status line is shown on the top bar.
    bool oneConsole = false;
    // The control wing's encoder adjusts the fade time.
    bool wingFadeTimeAdjust = false;
    // Read by the control-wing mapping.
    bool mainHasPanTiltWheels() const { return wingFadeTimeAdjust; }

    // The one road out of the program (the frame's close, the top bar's
    // quit): the save questions, then the confirmation. True when the
    // program ends; startNew is a downloaded installer to start instead.
    bool closeProgram(const QString& startNew = QString());
    // True while the sequence-details box has the focus: keys stay there.
    bool sequenceDetailsHasFocus = false;
    // The programming console's band fills the window below the menus; the
    // window takes ownership.
    void setConsoleBand(QWidget* band);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

public:
    // The frame's toolbar: runs the command of button 1..21.
    void Toolbar1_ButtonClick(int index);
    // Enables the menu entries whose subsystem runs; the others say why not.
    void updateMenuStates();
    // The entry of a menu caption (first match, submenus included); null when none.
    QAction* menuEntry(const QString& caption) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    std::vector<QAction*> commandActions;
};
