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

#include <QCheckBox>
#include <QToolButton>

TEST(SequenceProperties, ArrowsStepTheTimesInTheirFormAndStopAtTheirLimits) {
    using A = SequencePropertiesEngine::Arrow;
    const struct {
        const char* text;
        bool fadeOut;
        A arrow;
        const char* after; // null: the arrow does nothing
    } cases[] = {
        {"59.95", false, A::fineUp, "60.00"},    {"60.00", false, A::fineUp, nullptr},
        {"60.00", false, A::fineDown, nullptr},  {"60.00", false, A::coarseDown, "59.00"},
        {"00.50", false, A::coarseDown, nullptr}, {"00.50", false, A::fineDown, "00.45"},
        {"00.03", false, A::fineDown, nullptr},  {"0.05", true, A::fineDown, "00.00"},
        {"200.00", true, A::coarseUp, "201.00"}, {"200.00", false, A::coarseUp, nullptr},
        {"199.5", false, A::coarseUp, "200.50"}, {"5", false, A::coarseUp, "06.00"},
        {"123", true, A::coarseDown, "122.00"},  {"2.5", true, A::fineUp, "02.55"},
        {"abc", false, A::coarseUp, nullptr},    {"", true, A::fineUp, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QString> next = SequencePropertiesEngine::arrowClick(c.text, c.fadeOut, c.arrow);
        if (c.after) EXPECT_EQ(next, QString::fromLatin1(c.after)) << c.text << " " << int(c.arrow);
        else EXPECT_FALSE(next) << c.text << " " << int(c.arrow);
    }
    EXPECT_EQ(SequencePropertiesEngine::fadeText(0.05), "00.05");
    EXPECT_EQ(SequencePropertiesEngine::fadeText(123), "123.00");
}

TEST(SequenceProperties, TheCrossFadeSectionActsOnTheCurrentPlaybackAtOnce) {
    PropertiesDesk d;
    FakePlayback& pb = *d.t.playback;
    pb.fadeIn[2] = true;
    pb.motionFade[2] = true;
    pb.fadeTimes[2] = {2.5f, 0.0f};
    sequenceProperties* w = d.open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->fadeInCheck->isChecked());
    EXPECT_TRUE(w->chkUseMotionfade->isChecked());
    EXPECT_TRUE(w->chkUseSeqqFadetime->isChecked());
    EXPECT_EQ(w->txtFadeInTimeValue->text(), "2.5");
    EXPECT_EQ(w->txtFadeOutTime->text(), "0");

    // Typing sends the fade-in with the fade-out box's value at every keystroke in range.
    pb.timesSent.clear();
    for (const char* typed : {"1", "12", "300", "0"}) w->txtFadeInTimeValue->setText(typed);
    EXPECT_EQ(pb.timesSent, (QStringList{"2:1/0", "2:12/0"}));
    w->txtFadeOutTime->setText("4");
    EXPECT_TRUE(pb.timesSent.size() == 2) << "a fade-in of 0 is never sent";

    // Clearing Cross Fade In/Out drops the times; the next arrow ticks it again
    // without telling the playback, the one after does.
    w->fadeInCheck->click();
    EXPECT_FALSE(pb.fadeIn[2]);
    EXPECT_EQ(pb.timesSent.last(), "2:0/0");
    EXPECT_FALSE(w->chkUseSeqqFadetime->isChecked());
    pb.timesSent.clear();
    w->upDnSec[0]->click();
    EXPECT_EQ(w->txtFadeInTimeValue->text(), "01.00");
    EXPECT_TRUE(w->fadeInCheck->isChecked());
    EXPECT_TRUE(pb.timesSent.isEmpty());
    w->upDnMilSec[0]->click();
    EXPECT_EQ(pb.timesSent, QStringList{"2:1.05/4"});
    EXPECT_TRUE(pb.fadeIn[2]);
    w->chkUseMotionfade->click();
    EXPECT_FALSE(pb.motionFade[2]);
}

TEST(SequenceProperties, SavesThePlaybackItWasOpenedForAndRefusesNamesThatCannotBeFiles) {
    PropertiesDesk d;
    d.t.playback->loaded[2] = d.t.showFolder() + QStringLiteral("/Intro.YSQ");
    d.t.get().state.currentPlayback = 3; // another playback is current
    sequenceProperties* w = d.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->txtButtonName->text(), "Intro");
    w->saveButton->click();
    EXPECT_EQ(d.t.playback->saved, QStringList{"2|2|1|0|Intro"});

    for (const char* bad : {"..", "a\\b", "c:d"}) {
        w = d.open();
        w->show();
        w->txtButtonName->setText(bad);
        w->saveButton->click();
        EXPECT_TRUE(w->isVisible()) << bad;
        EXPECT_TRUE(d.t.prompts().messages.last().contains(bad)) << bad;
    }
    EXPECT_EQ(d.t.playback->saved.size(), 1);
}

TEST(SequenceProperties, TheFadeEditorShowsTheCrossFadeAloneAndClosingWritesTheFadeSettings) {
    PropertiesDesk d;
    sequenceProperties* w = d.open();
    ASSERT_NE(w, nullptr);
    w->setFadeChangeMode(true);
    EXPECT_EQ(w->lblTitle->text(), "Adjust Fade In/Fade Out times");
    EXPECT_FALSE(w->txtButtonName->isVisible());
    EXPECT_TRUE(w->txtFadeInTimeValue->isVisible());
    w->close();
    EXPECT_EQ(d.t.playback->fadeSettingsSaved, std::vector<int32_t>{2});
    QApplication::processEvents();
    EXPECT_EQ(loadedForm<sequenceProperties>(), nullptr);
    // The ordinary dialog's close writes nothing.
    d.open()->close();
    EXPECT_EQ(d.t.playback->fadeSettingsSaved.size(), 1u);
}
