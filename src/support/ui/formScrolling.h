#pragma once
// clsScrolling on a real window: its child widgets in creation order become
// the controls (in twips, 15 per pixel), a widget's "tag" property its Tag,
// and the two QScrollBars its bars. The scroll-bar colour needs no window
// hook here: a window names its bars in its style sheet.

#include "support/clsScrolling.h"

class QScrollBar;
class QWidget;

class formScrolling {
public:
    formScrolling(QWidget& window, QScrollBar& vScroll, QScrollBar& hScroll);

    clsScrolling scrolling;

    // Measures the window's controls (on load with firstTime, and on resize).
    void initializeMe();
    // Places and ranges the bars for the window's size.
    void formResize();
    // Moves the ordinary controls, or those tagged "Shortcut", to follow the bars.
    void pScrollForm();
    void pScrollFormSpecial();

private:
    QWidget& window;
    QScrollBar& v;
    QScrollBar& h;
    std::vector<QWidget*> children() const;
    std::vector<clsScrolling::Control> controls() const;
    void apply(const std::vector<clsScrolling::Control>& moved);
    clsScrolling::Bar bar(const QScrollBar& b) const;
};
