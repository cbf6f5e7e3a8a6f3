#include "patch/ui/patchWindowService.h"

#include "patch/fixtureGroups.h"
#include "patch/fixtureRemoval.h"
#include "patch/ui/NewWhat.h"
#include "patch/ui/PROPTYPE.h"
#include "patch/ui/frmFixtureProperties.h"
#include "patch/ui/fixture.h"
#include "patch/ui/fixtureIconWidget.h"
#include "patch/ui/frmPatchDetails.h"
#include "profiles/ClsFixture.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QLineEdit>
#include <QScreen>

#include <algorithm>

void PatchWindowService::showPatchWindow(bool fromFile) {
    (void)fromFile; // the window always opens in patch mode
    NewWhat& w = form<NewWhat>();
    w.myState = 0;
    w.activate();
}

void PatchWindowService::closePatchWindow() {
    if (loadedForm<NewWhat>()) unloadForm<NewWhat>();
}

void PatchWindowService::updatePatchedProfile() {
    NewWhat& w = form<NewWhat>();
    w.Text1[1]->setText(QStringLiteral("0"));
    w.newOKbutton_Click();
}

void PatchWindowService::showPatchList() {
    frmPatchDetails& w = form<frmPatchDetails>();
    w.fillPatchGrid();
    w.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    w.show();
    w.raise();
}

void PatchWindowService::showDmxConfiguration() {
    NewWhat& w = form<NewWhat>();
    w.myState = 1;
    w.activate();
    // From here on clicks and redraws behave as in patch mode; the controls
    // disabled on activation stay disabled.
    w.myState = 0;
}

void PatchWindowService::showFixtureProperties(int32_t fixture) {
    ChannelModel& m = shell().state;
    if (fixture < 1 || fixture > m.fixtureCount) return;
    frmFixtureProperties& w = form<frmFixtureProperties>();
    const int32_t start = m.fixtureStartChannel[size_t(fixture)];
    const int32_t lc = m.fixtureLightClass[size_t(fixture)];
    const ClsFixture* p = lc >= 1 && lc < int32_t(m.lightClasses.size()) ? m.lightClasses[size_t(lc)].get() : nullptr;
    w.myFixtureName = QStringLiteral("Fixture Name: ") + (start >= 1 && start <= m.totalChannels
                                                              ? m.channelFixtureLabel[start]
                                                              : m.fixtureName[fixture]);
    w.myFixtureProfileClass = QStringLiteral("Profile Definition: ") + (p ? p->Name : QString());
    w.myFixtureNumber = fixture;
    w.myStartChannel = start;
    w.myChannelUsed = QString::number(p ? p->ChannelsUsed : 0);
    w.showDetails();
    w.show(); // the frame is known once shown
    placeBesideLayout(w, fixture);
    w.raise();
}

// Level with the fixture's icon, its right edge at the layout window's left
// edge; kept on the screen when the layout leaves no room to its left.
void PatchWindowService::placeBesideLayout(QWidget& w, int32_t fixtureNumber) {
    const fixture* layout = loadedLayoutWindow();
    if (!layout) return;
    w.adjustSize();
    const FixtureIconWidget* icon = layout->iconWidget(fixtureNumber);
    const int top = icon ? icon->mapToGlobal(QPoint(0, 0)).y() : layout->frameGeometry().top();
    QPoint at(layout->frameGeometry().left() - w.frameGeometry().width(), top);
    if (const QScreen* screen = layout->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - w.frameGeometry().width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - w.frameGeometry().height())));
    }
    w.move(at);
}

void PatchWindowService::showChannelSettings(int32_t channel, bool modal) {
    if (modal && loadedForm<PROPTYPE>()) unloadForm<PROPTYPE>();
    PROPTYPE& w = form<PROPTYPE>();
    w.updatePropWindow(channel);
    if (modal)
        w.exec();
    else
        w.show();
}

void PatchWindowService::removeSelectedFixtures() { fixtureRemoval::removefixture_Click(); }

void PatchWindowService::removeMatrix(const QString& matrixName) { fixtureRemoval::removeMatrix(matrixName); }

void PatchWindowService::selectGroup(int32_t index, bool shiftHeld) { fixtureGroups::selectgroup_Click(index, shiftHeld); }

void PatchWindowService::createGroup() { fixtureGroups::createGroup(selectedFixtures()); }

void PatchWindowService::editExistingGroup() { fixtureGroups::modes().editMode = true; }

void PatchWindowService::saveChangesToGroup() { fixtureGroups::saveChangesToGroup(selectedFixtures()); }

void PatchWindowService::deleteGroup() { fixtureGroups::modes().deleteMode = true; }

void PatchWindowService::renameGroup(int32_t group) { fixtureGroups::renameAGroup(group); }

int32_t PatchWindowService::tickedGroup() { return fixtureGroups::modes().tickedGroup; }

bool PatchWindowService::deleteAGroup(int32_t g) { return fixtureGroups::deleteAGroup(g); }

void registerPatchWindows(Shell& s) { s.provide<PatchService>(std::make_unique<PatchWindowService>()); }
