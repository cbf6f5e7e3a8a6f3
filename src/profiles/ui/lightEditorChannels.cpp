// The profile editor's channel work: the grid and its type picker, the
// fixture type and angle fields, the range editor laid over the selected
// row, and the profile test output.
#include "profiles/ui/Light_Editor.h"

#include "profiles/ClsFixture.h"
#include "profiles/channelRanges.h"
#include "profiles/channelTypes.h"
#include "profiles/profileEditorSession.h"
#include "profiles/ui/lightEditorParts.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QToolButton>
#include <cmath>

using namespace lightEditorParts;
using miscGlobalFunctions::FileExists;
using numberText::trimBlanks;

// ---------------------------------------------------------------------------
// Grid, picker and fields.

void Light_Editor::labelRows(int count, bool accepted) {
    for (int r = 0; r < count && r < LoadLightGrid->rowCount(); ++r) {
        auto* item = LoadLightGrid->item(r, 0);
        if (!item) {
            item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            LoadLightGrid->setItem(r, 0, item);
        }
        item->setText(accepted ? QStringLiteral("Channel %1:").arg(r + 1) : QStringLiteral("Channel: %1:").arg(r + 1));
    }
}

void Light_Editor::txtFields_Change(int index) {
    if (index != 0 || !editingActive) return;
    const auto v = strictNumber(txtFields[0]->text());
    if (!v || !(*v > 0 && *v < 33)) return;
    const int rows = int(std::nearbyint(*v));
    LoadLightGrid->setRowCount(rows);
    labelRows(rows, true);
}

void Light_Editor::txtFields_GotFocus(int) { hidePickerAndRanges(); }

void Light_Editor::LoadLightGrid_Scroll() { hidePickerAndRanges(); }

void Light_Editor::hidePickerAndRanges() {
    for (QWidget* w : std::initializer_list<QWidget*>{Combo1, from, too, values, List1, Prevprop, Nextprop,
                                                      Propindextext, delButton, insertButton, Image2, Shape2})
        w->hide();
    for (auto* l : findChildren<QLabel*>(QRegularExpression(QStringLiteral("^tolabel[01]$")))) l->hide();
}

void Light_Editor::setSelectedType(const QString& text) {
    const int row = LoadLightGrid->currentRow();
    if (row < 0) return;
    auto* item = LoadLightGrid->item(row, 1);
    if (!item) LoadLightGrid->setItem(row, 1, item = new QTableWidgetItem);
    item->setText(text);
}

void Light_Editor::LoadLightGrid_Click(int row) {
    if (row < 0 || row >= LoadLightGrid->rowCount()) return;
    if (LoadLightGrid->currentRow() != row) LoadLightGrid->setCurrentCell(row, 1);
    // The range editor sits beside the grid, so it never covers a row.
    const auto tolabels = findChildren<QLabel*>(QRegularExpression(QStringLiteral("^tolabel[01]$")));
    const auto* typeItem = LoadLightGrid->item(row, 1);
    Combo1->setText(typeItem ? typeItem->text() : QString());
    for (QWidget* w : std::initializer_list<QWidget*>{from, too, values, List1, Combo1, Prevprop, Nextprop,
                                                      Propindextext, delButton, insertButton})
        w->show();
    for (QLabel* l : tolabels) l->show();
    txtEnterDmxValue->setVisible(testOutput.testOutputOn);
    Image2->hide();
    Shape2->hide();

    currentRangeIndex = 1;
    shell().state.selectedChannelSlot = row + 2;
    if (channelSelected()) {
        const ClsFixture& p = profile();
        const int s = shell().state.selectedChannelSlot;
        from->setText(numberText::signed_(p.from(1, s)));
        too->setText(numberText::signed_(p.too(1, s)));
        values->setText(p.properties(1, s));
        setTextColours(values, 0, 16777215);
    }
    Propindextext->setText(QStringLiteral("1"));
    Nextprop_Click();
    Prevprop_Click();
}

void Light_Editor::Combo1_ItemClick(const QString& entry) {
    if (entry == channelTypes::pickerEntries().constFirst()) {
        Combo1->hide();
        txtChannelProperty->show();
        return;
    }
    Combo1->setText(entry);
    setSelectedType(Combo1->text());
    Combo1->hide();
}

void Light_Editor::txtChannelProperty_Click() {
    if (txtChannelProperty->text() == QLatin1String("Enter Custom Channel Name")) txtChannelProperty->clear();
}

void Light_Editor::txtChannelProperty_KeyUp(int keyCode) {
    setSelectedType(txtChannelProperty->text());
    if (keyCode == 13) {
        setSelectedType(txtChannelProperty->text());
        txtChannelProperty->setText(QStringLiteral("Enter Custom Channel Name"));
        txtChannelProperty->hide();
    }
}

void Light_Editor::comboFixtureType_ItemClick(const QString& caption) {
    comboFixtureType->setText(caption);
    const QString icon = shell().programFolder() + QStringLiteral("\\images\\Fixture Icons\\") + caption +
                         QStringLiteral(".BMP");
    if (FileExists(icon)) {
        const QString real = paths::realPath(icon);
        setIcon(real);
        profile().iconpath = QStringLiteral("\\Fixture Icons\\") + libParsePath::ParsePath(icon, 6);
    }
    if (const auto* d = channelTypes::fixtureTypeDefaults(caption)) {
        txtBeamAngle->setText(QString::number(d->beamAngle));
        txtPanRange->setText(QString::number(d->panRange));
        txtTiltRange->setText(QString::number(d->tiltRange));
    }
}

void Light_Editor::filterNumericKey(QLineEdit* box, int keyCode) {
    if ((keyCode >= 48 && keyCode <= 57) || (keyCode >= 96 && keyCode <= 105)) {
        if (val(box->text()) > 32000) box->clear();
    } else if (keyCode != 9) {
        box->clear();
    }
}

void Light_Editor::angleBox_KeyUp(QLineEdit* box, int keyCode) {
    filterNumericKey(box, keyCode);
    const int16_t v = numberText::clampInt16(val(box->text()));
    if (box == txtBeamAngle) profile().setBeamAngle(v);
    else if (box == txtPanRange) profile().setPanRange(v);
    else if (box == txtTiltRange) profile().setTiltRange(v);
}

void Light_Editor::changeicon_Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select Fixture Icon");
    request.folder = paths::realPath(shell().programFolder() + QStringLiteral("\\images\\Fixture Icons\\"));
    request.filter = QStringLiteral("(*.bmp);;(*.ico)");
    const QString chosen = shell().prompts().openFileName(request);
    if (chosen.isEmpty()) return;
    shell().state.currentFileName = chosen;
    setIcon(chosen);
    profile().iconpath = QStringLiteral("\\Fixture Icons\\") + libParsePath::ParsePath(chosen, 6);
}

// ---------------------------------------------------------------------------
// Range editor.

bool Light_Editor::channelSelected() const {
    const int s = shell().state.selectedChannelSlot;
    return s >= 1 && s <= ClsFixture::maxChannels && currentRangeIndex >= 1 && currentRangeIndex <= ClsFixture::maxRanges;
}

void Light_Editor::showRange(int n) {
    const int s = shell().state.selectedChannelSlot;
    const ClsFixture& p = profile();
    from->setText(numberText::signed_(p.from(n, s)));
    too->setText(numberText::signed_(p.too(n, s)));
    values->setText(p.properties(n, s));
    setTextColours(values, 0, 16777215);
    List1->show();
    Propindextext->setText(numberText::signed_(n));
    values->setReadOnly(false);
    from->setFocus();
}

bool Light_Editor::showLabel(const QString& key) {
    if (key.trimmed().isEmpty()) {
        Image2->hide();
        return true;
    }
    const channelRanges::LabelPreview preview = channelRanges::previewOf(key);
    switch (preview.kind) {
    case channelRanges::LabelPreview::Colour:
        setTextColours(values, preview.colourBgr, preview.colourBgr);
        Image2->hide();
        Shape2->hide();
        return true;
    case channelRanges::LabelPreview::Picture: {
        Image2->show();
        Shape2->show();
        const QPixmap pix(paths::realPath(shell().programFolder() + QStringLiteral("\\images\\") + preview.pictureName));
        if (pix.isNull()) return false;
        Image2->setPixmap(pix);
        return true;
    }
    case channelRanges::LabelPreview::Text:
        setTextColours(values, 0, 16777215);
        Image2->hide();
        Shape2->hide();
        return true;
    case channelRanges::LabelPreview::Failed:
        return false;
    case channelRanges::LabelPreview::Hidden:
        break;
    }
    return true;
}

void Light_Editor::captureRange() {
    if (!testOutput.testOutputOn) return;
    testOutput.captureRange(val(from->text()), val(too->text()), shell().state.selectedChannelSlot, startChannel());
}

void Light_Editor::Nextprop_Click() {
    const int s = shell().state.selectedChannelSlot;
    if (currentRangeIndex < ClsFixture::maxRanges && s > 0 && channelSelected()) {
        ClsFixture& p = profile();
        int n = currentRangeIndex;
        if (p.from(n, s) >= 0 && p.too(n, s) >= 0) {
            currentRangeIndex = ++n;
            if (lastTypedTo >= 1 && lastTypedTo <= 254) p.setFrom(n, s, int16_t(lastTypedTo + 1));
            lastTypedTo = 0;
            showRange(n);
        }
        if (!showLabel(libParsePath::ParsePath(p.properties(n, s).toLower(), 6))) return;
    }
    captureRange();
}

void Light_Editor::Prevprop_Click() {
    const int s = shell().state.selectedChannelSlot;
    if (currentRangeIndex > 1 && s > 0 && channelSelected()) {
        const int n = --currentRangeIndex;
        showRange(n);
        if (!showLabel(trimBlanks(profile().properties(n, s).toLower()))) return;
    }
    captureRange();
}

void Light_Editor::from_Change() {
    if (!channelSelected()) return;
    const double v = val(from->text().trimmed());
    if (v <= 255) profile().setFrom(currentRangeIndex, shell().state.selectedChannelSlot, numberText::clampInt16(v));
}

void Light_Editor::too_Change() {
    if (!channelSelected()) return;
    const double v = val(too->text().trimmed());
    if (v <= 255) profile().setToo(currentRangeIndex, shell().state.selectedChannelSlot, numberText::clampInt16(v));
}

void Light_Editor::too_KeyUp() {
    const double v = val(too->text());
    if (v <= 255) lastTypedTo = numberText::clampInt16(v);
}

void Light_Editor::values_Change() {
    List1->hide();
    if (!channelSelected()) return;
    profile().setProperties(currentRangeIndex, shell().state.selectedChannelSlot, values->text());
}

void Light_Editor::values_Click() { List1->show(); }

void Light_Editor::List1_Click(const QString& item) {
    if (item == QLatin1String("color")) {
        const int c = shell().prompts().chooseColour(0);
        if (c < 0) return; // cancelled: the list stays shown
        setTextColours(values, c, c);
        values->setText(numberText::signed_(c));
        values->setReadOnly(true);
    } else if (item == QLatin1String("bitmap")) {
        FileDialogRequest request;
        request.title = QStringLiteral("Set Bitmap");
        request.filter = QStringLiteral("Pictures (*.bmp *.ico);;All Files (*)");
        request.folder = paths::realPath(shell().programFolder() + QStringLiteral("\\Images"));
        const QString chosen = shell().prompts().openFileName(request);
        values->setText(libParsePath::ParsePath(chosen, 6));
        if (!chosen.isEmpty()) Image2->setPixmap(QPixmap(chosen));
        Shape2->show();
        Image2->show();
        paint(Shape2, 16777215);
    } else if (item == QLatin1String("text")) {
        values->clear();
        setTextColours(values, 0, 16777215);
    }
    values->show();
    List1->hide();
}

void Light_Editor::insertButton_Click() {
    if (!channelSelected()) return;
    channelRanges::insertRange(profile(), shell().state.selectedChannelSlot, currentRangeIndex);
    Nextprop_Click();
    Prevprop_Click();
}

void Light_Editor::delButton_Click() {
    if (!channelSelected()) return;
    channelRanges::deleteRange(profile(), shell().state.selectedChannelSlot, currentRangeIndex);
    Nextprop_Click();
    Prevprop_Click();
}

void Light_Editor::clkCopyChannelProperties_Click() {
    if (!channelSelected()) return;
    channelRanges::copyRanges(profile(), shell().state.selectedChannelSlot, copyBuffer);
}

void Light_Editor::clkPasteChannelProperties_Click() {
    if (!channelSelected()) return;
    channelRanges::pasteRanges(profile(), shell().state.selectedChannelSlot, copyBuffer);
}

// ---------------------------------------------------------------------------
// Test output.

int Light_Editor::startChannel() const { return int(numberText::clampInt16(val(txtStartChannel->text()))); }

void Light_Editor::cmdTestProfile_Click() {
    ProfileEditorSession& session = profileEditorSession();
    if (!testOutput.testOutputOn) {
        testOutput.testOutputOn = true;
        shell().state.selectedChannelSlot = 0;
        txtEnterDmxValue->show();
        testOutput.applyTestDefaults(session.editedProfile(), session.typeIndexBase, startChannel());
        paint(cmdTestProfile, 65280);
    } else {
        testOutput.testOutputOn = false;
        testOutput.clearTestOutput(startChannel(), session.editedProfile().ChannelsUsed);
        paint(cmdTestProfile, 255);
        txtEnterDmxValue->hide();
    }
}

void Light_Editor::tmrOutput_Timer() {
    const int level = testOutput.tick(startChannel(), shell().state.selectedChannelSlot);
    if (level >= 0 && !testOutput.directTestValue) txtEnterDmxValue->setText(numberText::signed_(level));
}

void Light_Editor::txtStartChannel_KeyUp(int keyCode) {
    filterNumericKey(txtStartChannel, keyCode);
    const double v = val(txtStartChannel->text());
    if (v < 0 || v > 479) txtStartChannel->setText(numberText::signed_(1));
}

void Light_Editor::txtEnterDmxValue_KeyUp(int keyCode) {
    testOutput.directTestValue = true;
    filterNumericKey(txtEnterDmxValue, keyCode);
    testOutput.directValueTyped(val(txtEnterDmxValue->text()));
}

void Light_Editor::txtEnterDmxValue_Click() {
    if (!testOutput.directValueClicked(val(txtEnterDmxValue->text()))) txtEnterDmxValue->clear();
}

