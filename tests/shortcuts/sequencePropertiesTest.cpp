// The Sequence Properties dialog offscreen, opened and saved through the
// pages' service as the console and the wing reach it.

#include "shell/services/shortcutsService.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/shortcutsTestSupport.h"
#include "shortcuts/ui/sequenceProperties.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "support/layoutCheck.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

struct PropertiesDesk {
    PagesShell t;
    PropertiesDesk() {
        registerShortcuts(t.get());
        t.get().state.currentPlayback = 2;
        t.get().engine<ShortcutPages>().currentPageButtonCount = 6;
    }
    sequenceProperties* open() {
        t.get().shortcuts().showSequenceProperties(2);
        return loadedForm<sequenceProperties>();
    }
};

void key(QWidget* w, QEvent::Type type, int code, const QString& text = {}) {
    QKeyEvent e(type, code, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(SequenceProperties, TheWingsNameIsSavedAsAButtonOfTheShownPage) {
    PropertiesDesk d;
    EXPECT_FALSE(d.t.get().shortcuts().sequencePropertiesVisible());
    sequenceProperties* w = d.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Sequence Properties");
    EXPECT_EQ(w->txtButtonName->text(), "Enter Sequence Button Name Here");
    EXPECT_TRUE(w->optPlayStart[0]->isChecked()); // "Auto Start"
    EXPECT_TRUE(d.t.get().shortcuts().sequencePropertiesVisible());
    EXPECT_EQ(d.t.get().shortcuts().currentPageButtonCount(), 6);

    d.t.get().shortcuts().saveSequenceProperties(QStringLiteral("Sequence 7"));
    EXPECT_FALSE(w->isVisible()); // Save only hides it
    EXPECT_EQ(loadedForm<sequenceProperties>(), w);
    EXPECT_EQ(d.t.playback->saved, QStringList{"2|2|1|0|Sequence 7"});
    EXPECT_TRUE(d.t.get().engine<ShortcutPages>().flashButton);
    EXPECT_EQ(d.t.show->saves, 1);
}

TEST(SequenceProperties, NamesTable) {
    const struct {
        const char* typed; // null: the placeholder left as it is
        const char* saved;
    } cases[] = {
        {nullptr, "Sequence  7"}, // the next button's number, a blank where the sign stands
        {"  Intro / Verse ", "Intro & Verse"},
        {"   ", ""}, // empty: the playback engine asks for the file itself
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        PropertiesDesk d;
        sequenceProperties* w = d.open();
        ASSERT_NE(w, nullptr);
        if (c.typed) w->txtButtonName->setText(QString::fromLatin1(c.typed));
        w->saveButton->click();
        ASSERT_EQ(d.t.playback->saved.size(), 1);
        EXPECT_EQ(d.t.playback->saved[0].section(QLatin1Char('|'), 4), QString::fromLatin1(c.saved));
    }
}

TEST(SequenceProperties, ALoadedSequenceKeepsItsNameAndStartMethodAndDoesNotFlash) {
    PropertiesDesk d;
    d.t.playback->loaded[2] = d.t.showFolder() + QStringLiteral("/Intro.YSQ");
    sequenceProperties* w = d.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->txtButtonName->text(), "Intro");
    EXPECT_TRUE(w->optPlayStart[2]->isChecked()); // the playback waits for GO: "Manual Start"
    w->optSaveOption[1]->setChecked(true);
    d.t.get().shortcuts().saveSequenceProperties(QString());
    EXPECT_EQ(d.t.playback->saved, QStringList{"2|2|0|1|Intro"});
    EXPECT_FALSE(d.t.get().engine<ShortcutPages>().flashButton);
}

TEST(SequenceProperties, TypingClearsThePlaceholderAndEnterSaves) {
    PropertiesDesk d;
    sequenceProperties* w = d.open();
    ASSERT_NE(w, nullptr);
    key(w->txtButtonName, QEvent::KeyPress, Qt::Key_W, QStringLiteral("W"));
    EXPECT_EQ(w->txtButtonName->text(), "W");
    key(w->txtButtonName, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(d.t.playback->saved, QStringList{"2|2|1|0|W"});
    // Cancel unloads it; the wing's save then finds nothing to press.
    d.open()->CancelButton->click();
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<sequenceProperties>(), nullptr);
    d.t.get().shortcuts().saveSequenceProperties(QStringLiteral("Sequence 7"));
    EXPECT_EQ(d.t.playback->saved.size(), 1);
}

TEST(SequenceProperties, LayoutHoldsAtBothFontSizes) {
    PropertiesDesk d;
    sequenceProperties* w = d.open();
    ASSERT_NE(w, nullptr);
    for (int points : {9, 14})
        EXPECT_EQ(layoutCheck::problemsAtFontSize(*w, points).join(QLatin1Char('\n')).toStdString(), "")
            << points << " pt";
}
