#include "patch/ui/fixture.h"

#include "platform/ui/keyCodes.h"
#include "patch/fixtureMenu.h"
#include "patch/layoutEngine.h"
#include "patch/ui/fixtureIconWidget.h"
#include "patch/ui/groupMenu.h"
#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/controlService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/matrixService.h"
#include "shell/services/patchService.h"
#include "shell/services/mastersService.h"
#include "shell/shell.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int twipsPerPixel = 15;
QColor bgr(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }
const QString section = QStringLiteral("Fixture Window");
int buttonOf(Qt::MouseButton b) { return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0; }
int buttonsOf(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}
} // namespace

// The window's surface: background, matrix picture, rubber band; the icons
// are its children. Positions reach the engine in twips.
class fixtureCanvas : public QWidget {
public:
    explicit fixtureCanvas(fixture& w) : QWidget(&w), window(w) {
        setObjectName(QStringLiteral("layoutSurface"));
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(false);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x40, 0x40, 0x40));
        if (!window.backgroundPicture.isNull()) p.drawPixmap(rect(), window.backgroundPicture);
        const LayoutEngine& e = window.engine;
        if (e.pctMatrixVisible) {
            const QRect pic(e.pctMatrix.left / twipsPerPixel, e.pctMatrix.top / twipsPerPixel,
                            e.pctMatrix.width / twipsPerPixel, e.pctMatrix.height / twipsPerPixel);
            p.fillRect(pic, Qt::black);
            for (const auto& c : e.matrixCells)
                p.fillRect(QRect(pic.left() + c.left / twipsPerPixel, pic.top() + c.top / twipsPerPixel,
                                 std::max(1, c.width / twipsPerPixel), std::max(1, c.height / twipsPerPixel)),
                           bgr(c.colour));
        }
        if (e.bandShown) {
            p.setPen(QPen(Qt::white, 1, Qt::DotLine));
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p.drawRect(QRectF(QPointF(e.bandX1, e.bandY1) / twipsPerPixel, QPointF(e.bandX2, e.bandY2) / twipsPerPixel)
                           .normalized());
        }
    }
    void resizeEvent(QResizeEvent*) override {
        window.engine.windowWidth = width() * twipsPerPixel;
        window.engine.windowHeight = height() * twipsPerPixel;
        window.engine.setFixturePosition();
    }
    void mousePressEvent(QMouseEvent* e) override {
        const QPointF t = e->position() * twipsPerPixel;
        if (window.engine.pctMatrixVisible && e->button() == Qt::RightButton) {
            const auto& m = window.engine.pctMatrix;
            if (QRectF(m.left, m.top, m.width, m.height).contains(t)) {
                popupMatrixMenu(e->globalPosition().toPoint());
                return;
            }
        }
        window.engine.Form_MouseDown(buttonOf(e->button()), keyCodes::shiftState(e->modifiers()), t.x(), t.y());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const QPointF t = e->position() * twipsPerPixel;
        window.engine.Form_MouseMove(buttonsOf(e->buttons()), keyCodes::shiftState(e->modifiers()), t.x(), t.y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const QPointF t = e->position() * twipsPerPixel;
        window.engine.Form_MouseUp(buttonOf(e->button()), keyCodes::shiftState(e->modifiers()), t.x(), t.y());
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { window.engine.Form_DblClick(); }
    void keyPressEvent(QKeyEvent* e) override { shell().control().shortcutKeyDown(keyCodes::keyCode(*e), keyCodes::shiftState(*e)); }
    void keyReleaseEvent(QKeyEvent* e) override { shell().control().shortcutKeyUp(keyCodes::keyCode(*e), keyCodes::shiftState(*e)); }

private:
    void popupMatrixMenu(const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Edit Matrix"), [] {
            shell().matrix().setMatrixName(layoutEngine().currentFixtureLayer);
            shell().matrix().showMatrixAddressing();
        });
        menu.addAction(QStringLiteral("Delete Matrix"), [] {
            shell().mainWindow().removeMatrix(layoutEngine().currentFixtureLayer);
            shell().masters().refreshCurrentLayer();
        });
        menu.exec(at);
    }
    fixture& window;
};

fixture::fixture(LayoutEngine& e) : engine(e) {
    setObjectName(QStringLiteral("fixture"));
    setWindowTitle(QStringLiteral(" Fixture Layout"));
    canvas = new fixtureCanvas(*this);
    setCentralWidget(canvas);

    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menu"));
    menu->addAction(QStringLiteral("Show Beams Only"));
    menu->addAction(QStringLiteral("Show Beams and Gobos"));
    menu->addAction(QStringLiteral("Background"), this, &fixture::background_Click);
    menu->addAction(QStringLiteral("Clear Background Image"), this, &fixture::clearbackground_Click);
    menu->addAction(QStringLiteral("Change Text Background "), this, &fixture::changeTextBackground_Click);
    menu->addAction(QStringLiteral("Change Text Color"), this, &fixture::changeTextColor_Click);
    menu->addAction(QStringLiteral("Close Window"), this, &fixture::CloseWindow_Click);
    groupMenu::addCommands(menuBar()->addMenu(QStringLiteral("Groups")), this, QStringLiteral("Create New Group"));
    QMenu* windowMenu = menuBar()->addMenu(QStringLiteral("Window"));
    onTopAction = windowMenu->addAction(QStringLiteral("Keep Window On Top"), this, &fixture::setwindowontopmenu_Click);
    onTopAction->setCheckable(true);
    QMenu* matrix = menuBar()->addMenu(QStringLiteral("Matrix"));
    matrix->addAction(QStringLiteral("Edit Matrix"), [] {
        shell().matrix().setMatrixName(layoutEngine().currentFixtureLayer);
        shell().matrix().showMatrixAddressing();
    });
    matrix->addAction(QStringLiteral("Delete Matrix"), [] {
        shell().mainWindow().removeMatrix(layoutEngine().currentFixtureLayer);
        shell().masters().refreshCurrentLayer();
    });

    // Load: the simulation runs when there is a rig, on-top setting,
    // placement in the right half of the screen.
    Shell& s = shell();
    engine.setSimulationEnabled(s.state.fixtureCount > 0);
    engine.keepOnTop = miscGlobalFunctions::readIniValue(s.iniFile(), section, QStringLiteral("On Top"),
                                                         QStringLiteral("False"))
                           .compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
    onTopAction->setChecked(engine.keepOnTop);
    setWindowFlag(Qt::WindowStaysOnTopHint, engine.keepOnTop);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->availableGeometry();
        engine.screenWidth = g.width() * twipsPerPixel;
        engine.screenHeight = g.height() * twipsPerPixel;
        setGeometry(g.left() + g.width() / 2, g.top(), g.width() / 2 - 100 / twipsPerPixel, g.height() / 2);
    }
    const QString picture = miscGlobalFunctions::readIniValue(s.iniFile(), section, QStringLiteral("Filename"), QString());
    if (!picture.isEmpty()) loadBackground(picture, false);
    syncIcons(true);
}

fixture::~fixture() = default;

QWidget* fixture::surface() const { return canvas; }

FixtureIconWidget* fixture::iconWidget(int f) const {
    const auto it = icons.find(f);
    return it == icons.end() ? nullptr : it->second;
}

void fixture::syncIcons(bool all) {
    // Widgets follow the engine's icon array.
    for (auto it = icons.begin(); it != icons.end();) {
        if (it->first >= engine.iconCount()) {
            delete it->second;
            it = icons.erase(it);
        } else {
            ++it;
        }
    }
    auto syncOne = [this](int i) {
        FixtureIcon* ic = engine.icon(i);
        if (!ic) return;
        ic->dirty = false;
        auto found = icons.find(i);
        if (found == icons.end()) found = icons.emplace(i, new FixtureIconWidget(canvas, *ic)).first;
        found->second->sync();
    };
    if (all) {
        for (int i = 1; i < engine.iconCount(); ++i) syncOne(i);
    } else {
        for (int i : engine.dirtyIcons) syncOne(i);
    }
    engine.dirtyIcons.clear();
    canvas->update();
}

void fixture::popupFixtureMenu(double x, double y) {
    const FixtureMenuState state = fixtureMenu::editfixture_Click(engine, engine.spotlightChecked);
    engine.spotlightChecked = state.spotlightChecked;
    QMenu menu(QStringLiteral("Edit Current Fixture"), this);
    menu.addAction(QStringLiteral("Rename Fixture"), this,
                   [this] { fixtureMenu::renamefixture_Click(engine, engine.currentFixtureNumber); });
    menu.addAction(QStringLiteral("View/Edit Start Channel"), this,
                   [this] { shell().patch().showFixtureProperties(engine.currentFixtureNumber); });
    menu.addAction(QStringLiteral("Edit Fixture Definition"), this,
                   [this] { fixtureMenu::clkEditFixtureDefinition_Click(engine.currentFixtureNumber); });
    QMenu* views = menu.addMenu(QStringLiteral("Change Fixture View/Layer"));
    for (const auto& v : state.views) {
        QAction* a = views->addAction(v.caption, this, [this, caption = v.caption] {
            fixtureMenu::clkLayerList_Click(engine, caption);
            engine.setFixturePosition();
        });
        a->setCheckable(true);
        a->setChecked(v.ticked);
    }
    QAction* solo = menu.addAction(QStringLiteral("SOLO/Spotlight Mode"), this, [this] { engine.spotlightModeClick(); });
    solo->setCheckable(true);
    solo->setChecked(state.spotlightChecked);
    QAction* joy = menu.addAction(QStringLiteral("Enable Joystick"), this, [this] { joystick = !joystick; });
    joy->setCheckable(true);
    joy->setChecked(joystick);
    const bool canRemove = shell().mainWindow().canRemoveFixtures();
    QAction* removeMatrix = menu.addAction(QStringLiteral("Remove This MATRIX"), this,
                                           [name = state.matrixToDelete] { shell().mainWindow().removeMatrix(name); });
    QAction* removeFixtures = menu.addAction(QStringLiteral("Remove Currently Selected Fixture(s)"), this,
                                             [] { shell().mainWindow().removeSelectedFixtures(); });
    removeMatrix->setVisible(state.pixel);
    removeFixtures->setVisible(!state.pixel);
    removeMatrix->setEnabled(canRemove);
    removeFixtures->setEnabled(canRemove);
    menu.exec(canvas->mapToGlobal(QPoint(int(x) / twipsPerPixel, int(y) / twipsPerPixel)));
}

void fixture::popupGroupMenu(double x, double y) {
    groupMenu::popup(this, canvas->mapToGlobal(QPoint(int(x) / twipsPerPixel, int(y) / twipsPerPixel)));
}

void fixture::loadBackground(const QString& name, bool fromMenu) {
    Shell& s = shell();
    const QPixmap picture(s.programPath(QStringLiteral("Images\\") + name));
    if (picture.isNull()) {
        if (fromMenu)
            s.prompts().messageBox(QStringLiteral("File Format not recognized ") + name, msgBox::Exclamation,
                                   QStringLiteral("Error"));
        return;
    }
    backgroundPicture = picture;
    // Wider than 7680 HIMETRIC (hundredths of a millimetre at 96 dots per inch).
    const double himetricWidth = picture.width() * 2540.0 / 96.0;
    if (fromMenu && himetricWidth > 7680)
        resize(int(himetricWidth / 1.7) / twipsPerPixel, int(picture.height() * 2540.0 / 96.0 / 1.45) / twipsPerPixel);
    canvas->update();
    if (fromMenu) miscGlobalFunctions::writeIniValue(s.iniFile(), section, QStringLiteral("Filename"), name);
}

void fixture::background_Click() {
    Shell& s = shell();
    FileDialogRequest request;
    request.title = QStringLiteral("Select Background File");
    request.folder = s.programPath(QStringLiteral("Images\\"));
    request.filter = QStringLiteral("Bitmaps (*.BMP *.bmp);;JPEG (*.JPG *.jpg)");
    const QString chosen = s.prompts().openFileName(request);
    const QString name = chosen.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (name.isEmpty()) return;
    loadBackground(name, true);
}

void fixture::clearbackground_Click() {
    backgroundPicture = QPixmap();
    canvas->update();
    miscGlobalFunctions::writeIniValue(shell().iniFile(), section, QStringLiteral("Filename"), QString());
}

void fixture::changeTextBackground_Click() {
    Shell& s = shell();
    const int chosen = s.prompts().chooseColour(lastColour);
    if (chosen >= 0) lastColour = chosen; // the dialog keeps its last colour
    if (lastColour == 255 || lastColour == 0) {
        if (lastColour == 255) s.prompts().messageBox(QStringLiteral("Sorry this is a reserved color"));
        engine.fixtureLabelBackColor = QStringLiteral("16777215");
        return;
    }
    engine.fixtureLabelBackColor = QString::number(lastColour);
    miscGlobalFunctions::writeIniValue(s.iniFile(), section, QStringLiteral("BackColor"), engine.fixtureLabelBackColor);
    for (int i = 1; i <= s.state.fixtureCount; ++i)
        if (FixtureIcon* ic = engine.icon(i)) ic->setBackcolor(lastColour);
    syncIcons(false);
}

void fixture::changeTextColor_Click() {
    Shell& s = shell();
    const int chosen = s.prompts().chooseColour(lastColour);
    if (chosen >= 0) lastColour = chosen;
    engine.fixtureLabelForeColor = QString::number(lastColour);
    miscGlobalFunctions::writeIniValue(s.iniFile(), section, QStringLiteral("ForeColor"), engine.fixtureLabelForeColor);
}

void fixture::CloseWindow_Click() {
    engine.setSimulationEnabled(false);
    hide();
}

void fixture::setwindowontopmenu_Click() {
    engine.keepOnTop = !engine.keepOnTop;
    onTopAction->setChecked(engine.keepOnTop);
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, engine.keepOnTop);
    if (visible) show();
    miscGlobalFunctions::writeIniValue(shell().iniFile(), section, QStringLiteral("On Top"),
                                       engine.keepOnTop ? QStringLiteral("True") : QStringLiteral("False"));
}

void fixture::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    engine.setFixturePosition();
}

void fixture::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) engine.setFixturePosition();
}

void fixture::closeEvent(QCloseEvent* e) {
    // Closing only hides the window; the simulation stops with it.
    engine.setSimulationEnabled(false);
    QMainWindow::closeEvent(e);
}
