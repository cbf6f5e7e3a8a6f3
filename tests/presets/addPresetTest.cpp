// The Add Preset dialog: the channel types it offers and ticks, where its
// boxes stand, and the preset it writes from the live levels onto the page
// it was opened from.

#include "presetDesk.h"

#include "presets/addPreset.h"
#include "presets/presetFile.h"
#include "presets/ui/frmAddPreset.h"
#include "presets/ui/frmPalettes.h"
#include "presets/ui/frmShowPresetData.h"
#include "presets/ui/paletteWindowService.h"
#include "support/layoutCheck.h"
#include "shell/ui/windowRegistry.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace presetTest;

namespace {

struct Masters : MastersService {
    bool programingMode() override { return true; }
};

// A spot (1: pan, tilt, color, dimmer) and an RGB par (2), both selected.
struct AddDesk : Desk {
    PaletteWindowService& service = ts.get().provide<PresetsService>(std::make_unique<PaletteWindowService>());
    AddDesk() {
        ts.get().provide<MastersService>(std::make_unique<Masters>());
        profile(1, {{"pan", {}}, {"tilt", {}}, {"color", {{"Red", 0, 9}}}, {"dimmer", {}}});
        profile(2, {{"red", {}}, {"green", {}}, {"blue", {}}, {"dimmer", {}}});
        patch(1, 1, 1);
        patch(2, 10, 2);
        select({1, 2});
        service.regeneratePalettes();
    }
    frmPalettes& window() {
        service.showPalettes();
        return *service.loadedWindow();
    }
    QStringList ticked(const frmAddPreset& d) {
        QStringList out;
        for (const QCheckBox* b : d.chkPreset)
            if (b->isChecked()) out << b->text();
        return out;
    }
};

} // namespace

TEST(AddPreset, BoxesFillAColumnThenStartTheNext) {
    const std::vector<QPoint> p = addPreset::boxPlaces(8, addPreset::designHeight);
    EXPECT_EQ(p[0], QPoint(165, 350));
    EXPECT_EQ(p[5], QPoint(165, 2100));
    EXPECT_EQ(p[6], QPoint(165 + 1590 + 400, 350)) << "2450 passes 4950 - 2800";
    EXPECT_EQ(p[7], QPoint(165 + 1590 + 400, 700));
}

TEST(AddPreset, ThePageItIsOpenedFromTicksItsChannelTypes) {
    struct Case {
        const char* mode;
        bool position;
        const char* caption;
        bool ticked;
    } cases[] = {
        {"beam", false, "dimmer", true},        {"beam", false, "prism rotation", true},
        {"beam", false, "focus", true},         {"beam", false, "effects wheel", true},
        {"beam", false, "zoom", false},         {"beam", false, "iris", false},
        {"rotation", false, "rotating gobo", true}, {"rotation", false, "gobo rotation", false},
        {"", true, "pan", true},                {"", true, "tiltfine", true},
        {"", true, "pan fine", false},          {"color", false, "color wheel", true},
        {"color", false, "Color", false},       {"function", false, "function", false},
        {"", false, "gobo", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addPreset::preTicked(QLatin1String(c.caption), QLatin1String(c.mode), c.position), c.ticked)
            << c.mode << " / " << c.caption;
}

TEST(AddPreset, OneBoxPerDistinctChannelTypeOfTheProfiles) {
    AddDesk d;
    EXPECT_EQ(addPreset::channelTypeNames(), (QStringList{"pan", "tilt", "color", "dimmer", "red", "green", "blue"}));
}

TEST(AddPreset, CreatingWritesThePresetOfTheTickedTypesAndReopensItsPage) {
    AddDesk d;
    frmPalettes& w = d.window();
    w.cmdColor_Click();
    const size_t before = w.presetButtons.size();
    d.m.channelOutput[3] = 5; // the spot's colour channel, as the wheels left it
    d.m.channelOutput[4] = 200;
    w.clkAddPreset_Click();
    frmAddPreset* dialog = loadedForm<frmAddPreset>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(w.markedTab(), 11) << "the Faders page, for setting the look";
    EXPECT_EQ(d.service.myPaletteCls.currentTypeName, "Color") << "the page the preset goes to";
    EXPECT_EQ(d.ticked(*dialog), QStringList{"color"});
    EXPECT_EQ(dialog->txtPresetName->text(), QStringLiteral("Preset %1").arg(before + 1));

    dialog->txtPresetName->setText(QStringLiteral("Warm.2"));
    dialog->enableChannel(QStringLiteral("dimmer"));
    dialog->txtDisplayRepresentation->setText(QStringLiteral("Warm"));
    dialog->cmdCreatePreset->click();
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(loadedForm<frmAddPreset>(), nullptr);

    const std::optional<presetFile::PresetData> saved = presetFile::readFile(d.presetFile("Color", "Warm"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->trailer.presetName, "Warm");
    EXPECT_EQ(saved->trailer.fixtureList, "1,2,");
    ASSERT_EQ(saved->records.size(), 3u) << "color of 1, dimmer of 1 and 2";
    EXPECT_EQ(w.markedTab(), 0) << "the Color page again";
    bool shown = false;
    for (const auto& m : w.model) shown |= m.presetName == "Warm";
    EXPECT_TRUE(shown);
}

TEST(AddPreset, ANameCannotLeaveThePageFolderAndAFailureKeepsTheDialogOpen) {
    AddDesk d;
    frmPalettes& w = d.window();
    w.cmdColor_Click();
    w.clkAddPreset_Click();
    frmAddPreset* dialog = loadedForm<frmAddPreset>();
    dialog->txtPresetName->setText(QStringLiteral("Gobo/Evil"));
    dialog->cmdCreatePreset->click();
    const QString colorFolder = QFileInfo(d.presetFile("Color", "x")).absolutePath();
    EXPECT_EQ(QDir(colorFolder).entryList({"*Evil*"}, QDir::Files), QStringList{"Gobo+Evil.USF"});
    EXPECT_FALSE(QFileInfo::exists(d.presetFile("Gobo", "Evil")));

    // An empty name is refused with the reason; the dialog stays.
    w.clkAddPreset_Click();
    dialog = loadedForm<frmAddPreset>();
    dialog->txtPresetName->clear();
    d.ts.prompts().messages.clear();
    dialog->cmdCreatePreset->click();
    ASSERT_EQ(d.ts.prompts().messages.size(), 1);
    EXPECT_TRUE(d.ts.prompts().messages[0].startsWith("Error in cmdCreatePreset: "));
    EXPECT_TRUE(dialog->isVisible());
}

TEST(AddPreset, PositionTicksPanAndTiltAndSpeedReopensNoPage) {
    AddDesk d;
    frmPalettes& w = d.window();
    w.openTab(7);
    w.clkAddPreset_Click();
    EXPECT_EQ(d.ticked(*loadedForm<frmAddPreset>()), (QStringList{"pan", "tilt"}));
    EXPECT_EQ(loadedForm<frmAddPreset>()->myPalleteToSave, "Position");

    // Each opening starts afresh: the Speed page ticks nothing.
    w.openTab(6);
    w.clkAddPreset_Click();
    frmAddPreset* dialog = loadedForm<frmAddPreset>();
    EXPECT_TRUE(d.ticked(*dialog).isEmpty());
    dialog->txtPresetName->setText(QStringLiteral("Fast"));
    dialog->cmdCreatePreset->click();
    EXPECT_TRUE(QFileInfo::exists(d.presetFile("Speed", "Fast")));
    EXPECT_EQ(w.markedTab(), 11) << "no page is reopened for Speed";
}

TEST(AddPreset, ReSaveTicksTheStoredChannelsAndColourRepresentationLocksTheBox) {
    AddDesk d;
    frmPalettes& w = d.window();
    w.cmdColor_Click();
    w.lastPresetPath = d.presetFile("Color", "Red");
    w.clkPresetCurrentLook_Click();
    frmAddPreset* dialog = loadedForm<frmAddPreset>();
    EXPECT_EQ(dialog->cmdCreatePreset->text(), "Save Changes");
    EXPECT_EQ(dialog->txtPresetName->text(), "Red");
    EXPECT_EQ(d.ticked(*dialog), QStringList{"color"});

    d.ts.prompts().colours = {0x0000FF};
    dialog->List1_Click(QStringLiteral("color"));
    EXPECT_EQ(dialog->txtDisplayRepresentation->text(), "255");
    EXPECT_TRUE(dialog->txtDisplayRepresentation->isReadOnly());
    d.ts.prompts().files = {d.ts.folder() + "/Images/star.bmp"};
    dialog->List1_Click(QStringLiteral("bitmap"));
    EXPECT_EQ(dialog->txtDisplayRepresentation->text(), "star.bmp");
}

TEST(AddPreset, DialogAndPresetDataWindowLayoutHoldsAtNineAndFourteenPoints) {
    AddDesk d;
    frmPalettes& w = d.window();
    w.cmdColor_Click();
    w.clkAddPreset_Click();
    w.clkShowPresetDataList_Click();
    for (QWidget* window : {static_cast<QWidget*>(loadedForm<frmAddPreset>()), static_cast<QWidget*>(loadedForm<frmShowPresetData>())})
        for (const int size : {9, 14})
            EXPECT_TRUE(layoutCheck::problemsAtFontSize(*window, size).isEmpty())
                << window->objectName().toStdString() << " " << size << ": "
                << layoutCheck::problemsAtFontSize(*window, size).join('\n').toStdString();
}
