// The palette window's commands that open the Add Preset dialog and the
// preset data window.

#include "presets/ui/frmAddPreset.h"
#include "presets/ui/frmPalettes.h"
#include "presets/ui/frmShowPresetData.h"

#include "presets/presetsEngine.h"
#include "shell/libParsePath.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
PresetsEngine& presetsEngine() { return static_cast<PresetsEngine&>(shell().presets()); }
} // namespace

void frmPalettes::clkAddPreset_Click() {
    clsPalettePreset& cls = presetsEngine().myPaletteCls;
    unloadForm<frmAddPreset>();
    frmAddPreset& d = form<frmAddPreset>();
    // Each opening starts from the page it is opened on.
    if (marked == 12 || marked == 7) {
        cls.currentTypeName = QStringLiteral("Position");
        d.panAndTiltMode = true;
        openTab(7);
    } else {
        static const std::pair<int, const char*> modes[] = {{0, "color"}, {1, "gobo"},     {3, "beam"},
                                                            {5, "rotation"}, {2, "shutter"}, {4, "function"}};
        for (const auto& [tab, mode] : modes)
            if (marked == tab) {
                d.otherMode = QLatin1String(mode);
                break;
            }
    }
    d.pagePresetCount = int(presetButtons.size()) + 1;
    d.myPalleteToSave = cls.currentTypeName;
    const QString type = cls.currentTypeName;
    openTab(11); // the Faders page, on which the operator sets the look
    cls.currentTypeName = type;
    presetsEngine().paletteCurrentlyActive = paletteCurrentlyActive;
    d.loadBoxes();
    d.move(x(), frameGeometry().bottom() + 1);
    d.show();
    d.raise();
}

void frmPalettes::clkChangePresetrepresetation_Click() {
    frmAddPreset& d = form<frmAddPreset>();
    if (d.chkPreset.empty()) d.loadBoxes();
    QString title = libParsePath::ParsePath(lastPresetPath, 4);
    d.show();
    d.txtPresetName->setText(title);
    d.txtDisplayRepresentation->setText(title);
    presetsEngine().executePreset(title, -1, false);
    d.cmdCreatePreset->setText(QStringLiteral("Save Changes"));
    const QString type = presetsEngine().myPaletteCls.currentTypeName.trimmed().toLower();
    for (QCheckBox* b : d.chkPreset)
        if (b->text().trimmed().toLower() == type) b->setChecked(true);
}

void frmPalettes::clkPresetCurrentLook_Click() {
    frmAddPreset& d = form<frmAddPreset>();
    if (d.chkPreset.empty()) d.loadBoxes();
    QString title = libParsePath::ParsePath(lastPresetPath, 4);
    d.show();
    d.txtPresetName->setText(title);
    d.txtDisplayRepresentation->setText(title);
    d.cmdCreatePreset->setText(QStringLiteral("Save Changes"));
    for (const QString& channel : presetsEngine().myPaletteCls.returnCheckBoxCollection(title)) d.checkPresetChkIfFound(channel);
}

void frmPalettes::clkShowPresetDataList_Click() {
    frmShowPresetData& w = form<frmShowPresetData>();
    if (w.isVisible()) {
        w.close();
        showPresetDataAction->setChecked(false);
        return;
    }
    showPresetDataAction->setChecked(true);
    w.show();
    w.updateGridData(false);
}
