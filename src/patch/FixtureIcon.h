#pragma once
// One patched fixture on the layout: what its icon shows (frame, picture,
// name, colour swatch, gobo, dimmer percentage) and the fixture's selection
// state (selected, wing highlight, highlight and solo markings). Plain state
// in twips; the layout window's icon widget mirrors it. Every change that
// alters the picture marks the icon dirty so the window repaints only those.

#include <QString>
#include <array>
#include <cstdint>

class LayoutEngine;

class FixtureIcon {
public:
    // Border colours (blue-green-red).
    static constexpr int32_t normalBorder = 0, highlightBorder = 0xFFFF, wingBorder = 0x80FFFF, soloBorder = 0xC000;
    static constexpr int32_t selectedLabel = 255;

    FixtureIcon(LayoutEngine* host, int32_t index);

    // Public variables.
    QString myFixtureName;
    bool hasDimmer = true;
    bool isMoving = false;
    int32_t mySize = 0;
    int32_t BackColor = 0;
    bool soloMode = false;
    double x_size = 1.0, y_size = 1.0;
    int32_t theWidth = 1245, theHeigth = 915;

    // Placement on the layout, in twips.
    int32_t Left = 0, Top = 0, Width = 1275, Height = 945;
    bool Visible = false;
    QString toolTip;

    // Selection.
    bool isWingHighLight() const { return wingHighlight; }
    void setWingHighLight(bool value);
    bool isSelected() const;
    void setSelected(bool value);
    bool isNewSelected() const;
    void setIsAnyHighLight(bool value) { anyHighlight = value; }
    void setHighlightMode(bool state);
    bool getHighLight() const { return highlight; }
    bool selectedFlag() const { return selected; }

    // Look.
    void setBackcolor(int32_t colour);
    void setShutterState(bool open);
    void changeColor(int32_t colour);
    int32_t GetColor() const { return colour; }
    void changeGobo(const QString& theGobo);
    void changeGobo(const QString& theGobo, bool fileExists); // existence already known
    void changeDimmerValue(int32_t theDimmerValue);
    void setFixtureName(const QString& name);
    void setFixtureIcon(const QString& theIconPath);
    void changesize(double theSizeX, double theSizeY);
    void setSoloMode(bool state);
    void placeInMatrixPixelMode();
    void ResizeControlsOnFixtureIcon(double x, double y);
    int32_t SetFontSizeNew(double size) const;

    // What the widget draws.
    struct Part {
        const char* name;
        int32_t left, top, width, height;
        double fontSize; // labels only, else 0
    };
    enum PartIndex { Shape1, lblIntensity, imgFixtureIcon, lblFixtureName, lblColor, imgGobo, partCount };
    static const std::array<Part, partCount>& designParts();
    struct PartGeometry {
        int32_t left, top, width, height;
        bool visible;
    };
    std::array<PartGeometry, partCount> parts;
    double labelFontSize = 8;
    int32_t borderColour = normalBorder;
    int32_t controlBack = 0;        // the control's own background (green in solo mode)
    int32_t labelBack = 0xFFFFFF;   // back colour of the name label
    int32_t swatchColour = 0;
    QString goboPath;
    QString iconPath;               // the fixture picture last loaded
    QString dimmerCaption = QStringLiteral("0");
    int32_t dimmerValue = 0;
    bool shutterOpen = true;
    bool pixelMode = false;

    int32_t index() const { return number; }
    bool dirty = false;

private:
    void touch();
    LayoutEngine* host;
    int32_t number;
    bool selected = false, highlight = false, wingHighlight = false, anyHighlight = false;
    int32_t colour = 0;
};
