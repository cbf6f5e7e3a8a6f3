#include "effects/shapeGenerator.h"

#include "effects/effectWrites.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/services/consoleService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

using namespace effectWrites;

namespace {

const QString bestResults = QStringLiteral(
    "For best results create sequence first(movement, rgb chase, etc...), then apply chase-fx last.");

int32_t roundEven(double v) { return int32_t(std::nearbyint(v)); }
int32_t clampLevel(int32_t v) { return std::clamp(v, 0, 255); }
QString describe(const std::exception& e) { return QString::fromUtf8(e.what()); }

ChannelModel& model() { return shell().state; }
PlaybackService& playbacks() { return shell().playback(); }
int32_t current() { return model().currentPlayback; }

// A field read strictly: its whole text must be one number.
double strictNumber(const QString& text, const char* field) {
    if (!numberText::isNumber(text)) throw std::invalid_argument(std::string("Type mismatch in ") + field);
    return numberText::leadingValue(text);
}

// The profile of a fixture (an empty one for an empty slot).
const ClsFixture& profileOf(int32_t fixture) {
    ChannelModel& m = model();
    if (fixture < 1 || size_t(fixture) >= m.fixtureLightClass.size()) throw std::out_of_range("fixture out of range");
    return m.lightClass(std::max<int>(m.fixtureLightClass[size_t(fixture)], 1));
}

bool hasPanAndTilt(int32_t f) {
    const ChannelModel& m = model();
    return m.fixturePanChannel[size_t(f)] > 0 && m.fixtureTiltChannel[size_t(f)] > 0;
}

// The offset of the next group of fixtures in the step shifts.
int32_t nextOffset(int32_t o, double P, int32_t end) {
    double next;
    if (o > 0 && o < end) next = P + o;
    else if (o >= end) next = P + o - end;
    else if (o >= -end) next = P + o + end;
    else next = P + o;
    return numberText::clampInt16(next);
}

// A buffer that repeats a channel's stored steps 1..M with period R from index 1.
void capture(std::vector<int32_t>& buffer, int32_t channel, int32_t M, int32_t R) {
    for (int32_t k = 1; k <= M + 1; k += R)
        for (int32_t j = 1; j <= M; ++j) {
            const size_t at = size_t(k - 1 + j);
            if (at >= buffer.size()) throw std::out_of_range("Subscript out of range");
            buffer[at] = stored(channel, j);
        }
}

int32_t bufferAt(const std::vector<int32_t>& buffer, int32_t index) {
    if (index < 0 || size_t(index) >= buffer.size()) throw std::out_of_range("Subscript out of range");
    return buffer[size_t(index)];
}

} // namespace

ShapeGenerator::ShapeGenerator() = default;

double ShapeGenerator::Sine(double degrees) { return std::sin(degrees * (std::atan(1.0) / 45.0)); }
double ShapeGenerator::Cosine(double degrees) { return std::cos(degrees * (std::atan(1.0) / 45.0)); }

int32_t ShapeGenerator::steps() const { return playbacks().getMaxSteps(current()); }
bool ShapeGenerator::running() const { return playbacks().getChaserFlag(current()); }
void ShapeGenerator::changed() {
    if (view) view->fieldsChanged();
}
void ShapeGenerator::redraw() {
    if (view) view->refreshShape();
}

int32_t ShapeGenerator::shapeAngleStep(int32_t n) {
    if (n <= 0) return 0;
    return roundEven(std::nearbyint(360.0 / n * 100.0) / 100.0);
}
int32_t ShapeGenerator::waveAngleStep(int32_t n) { return n <= 0 ? 0 : roundEven(360.0 / n); }

// ---------------------------------------------------------------- shape maths

void ShapeGenerator::drawCircle(int16_t sizeX, int16_t sizeY, int16_t mult, int16_t mult1, int16_t changeCenter) {
    Shell& s = shell();
    try {
        ChannelModel& m = model();
        int32_t n = steps();
        if (n <= 0) n = 20;
        const int32_t count = m.fixtureCount;
        std::vector<std::vector<int32_t>> pan(size_t(count) + 1), tilt(size_t(count) + 1);
        int32_t j = 0;
        for (int32_t k = 1; k <= count; ++k) {
            if (!isSelected(k)) continue;
            if (changeCenter == 0) shapeCenterX = shapeCenterY = 127;
            if (hasPanAndTilt(k)) {
                if (running()) {
                    if (!movingCenter) playbacks().returnXYCenter(current(), k, shapeCenterX, shapeCenterY);
                } else {
                    shapeCenterX = m.channelOutput[size_t(m.fixturePanChannel[size_t(k)])];
                    shapeCenterY = m.channelOutput[size_t(m.fixtureTiltChannel[size_t(k)])];
                }
            }
            if (shapeCenterX == 0 && shapeCenterY == 0) shapeCenterX = shapeCenterY = 127;
            const int32_t a = shapeAngleStep(n);
            pan[size_t(k)].assign(size_t(n) + 3, 0);
            tilt[size_t(k)].assign(size_t(n) + 3, 0);
            j = 0;
            for (int32_t o = 0; o <= 360; o += a) {
                ++j;
                const double F = useSine ? Sine(double(mult) * o) : Cosine(double(mult) * o);
                pan[size_t(k)][size_t(j)] = clampLevel(roundEven(std::abs(shapeCenterX - sizeX * F)));
                tilt[size_t(k)][size_t(j)] =
                    clampLevel(roundEven(std::abs(shapeCenterY - sizeY * Sine(double(mult1) * o))));
                if (j > n) break;
            }
        }
        bool cut = false;
        if (j != 0 && j < steps()) {
            playbacks().setMaxStepsValue(current(), j - 1);
            cut = true;
        }
        const int32_t S = cut ? j - 1 : n;
        for (int32_t l = 1; l <= count; ++l) {
            if (!isSelected(l)) continue;
            const auto [first, last] = channelsOf(l);
            for (int32_t d = 1; d <= S; ++d) {
                if (hasPanAndTilt(l)) {
                    // Each channel is claimed on its own check, so a locked tilt stays its owner's.
                    writeClaimed(m.fixturePanChannel[size_t(l)], d, pan[size_t(l)][size_t(d)]);
                    writeClaimed(m.fixtureTiltChannel[size_t(l)], d, tilt[size_t(l)][size_t(d)]);
                }
                for (int32_t t = first; t <= last; ++t) {
                    const QString& type = m.channelType[t];
                    if (type.startsWith(QStringLiteral("pan")) || type.startsWith(QStringLiteral("tilt"))) continue;
                    const int32_t v = stored(t, d);
                    if (v == 0 && m.channelOwner[size_t(t)] == current() && m.channelOutput[size_t(t)] > 0)
                        writeClaimed(t, d, m.channelOutput[size_t(t)]);
                }
            }
        }
        for (int32_t l = 1; l <= count; ++l) fillInOtherActiveFixturesOnCurrentPlayback(l);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error in DrawCircle: ") + describe(e));
    }
}

void ShapeGenerator::createFX(int16_t sizeX, int16_t sizeY, int16_t mult, int16_t /*mult1*/, const QString& channelName) {
    Shell& s = shell();
    ChannelModel& m = model();
    const int32_t H = sizeX, L = sizeY;
    int32_t n = steps();
    if (n <= 0) n = 20;
    if (!running()) s.prompts().messageBox(bestResults, msgBox::OKOnly);
    const int32_t a = waveAngleStep(n);
    std::vector<int32_t> values(size_t(n) + 1, 0);
    int32_t i = 0;
    for (int32_t o = 0; o <= 360; o += a) {
        ++i;
        const double F = useSine ? Sine(double(mult) * o) : Cosine(double(mult) * o);
        // A low value above the high one would reach 510: levels stay within 0..255.
        values[size_t(i)] = clampLevel(L + roundEven(std::abs(F * (H - L))));
        if (i >= n) break;
    }
    bool cut = false;
    if (i != 0 && i < steps()) {
        playbacks().setMaxStepsValue(current(), i - 1);
        cut = true;
    }
    const int32_t S = cut ? i - 1 : n;
    const QString wanted = numberText::trimBlanks(channelName);
    const bool colours = wanted == QStringLiteral("RGB") || wanted == QStringLiteral("CMY");
    static const QStringList colourTypes = {QStringLiteral("red"),  QStringLiteral("green"),   QStringLiteral("blue"),
                                            QStringLiteral("cyan"), QStringLiteral("magenta"), QStringLiteral("yellow")};
    for (int32_t f = 1; f <= m.fixtureCount; ++f) {
        if (!isSelected(f)) continue;
        const auto [first, last] = channelsOf(f);
        for (int32_t h = 1; h <= S; ++h)
            for (int32_t k = first; k <= last; ++k) {
                const QString& type = m.channelType[k];
                if (colours && colourTypes.contains(type)) writeClaimed(k, h, values[size_t(h)]);
                if (numberText::trimBlanks(type) == wanted) writeClaimed(k, h, values[size_t(h)]);
            }
    }
    for (int32_t f = 1; f <= m.fixtureCount; ++f) fillInOtherActiveFixturesOnCurrentPlayback(f);
    playbacks().SendMefadeTimeFromMain(current(), true);
}

// ---------------------------------------------------------------- centres and look-ups

void ShapeGenerator::setCenter(int32_t x, int32_t y) {
    shapeCenterX = x;
    shapeCenterY = y;
}

void ShapeGenerator::setCenterForAllSelected() {
    Shell& s = shell();
    try {
        const int32_t count = model().fixtureCount;
        localCenterX.assign(size_t(std::max(count, 0)) + 1, 0);
        localCenterY.assign(size_t(std::max(count, 0)) + 1, 0);
        for (int32_t i = 1; i <= count; ++i)
            if (isSelected(i)) playbacks().returnXYCenter(current(), i, localCenterX[size_t(i)], localCenterY[size_t(i)]);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error in setCenterforSelectedFixtures:") + describe(e));
    }
}

// A fixture whose centre was never stored has none: 0.
int32_t ShapeGenerator::getLocalX(int32_t index) const {
    return index >= 1 && size_t(index) < localCenterX.size() ? localCenterX[size_t(index)] : 0;
}
int32_t ShapeGenerator::getLocalY(int32_t index) const {
    return index >= 1 && size_t(index) < localCenterY.size() ? localCenterY[size_t(index)] : 0;
}

int32_t ShapeGenerator::countSelectedListFixtures() {
    selectedFixtureCount = 0;
    for (int32_t f = 1; f <= model().fixtureCount; ++f)
        if (isSelected(f)) ++selectedFixtureCount;
    return selectedFixtureCount;
}

void ShapeGenerator::setFX(const QString& theChannel) {
    fields.Combo1Text = theChannel;
    fields.cmbChannelListText = theChannel;
    fxChannelName = theChannel;
    fillValueLists();
    fields.cmbValue1Enabled = fields.cmbValue2Enabled = true;
    changed();
}

void ShapeGenerator::getCHannelsForSelectedFixtures() {
    if (!view || !view->visible()) return;
    Shell& s = shell();
    try {
        selectedFixtureCount = 0;
        QStringList all;
        for (int32_t f = 1; f <= model().fixtureCount; ++f) {
            if (!isSelected(f)) continue;
            ++selectedFixtureCount;
            const ClsFixture& p = profileOf(f);
            for (int c = 1; c <= 36; ++c)
                if (!p.Channel_prop(c).isEmpty()) all << p.Channel_prop(c);
        }
        fields.cmbChannelList.clear();
        for (const QString& name : all)
            if (all.count(name) == selectedFixtureCount && !fields.cmbChannelList.contains(name))
                fields.cmbChannelList << name;
        fields.cmbChannelListText = fxChannelName;
        fillValueLists();
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error in getChannelsForSelectedFixtures: ") + describe(e));
    }
    changed();
}

void ShapeGenerator::fillValueLists() {
    QStringList labels;
    int32_t n = 0;
    for (int32_t f = 1; f <= model().fixtureCount; ++f) {
        if (!isSelected(f)) continue;
        ++n;
        const ClsFixture& p = profileOf(f);
        for (int c = 1; c <= 35; ++c) {
            if (p.Channel_prop(c) != fields.cmbChannelListText) continue;
            for (int r = 1; r <= ClsFixture::maxRanges; ++r)
                if (!p.properties(r, c + 1).isEmpty()) labels << p.properties(r, c + 1).toLower();
        }
    }
    QStringList common;
    QStringList seen;
    for (const QString& label : labels) {
        if (seen.contains(label)) continue;
        seen << label;
        for (int copies = n > 0 ? int(labels.count(label)) / n : 0; copies > 0; --copies) common << label;
    }
    fields.cmbValue1 = common;
    fields.cmbValue2 = common;
    if (!common.isEmpty()) fields.cmbValue1Text = common.first();
    fields.cmbValue2Text = common.size() < 2 ? QStringLiteral("0") : common.at(1);
}

int32_t ShapeGenerator::findChannelNumber(const QString& channelName, int32_t fixture) {
    const ClsFixture& p = profileOf(fixture);
    const QString wanted = numberText::trimBlanks(channelName);
    for (int c = 1; c <= 36; ++c)
        if (p.Channel_prop(c) == wanted) return c;
    return 0;
}

int32_t ShapeGenerator::findRangeValue(int32_t fixture, const QString& label, const QString& channelName) {
    const int32_t c = findChannelNumber(channelName, fixture);
    const QString wanted = numberText::trimBlanks(label).toLower();
    if (c == 0 || wanted.isEmpty()) return 0;
    const ClsFixture& p = profileOf(fixture);
    for (int r = 1; r <= ClsFixture::maxRanges; ++r)
        if (p.properties(r, c + 1).toLower() == wanted) return p.from(r, c + 1);
    return 0;
}

QStringList ShapeGenerator::showChannelTypes() {
    ChannelModel& m = model();
    QStringList names;
    bool colourMixing = false;
    for (int k = 1; k <= m.lightClassCount && size_t(k) < m.lightClasses.size(); ++k) {
        if (!m.lightClasses[size_t(k)]) continue;
        const ClsFixture& p = *m.lightClasses[size_t(k)];
        for (int c = 1; c <= 36; ++c) {
            const QString& name = p.Channel_prop(c);
            if (name.isEmpty()) continue;
            const QString trimmed = numberText::trimBlanks(name);
            if (trimmed == QStringLiteral("red") || trimmed == QStringLiteral("cyan")) colourMixing = true;
            if (!names.contains(name)) names << name;
        }
    }
    names.sort();
    if (colourMixing) names << QStringLiteral("RGB") << QStringLiteral("CMY");
    return names;
}

// ---------------------------------------------------------------- two-value chase

void ShapeGenerator::createChannelChase() {
    Shell& s = shell();
    try {
        const int32_t N = countSelectedListFixtures();
        if (!running()) s.prompts().messageBox(bestResults, msgBox::OKOnly);
        if (steps() < N) {
            playbacks().setMaxStepsValue(current(), N);
            stepEnd = steps();
            updateMyStepRange();
            playbacks().SendMefadeTimeFromMain(current(), true);
        }
        const QString name = fields.cmbChannelListText;
        auto target = [&](int32_t f) {
            const int32_t c = findChannelNumber(name, f);
            return c == 0 ? 0 : model().fixtureStartChannel[size_t(f)] + c - 1;
        };
        const int32_t M = steps();
        for (int32_t f = 1; f <= model().fixtureCount; ++f) {
            if (!isSelected(f)) continue;
            for (int32_t d = 1; d <= M; ++d) FillInData(f, d);
            if (const int32_t ch = target(f))
                for (int32_t d = 1; d <= M; ++d) writeClaimed(ch, d, 0);
        }
        auto valueOf = [&](int32_t f, bool enabled, const QString& text) {
            if (enabled) return findRangeValue(f, text, name);
            return clampLevel(roundEven(std::clamp(numberText::leadingValue(text), -1.0, 256.0)));
        };
        for (int32_t f = 1; f <= model().fixtureCount; ++f) {
            if (!isSelected(f)) continue;
            const int32_t ch = target(f);
            if (ch == 0) continue;
            writeClaimed(ch, 1, valueOf(f, fields.cmbValue1Enabled, fields.cmbValue1Text));
            writeClaimed(ch, 2, valueOf(f, fields.cmbValue2Enabled, fields.cmbValue2Text));
            int32_t i = 1;
            for (int32_t v = N + 1; v <= M; ++v) {
                writeClaimed(ch, v, stored(ch, v - i * N));
                if (v % N == 0) ++i;
            }
        }
        newShiftShape(numberText::trimBlanks(name));
        playbacks().playLoadedSequence(current(), true, true, false);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("An error has occured, Please report to") + describe(e));
    }
}

// ---------------------------------------------------------------- step tools

void ShapeGenerator::updateMyStepRange() {
    fields.fromChText = QString::number(stepStart);
    fields.toChText = QString::number(stepEnd);
    changed();
}

void ShapeGenerator::newShiftShape(const QString& channelName) {
    Shell& s = shell();
    try {
        const double P = strictNumber(fields.ShiftTxt, "Step Offset");
        const double F = strictNumber(fields.Offsettxt, "Fixture Offset");
        const int32_t R = stepEnd - stepStart + 1;
        if (R < 1) throw std::invalid_argument("the step range ends before it starts");
        const int32_t M = steps();
        // Room for twice the longest playback; the current one is among them.
        const int32_t largest = std::max(channelModel::checkForLargestChaser(), M + 1);
        std::vector<int32_t> buffer(size_t(2 * largest) + 1, 0);
        const int32_t count = model().fixtureCount;
        for (int32_t f = 1; f <= count; ++f)
            if (isSelected(f))
                if (const int32_t c = firstChannelOfType(f, channelName)) capture(buffer, c, M, R);
        int32_t o = 1, g = 1;
        for (int32_t f = 1; f <= count; ++f) {
            if (!isSelected(f)) continue;
            if (o > stepEnd) o = 1;
            ++g;
            if (const int32_t c = firstChannelOfType(f, channelName))
                for (int32_t j = stepStart; j <= stepEnd; ++j) {
                    const int32_t index = std::abs(o + j) <= stepEnd ? std::abs(o + stepEnd + j) : std::abs(o - stepEnd + j);
                    writeClaimed(c, j, bufferAt(buffer, index));
                }
            if (F < g) {
                o = nextOffset(o, P, stepEnd);
                g = 1;
            }
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("General error") + describe(e));
    }
}

void ShapeGenerator::shiftMovementSteps(bool panOnly, bool tiltOnly, bool both) {
    Shell& s = shell();
    try {
        const int32_t M = steps();
        if (M < 1) return;
        const double P = strictNumber(fields.ShiftTxt, "Step Offset");
        const double F = strictNumber(fields.Offsettxt, "Fixture Offset");
        const int32_t R = stepEnd - stepStart + 1;
        if (R < 1) throw std::invalid_argument("the step range ends before it starts");
        ChannelModel& m = model();
        const int32_t count = m.fixtureCount;
        std::map<int32_t, std::pair<std::vector<int32_t>, std::vector<int32_t>>> buffers;
        for (int32_t f = 1; f <= count; ++f) {
            if (!isSelected(f) || !hasPanAndTilt(f)) continue;
            auto& [panBuffer, tiltBuffer] = buffers[f];
            panBuffer.assign(size_t(2 * M) + 1, 0);
            tiltBuffer.assign(size_t(2 * M) + 1, 0);
            capture(panBuffer, m.fixturePanChannel[size_t(f)], M, R);
            capture(tiltBuffer, m.fixtureTiltChannel[size_t(f)], M, R);
        }
        int32_t o = 1, g = 1;
        for (auto& [f, pair] : buffers) {
            if (o > stepEnd) o = 1;
            ++g;
            for (int32_t i = stepStart; i <= stepEnd; ++i) {
                const int32_t index = std::abs(o + i) <= stepEnd ? std::abs(i + stepEnd + o) : std::abs(i + o - stepEnd);
                if (panOnly || both) writeClaimed(m.fixturePanChannel[size_t(f)], i, bufferAt(pair.first, index));
                if (tiltOnly || both) writeClaimed(m.fixtureTiltChannel[size_t(f)], i, bufferAt(pair.second, index));
            }
            if (F < g) {
                o = nextOffset(o, P, stepEnd);
                g = 1;
            }
        }
        playbacks().SendMefadeTimeFromMain(current(), true);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Not all fixtures have pan and tilt channels ") + describe(e));
    }
}

void ShapeGenerator::rotateMovement() {
    Shell& s = shell();
    try {
        ChannelModel& m = model();
        const double F = strictNumber(fields.Offsettxt, "Fixture Offset");
        const float degreesPan = float(numberText::leadingValue(fields.RotateTXT));
        const float degreesTilt = float(numberText::leadingValue(fields.RotateYTxt));
        int32_t i = 0;
        float aP = 0, aT = 0;
        for (int32_t f = 1; f <= m.fixtureCount; ++f) {
            if (!isSelected(f)) continue;
            if (F == i) {
                aP = float(f) * (degreesPan / 180.0f * 3.14159f);
                aT = float(f) * (degreesTilt / 180.0f * 3.14159f);
                i = 0;
            }
            ++i;
            if (!hasPanAndTilt(f)) continue;
            const int32_t M = steps();
            // One entry per step, however many steps the playback has.
            std::vector<int32_t> pan(size_t(std::max(M, 0)) + 1), tilt(size_t(std::max(M, 0)) + 1);
            const int32_t P = m.fixturePanChannel[size_t(f)], T = m.fixtureTiltChannel[size_t(f)];
            for (int32_t st = 1; st <= M; ++st) {
                const int16_t x = numberText::clampInt16(stored(P, st)), y = numberText::clampInt16(stored(T, st));
                pan[size_t(st)] = miscGlobalFunctions::rotatePointX(x, y, 128, aP);
                tilt[size_t(st)] = miscGlobalFunctions::rotatePointY(x, y, 128, aT);
            }
            for (int32_t st = 1; st <= M; ++st) {
                writeClaimed(P, st, clampLevel(pan[size_t(st)]));
                writeClaimed(T, st, clampLevel(tilt[size_t(st)]));
            }
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Apply Rotation: ") + describe(e));
    }
}

void ShapeGenerator::resizeMovement(bool panOn, bool tiltOn) {
    ChannelModel& m = model();
    const int32_t M = steps();
    const double S = fields.ShapeSize;
    for (int32_t st = 1; st <= M; ++st)
        for (int32_t f = 1; f <= m.fixtureCount; ++f) {
            if (!isSelected(f)) continue;
            const auto [first, last] = channelsOf(f);
            for (int32_t ch = first; ch <= last; ++ch) {
                const QString& type = m.channelType[ch];
                if (!((panOn && type == QStringLiteral("pan")) || (tiltOn && type == QStringLiteral("tilt")))) continue;
                const int32_t v = stored(ch, st);
                writeClaimed(ch, st, clampLevel(numberText::clampInt16(S / 100.0 * (v - 127) + 127)));
            }
        }
}

// ---------------------------------------------------------------- window commands

void ShapeGenerator::load() {
    fields = Fields{};
    fields.Combo1 = showChannelTypes();
    if (!fields.Combo1.isEmpty()) fields.Combo1Text = fields.Combo1.first();
    stepStart = 1;
    stepEnd = steps();
    useSine = false;
    isEditingField = false;
    movingCenter = sizingShape = false;
    updateMyStepRange();
    getCHannelsForSelectedFixtures();
    fillValueLists();
    shapeCenterX = shapeCenterY = 127;
    setCenterForAllSelected();
    changed();
}

void ShapeGenerator::activateForm() {
    stepStart = 1;
    stepEnd = steps();
    updateMyStepRange();
}

namespace {
struct ShapeRow {
    const char* caption;
    const char* entryPoint;
    int16_t mult, mult1;
    int menuSine, entrySine; // 1 True, 0 False, -1 unchanged
};
// The multipliers -1 stand for the step count / 3 (ping-pong) and -2 for a random draw.
const ShapeRow shapeRows[] = {
    {"Circle", "makeCircle", 1, 1, 0, 0},
    {"Figure Eight", "makefigureEight", 2, 1, 1, 1},
    {"Vertical Line", "makeVerticalLine", 0, 1, 1, 1},
    {"Horizontal Line", "makeHorizontalLine", 1, 0, 1, -1},
    {"Atomic", "makeAtomic", 3, 2, 1, 1},
    {"Wiggle", "makeWiggle", 3, 1, 0, -1},
    {"Sine", "makeSine", 1, 2, 1, 1},
    {"PingPong", "makePingPong", -1, -1, 1, 1},
    {"Diagonal", "makeDiagonal", 4, 4, 1, 1},
    {"Random", "makeRandom", -2, -2, 0, 1},
};
} // namespace

void ShapeGenerator::reseedFromClock() {
    const QDateTime now = shell().clock().now();
    random.seed(uint32_t(now.time().msecsSinceStartOfDay()) ^ uint32_t(now.date().toJulianDay()));
}

bool ShapeGenerator::makeShape(const QString& entryPoint) {
    if (entryPoint == QStringLiteral("makeNone")) return true;
    for (const ShapeRow& row : shapeRows) {
        if (entryPoint != QLatin1String(row.entryPoint)) continue;
        int16_t mult = row.mult, mult1 = row.mult1;
        if (mult == -1) mult = mult1 = int16_t(roundEven(steps() / 3.0));
        if (mult == -2) {
            mult = int16_t(std::generate_canonical<double, 32>(random) * 24 + 1);
            mult1 = int16_t(std::generate_canonical<double, 32>(random) * 24 + 1);
        }
        dlg.multiplyer = mult;
        dlg.multplyer1 = mult1;
        dlg.myLoadMode = 0;
        if (row.entrySine >= 0) useSine = row.entrySine == 1;
        createShape();
        return true;
    }
    return false;
}

bool ShapeGenerator::preCalculatedShape(const QString& caption) {
    for (const ShapeRow& row : shapeRows) {
        if (caption != QLatin1String(row.caption)) continue;
        int16_t mult = row.mult, mult1 = row.mult1;
        if (mult == -1) mult = mult1 = int16_t(roundEven(steps() / 3.0));
        if (mult == -2) {
            reseedFromClock();
            mult = int16_t(std::generate_canonical<double, 32>(random) * 24 + 1);
            mult1 = int16_t(std::generate_canonical<double, 32>(random) * 24 + 1);
        }
        dlg.multiplyer = mult;
        dlg.multplyer1 = mult1;
        dlg.myLoadMode = 0;
        useSine = row.menuSine == 1;
        static const QStringList clearing = {QStringLiteral("Circle"), QStringLiteral("Sine"),
                                             QStringLiteral("PingPong"), QStringLiteral("Diagonal")};
        if (clearing.contains(caption)) isEditingField = false;
        dialog();
        return true;
    }
    return false;
}

bool ShapeGenerator::fxWave(const QString& caption) {
    const struct {
        const char* caption;
        int16_t mult;
        int sine;
    } waves[] = {{"CoSine Wave", 1, 0}, {"Sine Wave", 1, 1}, {"Wave 1", 2, -1}, {"Wave 2", 3, -1}};
    for (const auto& w : waves) {
        if (caption != QLatin1String(w.caption)) continue;
        dlg.myLoadMode = 1;
        dlg.multiplyer = w.mult;
        dlg.multplyer1 = 1;
        if (w.sine >= 0) useSine = w.sine == 1;
        dialog();
        return true;
    }
    return false;
}

void ShapeGenerator::channelStepShift() {
    const QString text = numberText::trimBlanks(fields.Combo1Text);
    if (text == QStringLiteral("RGB")) {
        for (const char* c : {"red", "blue", "green"}) newShiftShape(QLatin1String(c));
    } else if (text == QStringLiteral("CMY")) {
        for (const char* c : {"cyan", "magenta", "yellow"}) newShiftShape(QLatin1String(c));
    } else {
        newShiftShape(text);
    }
    isEditingField = false;
}

void ShapeGenerator::movementStepShift() {
    switch (fields.movementOption) {
    case 0: shiftMovementSteps(true, false, false); break;
    case 1: shiftMovementSteps(false, true, false); break;
    case 2: shiftMovementSteps(false, false, true); break;
    default: break;
    }
    isEditingField = false;
}

void ShapeGenerator::applyRotation() {
    rotateMovement();
    redraw();
    if (running()) shell().console().play(current(), true);
    isEditingField = false;
}

void ShapeGenerator::releaseShapeSize() {
    switch (fields.sizeOption) {
    case 0: resizeMovement(true, false); break;
    case 1: resizeMovement(false, true); break;
    case 2: resizeMovement(true, true); break;
    default: break;
    }
    redraw();
    if (running()) shell().console().play(current(), true);
}

void ShapeGenerator::sizeButton(bool larger) {
    fields.ShapeSize = larger ? 102 : 98;
    releaseShapeSize();
    isEditingField = false;
    changed();
}

// ---------------------------------------------------------------- spinners

void ShapeGenerator::spin(Spinner which, bool up) {
    const int32_t n = steps();
    const int32_t F = model().fixtureCount;
    auto value = [](const QString& text) { return numberText::leadingValue(text); };
    switch (which) {
    case Spinner::UpdnStart:
    case Spinner::UpdnEnd: {
        QString& text = which == Spinner::UpdnStart ? fields.fromChText : fields.toChText;
        const double v = value(text);
        double next = v;
        if (up && v < n) next = v + 1;
        else if (!up && v > 1) next = v - 1;
        if (next == v) return;
        text = QString::number(roundEven(next));
        (which == Spinner::UpdnStart ? stepStart : stepEnd) = roundEven(next);
        break;
    }
    case Spinner::UpDown1:
    case Spinner::UpDown2: {
        if (up && !numberText::isNumber(fields.Offsettxt)) return;
        const double v = value(fields.Offsettxt);
        if (up) fields.Offsettxt = v >= F ? QStringLiteral("1") : QString::number(roundEven(v + 1));
        else if (v == F) fields.Offsettxt = QStringLiteral("1");
        else if (v >= 1) fields.Offsettxt = QString::number(roundEven(v - 1));
        else return;
        fields.Offset2 = fields.Offsettxt;
        break;
    }
    case Spinner::UpDown5: {
        if (!numberText::isNumber(fields.ShiftTxt)) return;
        const double v = value(fields.ShiftTxt);
        if (v == n) fields.ShiftTxt = QStringLiteral("1");
        else if (up && v < n) fields.ShiftTxt = QString::number(roundEven(v + 1));
        else if (!up && v > -n) fields.ShiftTxt = QString::number(roundEven(v - 1));
        else return;
        break;
    }
    case Spinner::UpDown3:
    case Spinner::UpDown4: {
        QString& text = which == Spinner::UpDown3 ? fields.RotateTXT : fields.RotateYTxt;
        if (!numberText::isNumber(text)) return;
        const double v = value(text);
        QString next;
        if (v >= 360) next = QStringLiteral("1");
        else if (up) next = QString::number(roundEven(v + 5));
        else if (v >= 1) next = QString::number(roundEven(v - 1));
        else return;
        if (which == Spinner::UpDown3) setRotateText(next);
        else text = next;
        break;
    }
    }
    changed();
}

void ShapeGenerator::setRotateText(const QString& text) {
    fields.RotateTXT = text;
    fields.RotateYTxt = text;
    changed();
}

// ---------------------------------------------------------------- chase inputs and preview

void ShapeGenerator::lowValueSlider(int32_t value) {
    fields.cmbValue1Text = QString::number(value);
    if (fields.cmbValue2Text.isEmpty()) fields.cmbValue2Text = QStringLiteral("0");
    fields.cmbValue1Enabled = false;
    changed();
}

void ShapeGenerator::highValueSlider(int32_t value) {
    fields.cmbValue2Text = QString::number(value);
    fields.cmbValue2Enabled = false;
    changed();
}

std::vector<ShapeGenerator::PreviewPoint> ShapeGenerator::previewPoints() const {
    const ChannelModel& m = model();
    int32_t fixture = 0;
    for (int32_t f = 1; f <= m.fixtureCount && fixture == 0; ++f)
        if (isSelected(f)) fixture = f;
    if (fixture == 0) return {};
    const int32_t n = steps();
    std::vector<PreviewPoint> points(size_t(std::max(n, 0)));
    if (!hasPanAndTilt(fixture)) return points;
    for (int32_t j = 1; j <= n; ++j) {
        points[size_t(j - 1)].pan = stored(m.fixturePanChannel[size_t(fixture)], j);
        points[size_t(j - 1)].tilt = stored(m.fixtureTiltChannel[size_t(fixture)], j);
    }
    return points;
}

void ShapeGenerator::pickCenter(double x, double y) {
    shapeCenterX = -int32_t(std::floor(x / 8.78 - 275));
    shapeCenterY = -int32_t(std::floor(y / 8.78 - 275));
}

// ---------------------------------------------------------------- the properties dialog

FxDialogState& ShapeGenerator::dialog() {
    if (dlg.loaded) return dlg;
    const FxDialogState kept = dlg;
    dlg = FxDialogState{};
    dlg.multiplyer = kept.multiplyer;
    dlg.multplyer1 = kept.multplyer1;
    dlg.myLoadMode = kept.myLoadMode;
    dlg.loaded = true;
    dlg.txtSteps = QStringLiteral("20");
    playbacks().setMaxStepsValue(current(), 20);
    if (dlg.myLoadMode != 0) {
        dlg.lblX = QStringLiteral("Max Value");
        dlg.lblY = QStringLiteral("Min Value");
        dlg.sldrY = 1;
        dlg.txtSize1 = QStringLiteral("1");
        dlg.caption = QStringLiteral("FX Properties");
    }
    if (view) view->dialogChanged();
    return dlg;
}

void ShapeGenerator::unloadDialog() {
    if (!dlg.loaded) return;
    dlg.loaded = false;
    if (view) view->dialogChanged();
}

void ShapeGenerator::setDialogSlider(bool x, int32_t value) {
    FxDialogState& d = dialog();
    (x ? d.sldrX : d.sldrY) = std::clamp(value, 0, 255);
    setDialogSizeText(x, QString::number(x ? d.sldrX : d.sldrY));
}

void ShapeGenerator::setDialogSizeText(bool x, const QString& text) {
    FxDialogState& d = dialog();
    QString& box = x ? d.TxtSize : d.txtSize1;
    box = text;
    const double v = numberText::leadingValue(text);
    if (v < 0 || v >= 256) box = QStringLiteral("255");
    if (view) view->dialogChanged();
}

void ShapeGenerator::dialogUpDown(bool up) {
    FxDialogState& d = dialog();
    // Text that is not a number is left as it is.
    if (!numberText::isNumber(d.txtSteps)) return;
    const double v = numberText::leadingValue(d.txtSteps);
    if (up && v < 32000) d.txtSteps = QString::number(roundEven(v + 1));
    else if (!up && v > 0) d.txtSteps = QString::number(roundEven(v - 1));
    if (view) view->dialogChanged();
}

namespace {
// A size box that holds a number of 0 or more.
bool usableSize(const QString& text) { return numberText::isNumber(text) && numberText::leadingValue(text) >= 0; }
} // namespace

// Steps 1 to 3 of the dialog's writing; true when a writer ran. Text that is
// not a number is ignored: nothing is written.
static bool writeFigure(ShapeGenerator& g) {
    FxDialogState& d = g.dialog();
    if (!numberText::isNumber(d.txtSteps)) return false;
    const int32_t count = std::clamp(roundEven(numberText::leadingValue(d.txtSteps)), 0, 32000);
    PlaybackService& pb = playbacks();
    pb.setMaxStepsValue(current(), count);
    g.updateMyStepRange();
    if (!usableSize(d.TxtSize) || !usableSize(d.txtSize1)) return false;
    const double x = numberText::leadingValue(d.TxtSize), y = numberText::leadingValue(d.txtSize1);
    if (d.myLoadMode == 0) {
        pb.setMaxStepsValue(current(), count);
        g.updateMyStepRange();
        g.drawCircle(numberText::clampInt16(x / 2), numberText::clampInt16(y / 2), d.multiplyer, d.multplyer1, 1);
        return true;
    }
    if (d.myLoadMode == 1) {
        pb.setMaxStepsValue(current(), count);
        g.updateMyStepRange();
        g.createFX(numberText::clampInt16(x), numberText::clampInt16(y), d.multiplyer, d.multplyer1, g.fields.Combo1Text);
        return true;
    }
    return false;
}

void ShapeGenerator::createShape() {
    if (writeFigure(*this) && !running()) playbacks().playLoadedSequence(current(), true, true, false);
}

bool ShapeGenerator::okButton() {
    if (!writeFigure(*this)) return false;
    redraw();
    playbacks().playLoadedSequence(current(), true, true, false);
    unloadDialog();
    return true;
}
