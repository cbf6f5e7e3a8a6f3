#pragma once
// The arithmetic of a window that scrolls its own controls with two bars of
// its own (a vertical one at the right edge, a horizontal one along the
// bottom): how far the content reaches, how the bars are placed and ranged
// for the window's size, and how the controls follow the bars. Used where a
// window keeps positions it computes itself (shortcut buttons); windows on
// layouts scroll through QScrollArea. All values in twips.

#include <QString>
#include <cstdint>
#include <vector>

class clsScrolling {
public:
    // What kind of control: the ordinary ones move with pScrollForm.
    enum class Kind { Label, Image, Shape, TextBox, Wheel, UpDown, Other };
    struct Control {
        int32_t left = 0, top = 0, width = 0, height = 0;
        bool visible = true;
        // False for controls without a place (menus, timers).
        bool hasPosition = true;
        QString tag;
        Kind kind = Kind::Other;
    };
    struct Bar {
        int32_t left = 0, width = 0, height = 0;
        bool visible = true, enabled = true;
        int16_t min = 0, max = 0, value = 0, smallChange = 1, largeChange = 1;
    };
    // The window: outer size (frame and title included) and inner size.
    struct Window {
        int32_t width = 0, height = 0, scaleWidth = 0, scaleHeight = 0;
    };

    int16_t fullHeight = 0, fullWidth = 0, lastVScroll = 0, lastHScroll = 0;

    // Measures the content of the controls, in the window's control order,
    // with a margin of 4000 twips. A container lists no controls: pass none
    // for it.
    void initializeMe(const std::vector<Control>& controls);
    // Places, shows or enables, and ranges the two bars for the window's
    // size. twipsX/twipsY: the screen's twips per pixel.
    void formResize(const Window& window, Bar& vScroll, Bar& hScroll, int32_t twipsX = 15, int32_t twipsY = 15) const;
    // Moves the ordinary controls (labels, images, shapes, text boxes,
    // wheels, up-downs not tagged "nomove") to follow both bars.
    void pScrollForm(std::vector<Control>& controls, const Bar& vScroll, const Bar& hScroll);
    // Moves the controls tagged "Shortcut" to follow both bars.
    void pScrollFormSpecial(std::vector<Control>& controls, const Bar& vScroll, const Bar& hScroll);
    // The exact extents, without margin, plus the bars' thickness.
    void GetFullSize(const std::vector<Control>& controls, const Bar& vScroll, const Bar& hScroll);

private:
    template <typename Select> void move(std::vector<Control>& controls, const Bar& v, const Bar& h, Select select);
};
