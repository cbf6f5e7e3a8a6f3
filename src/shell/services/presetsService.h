#pragma once
// What other subsystems ask of the preset engine and the palette window.
// The base has no palette window; its highlight release still acts on the
// layout's icons, because the control wing's stepping relies on it.

#include <QString>
#include <cstdint>

class PresetsService {
public:
    virtual ~PresetsService() = default;
    virtual void refreshButtons() {} // rebuild the shown page for a new selection
    // Every icon that reads as selected, other than `except`, loses highlight
    // mode and the wing highlight.
    virtual void releaseAllHighlight(int32_t except);
    // The upper DMX value of the first range labelled propertyName on the
    // fixture's profile channel typed channelName (both trimmed, any case);
    // -9999999 when none matches.
    virtual int32_t returnAValueForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                                 const QString& channelName);
};
