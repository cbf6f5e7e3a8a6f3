#pragma once
// Draws one FixtureIcon: frame, picture, name label, colour swatch, gobo and
// dimmer label, from the engine's state in twips (15 per pixel). Presses go
// through to the layout window, whose hit test decides.

#include <QPixmap>
#include <QWidget>

class FixtureIcon;
class QFontMetrics;

// The name as the icon's label shows it in width pixels: whole when it fits;
// otherwise the patch's trailing fixture number stays whole and the rest is
// cut at its end ("Generic R… 3"), and a name without one (an alias) is cut
// at its end. Never cut at the front.
QString fixtureLabelText(const QString& name, const QFontMetrics& metrics, int width);

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
