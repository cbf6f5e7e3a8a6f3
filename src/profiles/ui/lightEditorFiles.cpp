// The profile editor's commands on whole profiles: new, open, save,
// update, close, the DDL import and the fixture library.
#include "profiles/ui/Light_Editor.h"

#include "profiles/ClsFixture.h"
#include "profiles/channelRanges.h"
#include "profiles/ddlImport.h"
#include "profiles/profileEditorSession.h"
#include "profiles/profileFile.h"
#include "profiles/ui/lightEditorParts.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

using namespace lightEditorParts;
using miscGlobalFunctions::FileExists;
using numberText::trimBlanks;

namespace {

const QString fixtureFilter = QStringLiteral("Fixture profiles (*.FIX *.fix)");

} // namespace

// ---------------------------------------------------------------------------
// Opening, saving and updating profiles.

void Light_Editor::New_fixture_Click() {
    txtFields[0]->setText(QString());
    txtFields[1]->setText(QString());
    txtFields[0]->setReadOnly(false);
    txtFields[1]->setReadOnly(false);
    LoadLightGrid->setRowCount(32);
    for (int r = 0; r < 32; ++r) {
        if (auto* item = LoadLightGrid->item(r, 1)) item->setText(QString());
    }
    editingActive = true;
    profileEditorSession().discardEditedProfile();
    txtFields[0]->setFocus();
    txtFields_GotFocus(0);
}

void Light_Editor::clkCreateNewFixtureProfile_Click() {
    New_fixture_Click();
    hideLibrary();
}

void Light_Editor::Edit_Fixture_Click() {
    editingActive = true;
    New_fixture_Click();
}

bool Light_Editor::loadProfileFile(const QString& path, int maxChannels, const QString& failurePrefix,
                                   bool sizeGridToCount) {
    profileFile::ProfileData data;
    QString error;
    if (!profileFile::readFile(paths::realPath(path), maxChannels, data, &error)) {
        shell().prompts().messageBox(failurePrefix + error);
        return false;
    }
    fillFromFile(data, sizeGridToCount);
    return true;
}

void Light_Editor::fillFromFile(const profileFile::ProfileData& data, bool sizeGridToCount) {
    New_fixture_Click();
    if (sizeGridToCount) {
        LoadLightGrid->setRowCount(data.channelCount);
        labelRows(data.channelCount, true);
    }
    txtFields[0]->setText(QString::number(data.channelCount));
    txtFields[1]->setText(data.profileName);
    if (LoadLightGrid->rowCount() < data.channelCount) LoadLightGrid->setRowCount(data.channelCount);
    for (int n = 1; n <= data.channelCount; ++n) {
        auto* item = LoadLightGrid->item(n - 1, 1);
        if (!item) LoadLightGrid->setItem(n - 1, 1, item = new QTableWidgetItem);
        item->setText(data.channels[size_t(n - 1)].typeName);
    }
    ProfileEditorSession& session = profileEditorSession();
    profileFile::applyToProfile(data, session.editedProfile());
    session.typeIndexBase = 1; // a file load keeps channel n's type at n + 1
    txtBeamAngle->setText(data.beamAngle);
    txtPanRange->setText(data.panRange);
    txtTiltRange->setText(data.tiltRange);
    comboFixtureType->setText(data.fixtureType);
    Image1->setToolTip(data.version);
    if (!trimBlanks(data.iconFile).isEmpty())
        setIcon(paths::realPath(shell().programFolder() + QStringLiteral("\\images\\") + data.iconFile));
}

void Light_Editor::openPatchWindow(bool resetState) {
    shell().patch().showPatchWindow(resetState);
}

void Light_Editor::loadNewFixture_Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select Fixture to Load");
    request.folder = paths::realPath(fixturesFolder());
    request.fileName = QStringLiteral("*.FIX");
    request.filter = fixtureFilter;
    const QString chosen = shell().prompts().openFileName(request);
    if (chosen.isEmpty()) {
        // A cancelled dialog closes the editor without a word.
        unloadEditor();
        return;
    }
    shell().state.currentFileName = chosen;
    if (loadProfileFile(chosen, profileFile::maxGridChannels, QStringLiteral("LoadNEwFixture:"), false))
        openPatchWindowAfterLoad(false);
}

void Light_Editor::loadFixtureSub(const QString& filenameToLoad) {
    if (loadProfileFile(filenameToLoad, profileFile::maxGridChannels, QStringLiteral("Error Loading Fixture "), false))
        openPatchWindowAfterLoad(true);
}

void Light_Editor::openPatchWindowAfterLoad(bool resetState) {
    // A profile without channels is edited as a new one before patching.
    if (!(val(txtFields[0]->text()) > 0)) Edit_Fixture_Click();
    openPatchWindow(resetState);
}

void Light_Editor::editfixture(const QString& thePath) {
    if (!loadProfileFile(thePath, profileFile::maxChannels, QStringLiteral("editfixture:"), true)) return;
    shell().state.currentFileName = thePath;
    txtFields[0]->setFocus();
}

void Light_Editor::loadClass25IntoMe(ClsFixture& theClass) {
    ProfileEditorSession& session = profileEditorSession();
    session.editPatchedProfile(theClass);
    try {
        txtFields[0]->setText(QString::number(theClass.ChannelsUsed));
        txtFields[1]->setText(theClass.Name);
        for (int i = 1; i <= theClass.ChannelsUsed; ++i) {
            if (i - 1 >= LoadLightGrid->rowCount()) throw std::out_of_range("Subscript out of range");
            auto* item = LoadLightGrid->item(i - 1, 1);
            if (!item) LoadLightGrid->setItem(i - 1, 1, item = new QTableWidgetItem);
            item->setText(trimBlanks(theClass.Channel_prop(i)));
        }
        txtBeamAngle->setText(QString::number(theClass.beamAngle()));
        txtPanRange->setText(QString::number(theClass.panRange()));
        txtTiltRange->setText(QString::number(theClass.tiltRange()));
        comboFixtureType->setText(trimBlanks(theClass.fixtureType()));
        txtFields[0]->setFocus();
        if (!trimBlanks(theClass.iconpath).isEmpty())
            setIcon(paths::realPath(shell().programFolder() + QStringLiteral("\\images\\") + theClass.iconpath));
        hideLibrary();
        setPatchedMode(true);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error Loading Fixture Profile from Class:") +
                                     QString::fromLatin1(e.what()));
    }
}

void Light_Editor::Save_Fixture_Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save Fixture");
    request.folder = paths::realPath(saveFolder);
    request.fileName = txtFields[1]->text();
    request.filter = fixtureFilter;
    QString chosen = shell().prompts().saveFileName(request);
    if (chosen.isEmpty()) return; // cancelled: nothing is written
    if (libParsePath::ParsePath(chosen, 5).isEmpty()) chosen += QStringLiteral(".FIX");
    shell().state.currentFileName = chosen;
    saveFolder = libParsePath::ParsePath(chosen, 3);

    auto fail = [](const QString& text) { shell().prompts().messageBox(text); };
    const auto countValue = strictNumber(txtFields[0]->text());
    if (!countValue) return fail(QStringLiteral("Type mismatch"));
    const auto count = numberText::toInt16(*countValue);
    if (!count) return fail(QStringLiteral("Overflow"));
    if (*count > LoadLightGrid->rowCount() || *count > profileFile::maxChannels)
        return fail(QStringLiteral("The profile names %1 channels but the channel grid has %2 rows; nothing was saved.")
                        .arg(*count)
                        .arg(LoadLightGrid->rowCount()));

    const ClsFixture& p = profile();
    profileFile::ProfileData data;
    data.profileName = txtFields[1]->text();
    data.channelCount = *count;
    data.iconFile = p.iconpath;
    for (int n = 1; n <= *count; ++n) {
        profileFile::ChannelRecord ch;
        const auto* item = LoadLightGrid->item(n - 1, 1);
        ch.typeName = item ? item->text() : QString();
        for (int k = 1; k <= profileFile::rangeCount; ++k) {
            const int f = p.from(k, n + 1), t = p.too(k, n + 1);
            if (f < 0 || f > 255 || t < 0 || t > 255)
                return fail(QStringLiteral("Range %1 of channel %2 runs from %3 to %4; DMX values are 0 to 255. "
                                           "Nothing was saved.")
                                .arg(k)
                                .arg(n)
                                .arg(f)
                                .arg(t));
            ch.labels[size_t(k - 1)] = p.properties(k, n + 1);
            ch.from[size_t(k - 1)] = uint8_t(f);
            ch.to[size_t(k - 1)] = uint8_t(t);
        }
        data.channels.push_back(std::move(ch));
    }
    data.beamAngle = txtBeamAngle->text();
    data.panRange = txtPanRange->text();
    data.tiltRange = txtTiltRange->text();
    data.fixtureType = comboFixtureType->text();
    QString error;
    if (!profileFile::writeFile(paths::realPath(chosen), data, &error)) fail(error);
}

void Light_Editor::Close_Editor_Click() {
    editingActive = false;
    unloadEditor();
}

void Light_Editor::unloadEditor() {
    if (!hasShell()) return;
    if (auto* editor = loadedForm<Light_Editor>()) editor->Form_Unload();
    unloadForm<Light_Editor>();
}

bool Light_Editor::Form_Unload() {
    if (unloaded) return false;
    unloaded = true;
    ProfileEditorSession& session = profileEditorSession();
    // No second update from inside the one that is closing the editor.
    if (patchedMode && !session.updateRunning &&
        shell().prompts().messageBox(QStringLiteral("Would you like to Update Current Profile?"), msgBox::YesNo) ==
            msgBox::Yes)
    {
        upadteprofileclick_Click();
        // The update may have closed this window already (its destructor
        // cleared the test output).
        if (!hasShell() || loadedForm<Light_Editor>() != this) return true;
    }
    testOutput.clearTestOutput(startChannel(), session.editedProfile().ChannelsUsed);
    testOutput.testOutputOn = false;
    cleanedUp = true;
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    return true;
}

void Light_Editor::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
    // The shell owns the window; let it go once this event is done.
    QTimer::singleShot(0, [] {
        if (hasShell() && loadedForm<Light_Editor>()) unloadForm<Light_Editor>();
    });
}

void Light_Editor::Load_Fixture_Click() {
    if (!(val(txtFields[0]->text()) > 0)) Edit_Fixture_Click();
    shell().patch().showPatchWindow(false);
    editingActive = false;
}

void Light_Editor::upadteprofileclick_Click() {
    if (txtFields[0]->text().isEmpty()) {
        shell().prompts().messageBox(QStringLiteral(
            "Please load fixture profile first, then click update profile. Only same name fixtures profiles will be "
            "updated."));
        return;
    }
    // The update may unload this window: only the session and the shell are
    // used from here on.
    ProfileEditorSession& session = profileEditorSession();
    session.updateRunning = true;
    shell().patch().updatePatchedProfile();
    session.updateRunning = false;
    shell().state.showChanged = true;
    shell().patch().refreshIcons();
}

// ---------------------------------------------------------------------------
// DDL import.

void Light_Editor::importDDLClick_Click() {
    editingActive = true;
    const QString ddlFolder = shell().programFolder() + QStringLiteral("\\Fixtures\\DDL's\\");
    FileDialogRequest request;
    request.title = QStringLiteral("Import DDL Fixture Profile");
    request.filter = QStringLiteral("(*.DDL *.ddl)");
    request.fileName = QStringLiteral("*.DDL");
    request.folder =
        paths::realPath(profileFolder.startsWith(ddlFolder, Qt::CaseInsensitive) ? profileFolder : ddlFolder);
    const QString chosen = shell().prompts().openFileName(request);
    const QString fileName = chosen.isEmpty() ? QStringLiteral("*.DDL") : chosen;
    shell().state.currentFileName = fileName;
    profileFolder = libParsePath::ParsePath(fileName, 3);
    New_fixture_Click();
    if (!FileExists(fileName)) return;

    QStringList lines;
    if (!ddlImport::readFileLines(paths::realPath(fileName), lines)) {
        shell().prompts().messageBox(QStringLiteral("Cannot read the DDL file ") + fileName);
        return;
    }

    ProfileEditorSession& session = profileEditorSession();
    ClsFixture& p = session.editedProfile();
    session.typeIndexBase = 0; // the import keeps channel n's type at n
    const QString images = shell().programFolder() + QStringLiteral("\\images\\");
    const ddlImport::Result result =
        ddlImport::importLines(lines, p, [&](const QString& name) {
            // A gobo name from the file is only looked up inside the images folder.
            return channelRanges::isPlainFileName(name) && FileExists(images + name);
        });
    if (result.panRangeText) txtPanRange->setText(*result.panRangeText);
    if (result.tiltRangeText) txtTiltRange->setText(*result.tiltRangeText);
    if (result.beamAngleText) txtBeamAngle->setText(*result.beamAngleText);
    if (result.fixtureTypeCaption) comboFixtureType->setText(*result.fixtureTypeCaption);

    txtFields[0]->setText(QString::number(p.ChannelsUsed));
    txtFields[1]->setText(trimBlanks(p.Name));
    for (int i = 1; i <= p.ChannelsUsed && i <= LoadLightGrid->rowCount(); ++i) {
        auto* item = LoadLightGrid->item(i - 1, 1);
        if (!item) LoadLightGrid->setItem(i - 1, 1, item = new QTableWidgetItem);
        item->setText(trimBlanks(p.Channel_prop(i)));
    }
    if (result.rangeOverflow) shell().prompts().messageBox(ddlImport::overflowMessage(), msgBox::OKOnly);
    if (!result.ignoredLines.isEmpty())
        shell().prompts().messageBox(ddlImport::ignoredLinesMessage(result.ignoredLines), msgBox::OKOnly);
}

void Light_Editor::clkImportandLoadDDL_Click() {
    importDDLClick_Click();
    Load_Fixture_Click();
}

// ---------------------------------------------------------------------------
// Fixture library.

void Light_Editor::cmdSelectManufacturer_ItemClick(const QString& m) {
    cmdSelectManufacturer->setText(m);
    const QString folder = fixturesFolder() + QStringLiteral("\\") + m + QStringLiteral("\\");
    const QString logo = folder + QStringLiteral("logo.jpg");
    cmdSelectManufacturer->setIcon(FileExists(logo) ? QIcon(paths::realPath(logo)) : QIcon());
    // Only a plain folder below Fixtures; a name that climbs out is refused.
    if (m.isEmpty() || m.contains(QLatin1String("..")) || m.contains(QLatin1Char('/')) || m.contains(QLatin1Char('\\')))
        return;
    const QFileInfo info(paths::realPath(folder));
    if (!info.isDir() || info.isHidden() || !info.isWritable()) return;
    listFixtureFiles(QDir(info.absoluteFilePath()).absolutePath());
    setLoadButton(false);
}

void Light_Editor::fileFixture_Click(const QString& entry) {
    const QString path = fileListPath + QLatin1Char('/') + entry;
    if (!FileExists(path)) return;
    editfixture(path);
    setLoadButton(fileFixture->currentRow() >= 0 || !fileFixture->selectedItems().isEmpty());
}

void Light_Editor::cmdLoadIT_Click() {
    shell().patch().closePatchWindow();
    const auto* item = fileFixture->currentItem();
    if (!item) return;
    const QString path = fileListPath + QLatin1Char('/') + item->text();
    if (FileExists(path)) loadFixtureSub(path);
}

