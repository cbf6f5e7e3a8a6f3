#pragma once
// Draws one FixtureIcon: frame, picture, name label, colour swatch, gobo and
// dimmer label, from the engine's state in twips (15 per pixel). Presses go
// through to the layout window, whose hit test decides.

#include <QPixmap>
#include <QWidget>

class FixtureIcon;

class FixtureIconWidget : public QWidget {
public:
    FixtureIconWidget(QWidget* parent, FixtureIcon& icon);
    // Takes position, size, visibility and pictures from the engine state.
    void sync();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    FixtureIcon& icon;
    QString loadedIcon, loadedGobo;
    QPixmap picture, gobo;
};
