#pragma once
// Proportional resizing of a window's controls: the controls tagged "Size"
// are recorded once after loading and scaled on every resize by the ratio of
// the window's size to the recorded one; labels and text boxes get larger
// fonts when the window grows, never smaller ones. Sizes are kept in 32 bits
// (a wide window overflows 16-bit twips), and a window recorded with no
// height or width is not scaled.

#include <QString>
#include <cstdint>
#include <vector>

struct SizedControl {
    enum Kind { Other, Label, TextBox, ComboBox };
    int32_t tabIndex = 0;
    QString name, tag;
    Kind kind = Other;
    int32_t left = 0, top = 0, width = 0, height = 0; // twips
    float fontSize = 0;
};

class ClsSizeFormControls {
public:
    struct ControlPosition {
        int32_t tabIndex = 0;
        QString name;
        int32_t left = 0, top = 0, width = 0, height = 0;
        float fontSize = 0;
    };

    void GetLocation(const std::vector<SizedControl>& controls, int32_t formWidth, int32_t formHeight);
    void ResizeControls(std::vector<SizedControl>& controls, int32_t formWidth, int32_t formHeight);
    int16_t SetFontSize() const;
    int16_t SetFontSizeNew(float size) const;

    std::vector<ControlPosition> controlPositions;
    int32_t formHeight = 0, formWidth = 0;
    double heightRatio = 1, widthRatio = 1;
};
