#include "shell/roleResolution.h"

#include "profiles/ClsFixture.h"
#include "platform/prompts.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"

#include <limits>
#include <stdexcept>

namespace {

// The source shown after the description in the pan/tilt error message.
const QString errorSource = QStringLiteral("VarnelDMX");

struct Span {
    int32_t first = 0;
    int32_t last = -1; // first > last: no channels
};

void checkFixture(const ChannelModel& m, int32_t f) {
    if (f < 1 || f > m.totalChannels || size_t(f) >= m.fixtureStartChannel.size())
        throw std::out_of_range("Subscript out of range");
}

int16_t toInt16(int32_t v) {
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        throw std::overflow_error("Overflow");
    return int16_t(v);
}

// The fixture's profile; an empty slot first receives an empty profile. A
// fixture without a profile index (0, as left by an unmatched label when no
// profile exists) has no channels.
const ClsFixture* profileOf(ChannelModel& m, int32_t f) {
    const int k = m.fixtureLightClass[size_t(f)];
    if (k < 1) return nullptr;
    return &m.lightClass(k);
}

// The fixture's channels, checked against the channel arrays before any of
// them is touched: a start channel and channel count read from a show file
// must not reach outside the arrays.
Span spanOf(ChannelModel& m, int32_t f) {
    checkFixture(m, f);
    const ClsFixture* profile = profileOf(m, f);
    const int32_t used = profile ? profile->ChannelsUsed : 0;
    if (used <= 0) return {};
    const int32_t first = m.fixtureStartChannel[size_t(f)];
    const int32_t last = first + used - 1;
    if (first < 1 || last > m.totalChannels) throw std::out_of_range("Subscript out of range");
    return {first, last};
}

bool isDimmerName(const QString& t) {
    return t.startsWith(QLatin1String("dimmer")) || t == QLatin1String("intensity") ||
           t == QLatin1String("strobe intensity");
}

bool isGoboRotationName(const QString& t) {
    return t == QLatin1String("rotating gobo") || t == QLatin1String("gobospin") ||
           t == QLatin1String("gobo rotation") || t == QLatin1String("goborot");
}

bool isColourCellName(const QString& t) {
    static const QStringList names = {
        QStringLiteral("red"),  QStringLiteral("green"),  QStringLiteral("blue"),  QStringLiteral("red1"),
        QStringLiteral("green1"), QStringLiteral("blue1"), QStringLiteral("red2"), QStringLiteral("green2"),
        QStringLiteral("blue2"), QStringLiteral("red3"),  QStringLiteral("green3"), QStringLiteral("blue3")};
    return names.contains(t);
}

bool isWhiteOrAmberName(const QString& t) {
    return t == QLatin1String("white") || t == QLatin1String("white1") || t == QLatin1String("amber");
}

bool isCmyName(const QString& t) {
    return t == QLatin1String("cyan") || t == QLatin1String("magenta") || t == QLatin1String("yellow");
}

QString description(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

} // namespace

namespace roleResolution {

void getFixtureDimmersandFoggers() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        const int32_t count = m.fixtureCount;
        for (int32_t f = 1; f <= count; ++f) {
            const Span span = spanOf(m, f);
            const int16_t fixtureNumber = toInt16(f);
            m.fixtureDimmerChannel[size_t(f)] = 0;
            m.fixtureFogChannel[size_t(f)] = 0;
            m.fixtureHazeFanChannel[size_t(f)] = 0;
            for (int32_t c = span.first; c <= span.last; ++c) {
                const QString& t = m.channelType[c];
                if (isDimmerName(t)) m.fixtureDimmerChannel[size_t(f)] = toInt16(c);
                if (t == QLatin1String("haze") || t == QLatin1String("fog")) m.fixtureFogChannel[size_t(f)] = toInt16(c);
                if (t == QLatin1String("haze fan")) m.fixtureHazeFanChannel[size_t(f)] = toInt16(c);
                if (t != QLatin1String("none")) m.channelFixture[size_t(c)] = fixtureNumber;
            }
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("error in getDimmersandFoggers: ") + description(e));
    }
}

void findPanandTilt(int32_t fixture) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        checkFixture(m, fixture);
        const size_t f = size_t(fixture);
        m.fixturePanChannel[f] = 0;
        m.fixturePanFineChannel[f] = 0;
        m.fixtureTiltChannel[f] = 0;
        m.fixtureTiltFineChannel[f] = 0;
        if (m.fixtureStartChannel.size() < 2) return; // no fixture arrays yet
        const Span span = spanOf(m, fixture);
        for (int32_t c = span.first; c <= span.last; ++c) {
            const QString& t = m.channelType[c];
            if (t == QLatin1String("pan")) m.fixturePanChannel[f] = toInt16(c);
            else if (t == QLatin1String("panfine")) m.fixturePanFineChannel[f] = toInt16(c);
            else if (t == QLatin1String("tilt")) m.fixtureTiltChannel[f] = toInt16(c);
            else if (t == QLatin1String("tiltfine")) m.fixtureTiltFineChannel[f] = toInt16(c);
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error in FindPanAndTilt:") + description(e) + errorSource);
    }
}

void findIfBeamHasShutter(int32_t fixtureNumber) {
    ChannelModel& m = shell().state;
    const Span span = spanOf(m, fixtureNumber);
    const size_t f = size_t(fixtureNumber);
    m.fixtureShutterChannel[f] = 0;
    m.fixtureGoboRotationChannel[f] = 0;
    const bool hasDimmer = fixtureHasDimmer(fixtureNumber);
    bool colourCells = false;

    for (int32_t c = span.first; c <= span.last; ++c) {
        const QString t = m.channelType[c].trimmed();
        if (t == QLatin1String("shutter")) m.fixtureShutterChannel[f] = c;
        if (isGoboRotationName(t)) m.fixtureGoboRotationChannel[f] = c;
        // A fixture with a dimmer scales only its dimmer; its colour, white
        // and amber cells keep their flag. Without one, the cells are the
        // intensity. Cyan, magenta and yellow filters are never changed.
        if (isColourCellName(t)) {
            if (!hasDimmer) {
                m.channelIsIntensity[size_t(c)] = 1;
                colourCells = true;
            }
        } else if (isWhiteOrAmberName(t)) {
            if (!hasDimmer) m.channelIsIntensity[size_t(c)] = 1;
        } else if (!isCmyName(t)) {
            m.channelIsIntensity[size_t(c)] = 0;
        }
    }

    if (colourCells) return;
    for (int32_t c = span.first; c <= span.last; ++c) {
        const QString t = m.channelType[c].trimmed();
        if (t.startsWith(QLatin1String("dimmer")) || t == QLatin1String("intensity")) m.channelIsIntensity[size_t(c)] = 1;
    }
}

void findifcolormixer(int32_t fixtureNumber) {
    ChannelModel& m = shell().state;
    const Span span = spanOf(m, fixtureNumber);
    const size_t f = size_t(fixtureNumber);
    for (int32_t c = span.first; c <= span.last; ++c) {
        const QString t = m.channelType[c].trimmed();
        if (t == QLatin1String("red") || t == QLatin1String("green") || t == QLatin1String("blue") || isCmyName(t)) {
            m.fixtureIsColourMixer[f] = 1;
            return;
        }
        m.fixtureIsColourMixer[f] = 0;
    }
}

void findlightclass(int32_t fixtureNumber) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    checkFixture(m, fixtureNumber);
    const size_t f = size_t(fixtureNumber);
    // The icon's name cannot change during the walk, so it is read once.
    const QString name = s.patch().fixtureIconName(fixtureNumber).trimmed();
    if (!name.isEmpty()) {
        const int32_t total = m.totalChannels;
        for (int32_t c = 1; c <= total; ++c) {
            if (name != m.channelFixtureLabel[c].trimmed()) continue;
            m.fixtureStartChannel[f] = toInt16(c);
            const QString profileName = m.channelProfileName[c].trimmed();
            for (int32_t k = 1; k <= m.lightClassCount; ++k) {
                if (m.lightClass(k).Name.trimmed() == profileName) m.fixtureLightClass[f] = toInt16(k);
            }
        }
    }
    if (m.lightClassCount >= 1 && m.fixtureLightClass[f] == 0) {
        m.fixtureLightClass[f] = 1;
        s.prompts().messageBox(QStringLiteral("Show File May Be Corrupt! Fixture:") + m.fixtureName[fixtureNumber]);
    }
}

bool fixtureHasDimmer(int32_t fixtureNumber) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    try {
        checkFixture(m, fixtureNumber);
        const ClsFixture* profile = profileOf(m, fixtureNumber);
        return profile && profile->dimmmerChannel() >= 1;
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error Finding Dimmer Channel: ") + description(e));
        return false;
    }
}

void findSyncChannels() {}

} // namespace roleResolution
