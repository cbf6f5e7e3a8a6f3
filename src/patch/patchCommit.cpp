#include "patch/patchCommit.h"

#include "patch/patchPlacement.h"
#include "platform/prompts.h"
#include "profiles/ClsFixture.h"
#include "shell/numberText.h"
#include "shell/patchModel.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/patchService.h"
#include "shell/services/presetsService.h"
#include "shell/services/showService.h"
#include "shell/services/visualizerService.h"
#include "shell/shell.h"

#include <QSet>
#include <memory>
#include <stdexcept>

namespace patchCommit {

namespace {

// A number box read strictly: a box without a number, or one beyond 16 bits,
// is an error of the commit.
int16_t strictInt16(const QString& text) {
    if (!numberText::isNumber(text)) throw std::runtime_error("Type mismatch");
    const std::optional<int16_t> v = numberText::toInt16(numberText::leadingValue(text));
    if (!v) throw std::overflow_error("Overflow");
    return *v;
}

QString rowLabel(int32_t channel) { return QStringLiteral("Channel ") + QString::number(channel) + QLatin1Char(':'); }

bool startsWith(const QString& t, const char* prefix) { return t.startsWith(QLatin1String(prefix)); }

// Ranges 1..50 of one slot of the edited profile: the first whose label is
// "strobe"/"strb" (exact) or, with prefix, begins with "strobe".
std::optional<std::pair<int16_t, int16_t>> strobeRange(const ClsFixture* p, int32_t slot, bool prefix) {
    if (!p || slot < 1 || slot > ClsFixture::maxChannels) return std::nullopt;
    for (int r = 1; r <= ClsFixture::maxRanges; ++r) {
        const QString label = p->properties(r, slot).trimmed().toLower();
        const bool hit = label == QLatin1String("strb") ||
                         (prefix ? label.startsWith(QLatin1String("strobe")) : label == QLatin1String("strobe"));
        if (hit) return std::make_pair(p->from(r, slot), p->too(r, slot));
    }
    return std::nullopt;
}

// Copies ranges 1..50 of columns 1..35 and the scalar properties.
void copyProfileDetails(ClsFixture& to, const ClsFixture* from) {
    if (!from) return;
    for (int slot = 1; slot <= 35; ++slot)
        for (int r = 1; r <= ClsFixture::maxRanges; ++r) {
            to.setProperties(r, slot, from->properties(r, slot));
            to.setFrom(r, slot, from->from(r, slot));
            to.setToo(r, slot, from->too(r, slot));
        }
    to.iconpath = from->iconpath;
    to.setBeamAngle(from->beamAngle());
    to.setPanRange(from->panRange());
    to.setTiltRange(from->tiltRange());
    to.setFixtureType(from->fixtureType());
}

struct Commit {
    explicit Commit(Request request) : r(std::move(request)) {}
    Request r;
    std::unique_ptr<ClsFixture> replacedProfile;
    Shell& s = shell();
    ChannelModel& m = s.state;
    Outcome out;

    void message(const QString& text) { s.prompts().messageBox(text); }

    void refreshAfterPatch() {
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            const QString t = m.channelType[c].trimmed();
            m.channelDmxPilotSteps[size_t(c)] = (t == QLatin1String("pan") || t == QLatin1String("tilt")) ? 1 : 5;
        }
        patchModel::refreshLoadedFixtureTypes();
        s.patch().setFixturePosition();
        s.patch().refreshIcons();
        s.masters().refreshCurrentLayer();
        s.presets().refreshButtons();
        s.presets().cmdColor_Click();
        out.closeEditor = true;
    }

    void closingSequence() {
        s.presets().makePalleteDirectories();
        s.presets().regeneratePalettes();
        if (r.matrix) s.matrix().setMatrixName(r.matrixName);
        out.closed = true;
        s.show().saveConfiguration(false, false, false);
        s.patch().setSimulationEnabled(true);
        m.showChanged = false;
    }

    void updateOnly(int32_t slot) {
        ClsFixture& entry = m.lightClass(slot);
        copyProfileDetails(entry, r.editor.edited);
        const int32_t used = std::min<int32_t>(entry.ChannelsUsed, int32_t(r.editor.rows.size()));
        for (int32_t ch = 1; ch <= used; ++ch) entry.setChannel_prop(ch, r.editor.rows[size_t(ch - 1)].second);
        const QString name = entry.Name.trimmed();
        for (int32_t ch = 1; ch <= m.totalChannels; ++ch) {
            if (m.channelProfileName[ch].trimmed() != name || m.channelFixtureLabel[ch].isEmpty()) continue;
            for (int32_t k = 1; k <= entry.ChannelsUsed && ch + k - 1 <= m.totalChannels; ++k)
                m.channelType[ch + k - 1] = entry.Channel_prop(k).trimmed();
        }
        m.showChanged = true;
        out.updated = true;
        message(r.editor.profileName.trimmed() + QStringLiteral(" Profile was updated "));
        refreshAfterPatch();
    }

    // The labels in use, trimmed: every fixture is known by its label.
    QSet<QString> labelsInUse() const {
        QSet<QString> used;
        for (int32_t c = 1; c <= m.totalChannels; ++c)
            if (!m.channelFixtureLabel[c].trimmed().isEmpty()) used.insert(m.channelFixtureLabel[c].trimmed());
        for (int32_t f = 1; f <= m.fixtureCount; ++f)
            if (!m.fixtureName[f].trimmed().isEmpty()) used.insert(m.fixtureName[f].trimmed());
        return used;
    }

    void run();
};

void Commit::run() {
    const QString typedName = r.editor.profileName;
    const QString name = typedName.trimmed();
    if (r.view.isEmpty()) r.view = QStringLiteral("View 1");
    if (name.isEmpty()) {
        message(QStringLiteral(" Fixture name cannot be blank, Please check Fixture profile, fixture cannot be patched"));
        return;
    }
    s.patch().setSimulationEnabled(false);
    s.visualizer().unloadVisualizer();

    int16_t start = 0, n = 0, c = 0, columns = 1;
    int32_t first = 0;
    try {
        start = strictInt16(r.startText);
        n = strictInt16(r.countText);
        c = strictInt16(r.editor.channelsText);
        if (r.matrix) {
            columns = strictInt16(r.columnsText);
            if (columns <= 0) throw std::domain_error("Division by zero");
        }
        if (r.universeIndex < 0 || 512 * (r.universeIndex + 1) > m.totalChannels)
            throw std::out_of_range("Subscript out of range");
        first = int32_t(start) + 512 * r.universeIndex;
        if (first > 32767) throw std::overflow_error("Overflow");
        if (n > 0) {
            // Every channel row must be there and in order before anything is
            // written, so that no channel is typed without its fixture.
            if (c < 1 || c > ClsFixture::maxChannels || int32_t(r.editor.rows.size()) < c)
                throw std::out_of_range("Subscript out of range");
            for (int32_t a = 1; a <= c; ++a)
                if (r.editor.rows[size_t(a - 1)].first != rowLabel(a))
                    throw std::runtime_error("Channel " + std::to_string(a) + " of the profile is not in order");
        }
    } catch (const std::exception& e) {
        message(QStringLiteral("Error Loading Fixtures, Please enter Amount of fixtures to load.") +
                QString::fromLocal8Bit(e.what()));
        s.patch().setSimulationEnabled(true);
        return;
    }

    const int32_t last = int32_t(n) * c + first - 1;
    if (last > m.totalChannels) {
        message(QStringLiteral("Not all channles are available at this time, try loading fewer fixtures or increasing "
                               "number of universes"));
        s.patch().setSimulationEnabled(true);
        return;
    }
    bool channelsFree = n == 0;
    if (last >= first) {
        channelsFree = true;
        for (int32_t ch = std::max(first, 1); ch <= last; ++ch)
            if (m.channelType[ch] != QLatin1String("none")) {
                message(QStringLiteral("Not all channels are available, you will need to remove fixtures to load them "
                                       "with current starting channel."));
                channelsFree = false;
                break;
            }
    }
    if (first < 1 && n != 0) channelsFree = false;

    if (r.matrix) {
        if (r.matrixName == matrixNamePrompt) {
            message(QStringLiteral(" Please Enter Matrix Name and Try Again"));
            s.patch().setSimulationEnabled(true);
            return;
        }
        const int32_t slot = patchPlacement::firstFreeViewSlot();
        if (slot < 1 || slot >= m.viewNames.size()) {
            message(QStringLiteral("Error Loading Fixtures, Please enter Amount of fixtures to load.") +
                    QStringLiteral("Subscript out of range"));
            s.patch().setSimulationEnabled(true);
            return;
        }
        for (int32_t i = 1; i < slot; ++i)
            if (m.viewNames[i] == r.matrixName) {
                r.matrixName = s.prompts().inputBox(QStringLiteral("View Name Taken, Please enter another Name:"),
                                                    QStringLiteral("Name View:"));
                break;
            }
        m.viewNames[slot] = r.matrixName;
        r.view = r.matrixName;
        s.masters().cmdProgramingMode_Click();
    }
    if (!channelsFree) {
        message(QStringLiteral("All channels needed are not available, please retry at different start channel."));
        closingSequence();
        return;
    }

    // The profile entry: the first free one, or a patched one of the same
    // name the operator chooses to update.
    int32_t freeSlot = 1;
    while (freeSlot < int32_t(m.lightClasses.size()) && m.lightClasses[size_t(freeSlot)] &&
           m.lightClasses[size_t(freeSlot)]->taken)
        ++freeSlot;
    int32_t slot = 0;
    for (int32_t i = 1; i < int32_t(m.lightClasses.size()); ++i) {
        if (!m.lightClasses[size_t(i)] || !m.lightClasses[size_t(i)]->taken) continue;
        if (m.lightClasses[size_t(i)]->Name.trimmed() != name) continue;
        if (n > 0) {
            if (s.prompts().messageBox(QStringLiteral("This Fixture type is already Patched. Do you want to UPDATE the "
                                                      "present profile? If you chose no your new Fixtures will have a "
                                                      "different profile."),
                                       msgBox::YesNo) == msgBox::Yes) {
                slot = i;
                break;
            }
        } else {
            if (s.prompts().messageBox(QStringLiteral("Do you want to only UPDATE the present profile?"),
                                       msgBox::YesNo) != msgBox::Yes) {
                s.patch().setSimulationEnabled(true);
                return;
            }
            slot = i;
            break;
        }
    }
    if (n == 0) {
        if (slot > 0) updateOnly(slot);
        closingSequence();
        return;
    }
    if (int32_t(c) * n >= m.totalChannels) {
        message(QStringLiteral("Please enter a number, or Lower the amount of fixtures you are adding"));
        closingSequence();
        return;
    }
    if (slot == 0) slot = freeSlot;

    // Fixtures of this profile already patched (names compared trimmed).
    int32_t j = 0;
    for (int32_t ch = 1; ch <= m.totalChannels; ++ch)
        if (m.channelProfileName[ch].trimmed() == name && !m.channelFixtureLabel[ch].isEmpty()) ++j;

    // Everything is known: write the patch.
    auto profile = std::make_unique<ClsFixture>();
    profile->Name = typedName;
    profile->ChannelsUsed = c;
    profile->taken = true;
    copyProfileDetails(*profile, r.editor.edited);
    for (int32_t a = 1; a <= c; ++a) profile->setChannel_prop(a, r.editor.rows[size_t(a - 1)].second);
    m.lightClass(slot); // grows the table to the slot
    // The edited profile may be this very entry (the editor opened on a
    // patched profile): it is still read below, so it outlives the commit.
    replacedProfile = std::move(m.lightClasses[size_t(slot)]);
    m.lightClasses[size_t(slot)] = std::move(profile);
    m.lightClassCount = std::max({freeSlot, slot, m.highestLightClassInUse()});

    // A dimmer is a strobe dimmer when the profile has a strobe-capable channel.
    bool strobeSeen = false;
    for (int32_t a = 1; a <= c; ++a) {
        const QString t = r.editor.rows[size_t(a - 1)].second.trimmed();
        if (t == QLatin1String("strobe intensity") || t == QLatin1String("strobe rate") ||
            (t == QLatin1String("shutter") && strobeRange(r.editor.edited, a + 1, true)))
            strobeSeen = true;
    }

    QSet<QString> used = labelsInUse();
    const int32_t before = m.fixtureCount;
    for (int32_t k = 1; k <= n; ++k) {
        const int32_t f = before + k;
        const int32_t base = first + (k - 1) * c;
        // Labels are the fixtures' identity: one already in use moves the
        // numbering on until it is free.
        QString label = fixtureLabel(name, k, j);
        for (int32_t extra = 1; used.contains(label.trimmed()); ++extra) label = fixtureLabel(name, k, j + extra);
        used.insert(label.trimmed());
        for (int32_t a = 1; a <= c; ++a) {
            const int32_t ch = base + a - 1;
            const QString shown = r.editor.rows[size_t(a - 1)].second;
            const QString t = shown.trimmed();
            m.channelType[ch] = a == 1 ? shown : t;
            if (a == 1) {
                m.channelFixtureLabel[ch] = label;
                m.fixtureName[f] = label;
                m.fixtureView[f] = r.view;
                patchPlacement::placeIcon(f, k, r.matrix, columns, r.layoutWidth);
            }
            auto set = [&](TruthArray& arr, bool on) {
                if (on) arr[size_t(ch)] = 1;
            };
            auto strobe = [&](bool prefix) {
                if (const auto range = strobeRange(r.editor.edited, a + 1, prefix)) {
                    m.channelStrobeRateFlags[size_t(ch)] = 1;
                    m.channelStrobeLow[size_t(ch)] = range->first;
                    m.channelStrobeHigh[size_t(ch)] = range->second;
                }
            };
            if (t == QLatin1String("pan")) {
                set(m.channelFades, r.fadeMotion);
                set(m.channelInvert, r.invertPan);
            } else if (t == QLatin1String("tilt")) {
                set(m.channelFades, r.fadeMotion);
                set(m.channelInvert, r.invertTilt);
            } else if (startsWith(t, "white") || startsWith(t, "amber") || startsWith(t, "uv")) {
                set(m.channelFades, r.fadeColour);
            } else if (startsWith(t, "red") || startsWith(t, "blue") || startsWith(t, "green") ||
                       t == QLatin1String("magenta") || t == QLatin1String("cyan") || t == QLatin1String("yellow")) {
                set(m.channelFades, r.fadeColour);
            }
            if (t == QLatin1String("intensity") || t == QLatin1String("dimmer")) set(m.channelFades, r.fadeDimmer);
            if (t == QLatin1String("strobe intensity")) {
                m.channelStrobeIntensityFlags[size_t(ch)] = 1;
                m.channelStrobeLow[size_t(ch)] = 0;
                m.channelStrobeHigh[size_t(ch)] = 255;
                strobe(false);
            } else if (t == QLatin1String("strobe rate")) {
                m.channelStrobeRateFlags[size_t(ch)] = 1;
                m.channelStrobeLow[size_t(ch)] = 0;
                m.channelStrobeHigh[size_t(ch)] = 255;
                strobe(true);
            } else if (t == QLatin1String("shutter")) {
                strobe(true);
            } else if (t == QLatin1String("dimmer") && strobeSeen) {
                m.channelStrobeIntensityFlags[size_t(ch)] = 1;
                strobe(false);
            }
            if (r.dmxPilotAll) {
                m.channelDmxPilotFlags[size_t(ch)] = 1;
                m.channelHighLimits[size_t(ch)] = 255;
                m.channelLowLimits[size_t(ch)] = 0;
            }
            m.channelProfileName[ch] = name;
        }
    }

    const bool mirror = m.lightClasses[size_t(slot)]->fixtureType() == QLatin1String("Moving Mirror");
    QString matrixName = r.matrixName;
    if (r.matrix && matrixName == matrixNamePrompt) {
        matrixName = s.prompts().inputBox(QStringLiteral("Please enter Matrix Name"), QStringLiteral("enter Matrix Name"));
        r.matrixName = matrixName;
    }
    for (int32_t p = 1; p <= n; ++p) {
        const int32_t f = before + p;
        m.fixtureRotationX[size_t(f)] = 0;
        m.fixtureRotationZ[size_t(f)] = 0;
        m.fixtureRotationY[size_t(f)] = mirror ? 27000 : 0;
        if (r.matrix) {
            patchPlacement::setMatrixPixel(f, p, columns, matrixName);
        } else {
            m.fixtureMatrixRow[size_t(f)] = 0;
            m.fixtureMatrixColumn[size_t(f)] = 0;
            m.fixtureMatrixName[f].clear();
            m.fixtureMatrixMarker[f].clear();
        }
    }

    m.fixtureCount = before + n;
    patchModel::fixture_layout(before + 1, n);
    s.patch().layoutFixtures(before + 1, n, false);
    s.patch().reloadFixtureList();
    out.added = n;
    out.first = before + 1;
    // Groups only once the new fixtures are in the patch.
    patchPlacement::offerAutomaticGroups(before + 1, n, typedName);

    message(r.countText + QLatin1Char(' ') + name + QStringLiteral("(s) ") + QStringLiteral("loaded"));
    refreshAfterPatch();
    closingSequence();
}

} // namespace

QString fixtureLabel(const QString& name, int32_t k, int32_t j) {
    const QString n = name.trimmed();
    if (j <= 0) return n + QLatin1Char(' ') + QString::number(k);
    return n + QLatin1Char(' ') + QString::number(k + j) + QLatin1Char(' ') + QString::number(k);
}

Outcome commit(Request request) {
    Commit c(std::move(request));
    try {
        c.run();
    } catch (const std::exception& e) {
        c.message(QStringLiteral("Error Loading Fixtures, Please enter Amount of fixtures to load.") +
                  QString::fromLocal8Bit(e.what()));
        c.s.patch().setSimulationEnabled(true);
    }
    return c.out;
}

bool fixturesFit(int32_t universeIndex, const QString& startText, const QString& countText,
                 const QString& channelsText) {
    ChannelModel& m = shell().state;
    const double startValue = numberText::leadingValue(startText);
    if (startValue <= 0) return false;
    const QString more = QStringLiteral("Please add More Universes to Patch This Amount Of Fixtures:");
    if (!numberText::isNumber(startText) || !numberText::isNumber(countText) || !numberText::isNumber(channelsText)) {
        shell().prompts().messageBox(more);
        return false;
    }
    const int32_t s = universeIndex * 512 + int32_t(startValue);
    const double count = numberText::leadingValue(countText) * numberText::leadingValue(channelsText);
    const int32_t n = int32_t(std::nearbyint(count));
    if (n <= 0) return false;
    for (int32_t ch = s; ch <= s + n - 1; ++ch) {
        if (ch < 1) return false;
        if (ch > m.totalChannels) {
            shell().prompts().messageBox(more);
            return true;
        }
        if (m.channelType[ch] != QLatin1String("none")) return false;
    }
    return true;
}

} // namespace patchCommit
