#include "shell/ui/Formontop.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace miscGlobalFunctions;

TEST(WindowPlacement, StoresAndRestoresInTwips) {
    TestShell t;
    QWidget w;
    w.setObjectName(QStringLiteral("Submaster"));
    w.move(20, 30);
    w.resize(200, 100);
    EXPECT_EQ(windowPlacement(&w, "SET", ""), QString());
    EXPECT_EQ(t.placement().values.value(QStringLiteral("varneldmx/Startup/Submaster")), QStringLiteral("300,450,3000,1500"));

    QWidget restored;
    restored.setObjectName(QStringLiteral("Submaster"));
    EXPECT_EQ(windowPlacement(&restored, "get", ""), QStringLiteral("300,450,3000,1500"));
    EXPECT_EQ(restored.pos(), QPoint(20, 30));
    EXPECT_EQ(restored.size(), QSize(200, 100));
}

TEST(WindowPlacement, WithoutAUsableValueTheWindowGoesTo100And100) {
    TestShell t;
    const QPoint fallback(7, 7); // 100 twips
    struct Case { const char* stored; bool moved; } cases[] = {
        {nullptr, true},                 // nothing stored
        {"", true},                      // an empty text
        {"abc,0,10,10", true},           // not a number
        {"15,30,oops,10", true},         // a size that is not a number
        {"-50,30,3000,1500", false},     // off-screen: the window stays where it was
    };
    for (const Case& c : cases) {
        t.placement().values.clear();
        if (c.stored) t.placement().values[QStringLiteral("varneldmx/Tools/Probe")] = QString::fromLatin1(c.stored);
        QWidget w;
        w.setObjectName(QStringLiteral("Probe"));
        w.move(40, 40);
        windowPlacement(&w, "GET", "Tools");
        EXPECT_EQ(w.pos(), c.moved ? fallback : QPoint(40, 40)) << (c.stored ? c.stored : "(none)");
    }
}

TEST(WindowPlacement, OffScreenOrEmptyWindowsAreNotStored) {
    TestShell t;
    QWidget w;
    w.setObjectName(QStringLiteral("Far"));
    w.move(-10, 0); // -150 twips
    w.resize(10, 10);
    windowPlacement(&w, "SET", "");
    EXPECT_TRUE(t.placement().values.isEmpty());
}

namespace {
class ToolWindow : public QWidget {
public:
    ToolWindow() { setObjectName(QStringLiteral("ToolWindow")); }
};
class PaletteWindow : public QWidget {
public:
    PaletteWindow() { setObjectName(QStringLiteral("frmPalettes")); }
};
class KeptWindow : public QWidget {
public:
    KeptWindow() { setObjectName(QStringLiteral("Main")); }
};
} // namespace

TEST(UnloadAllForms, KeepsTheNamedWindowAndThePalettes) {
    TestShell t;
    form<ToolWindow>();
    form<PaletteWindow>();
    form<KeptWindow>();
    unloadAllForms(QStringLiteral("Main"));
    EXPECT_EQ(loadedForm<ToolWindow>(), nullptr);
    EXPECT_NE(loadedForm<PaletteWindow>(), nullptr);
    EXPECT_NE(loadedForm<KeptWindow>(), nullptr);
}

TEST(SetFormOnTop, AddsAndRemovesTheStayOnTopHintKeepingTheWindowShown) {
    QWidget w;
    w.show();
    Formontop::setFormOnTop(&w, -1);
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    Formontop::setFormOnTop(&w, -2);
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    QWidget hidden;
    Formontop::setFormOnTop(&hidden, -1);
    EXPECT_FALSE(hidden.isVisible());
    Formontop::setFormOnTop(nullptr, -1);
}
