#pragma once
// The layout window " Fixture Layout": the plan of the rig with one icon per
// fixture over an optional background picture. It mirrors the layout engine
// and hands it mouse events in twips; menus "Menu", "Groups", "Window" and
// "Matrix".

#include <QMainWindow>
#include <QPixmap>
#include <map>

class LayoutEngine;
class FixtureIconWidget;
class QAction;

class fixtureCanvas;

class fixture : public QMainWindow {
    Q_OBJECT
public:
    explicit fixture(LayoutEngine& engine);
    ~fixture() override;

    // Brings every icon widget in line with the engine (all, or the dirty ones).
    void syncIcons(bool all);
    void popupFixtureMenu(double x, double y);
    // The fixture groups menu at a point of the layout (twips).
    void popupGroupMenu(double x, double y);
    QWidget* surface() const;
    FixtureIconWidget* iconWidget(int fixture) const;

    // Menu commands.
    void background_Click();
    void clearbackground_Click();
    void changeTextBackground_Click();
    void changeTextColor_Click();
    void CloseWindow_Click();
    void setwindowontopmenu_Click();

protected:
    void showEvent(QShowEvent*) override;
    void changeEvent(QEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    friend class fixtureCanvas;
    void loadBackground(const QString& name, bool fromMenu);
    LayoutEngine& engine;
    fixtureCanvas* canvas;
    std::map<int, FixtureIconWidget*> icons;
    QPixmap backgroundPicture;
    QAction* onTopAction = nullptr;
    int lastColour = 0;
    bool joystick = false;
};
