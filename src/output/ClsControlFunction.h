#pragma once
// Writes levels straight into channelOutput: one channel, or every channel
// of one role of a fixture stepped up or down by one level.

#include <QString>
#include <cstdint>

class ClsControlFunction {
public:
    // Sets channel v to the level v.
    void setActiveChannelLevel(uint8_t v);
    // Steps every channel of the fixture whose role name is exactly roleName
    // by one level, within 0..255. The fixture is a patched fixture number;
    // std::out_of_range for one outside 1..fixtureCount.
    void raiseChannelsOfType(const QString& roleName, int32_t fixture);
    void lowerChannelsOfType(const QString& roleName, int32_t fixture);

    int16_t myActiveChannel = 0;

private:
    void stepChannelsOfType(const QString& roleName, int32_t fixture, int step);
};
