#pragma once
// The fog and haze control window. It shows the fog engine (FogControl); its
// controls come with the fog controller itself.

#include <QWidget>
#include <cstdint>
#include <vector>

class frmFogControl : public QWidget {
    Q_OBJECT
public:
    explicit frmFogControl(QWidget* parent = nullptr);

    // The engine's per-channel list.
    const std::vector<int32_t>& foggers() const;
};

class Shell;
// Attaches the fog window to the fog engine (called when effects start).
void attachFogWindow(Shell& s);
