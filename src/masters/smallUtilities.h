#pragma once
// Two small helpers: a labelled DMX range (from and to value of a profile
// channel's range) and the task-bar helper, which has nothing to do here.

#include <cstdint>

class clsMinMax {
public:
    int32_t MAX() const { return maxValue; }
    void setMAX(int32_t v) { maxValue = v; }
    int32_t min() const { return minValue; }
    void setMin(int32_t v) { minValue = v; }

private:
    int32_t maxValue = 0;
    int32_t minValue = 0;
};

// Showing or hiding the desktop's task bar and start button is the desktop's
// business on Linux (panels belong to the session, not to applications), so
// every method does nothing.
class clsHideBar {
public:
    void ShowStartBar(bool) {}
    void EnableStartBar(bool) {}
    void StartButton(bool) {}
    void ShowTaskbar(bool) {}
};
