#pragma once
// Window placement store: per application, section and window name, one text.

#include <QString>

class PlacementStore {
public:
    virtual ~PlacementStore() = default;
    // The stored text, or nullopt-like empty with found = false.
    virtual QString get(const QString& app, const QString& section, const QString& name, bool* found) const = 0;
    virtual bool set(const QString& app, const QString& section, const QString& name, const QString& value) = 0;
};

// QSettings in the native format of the desktop, one file per application.
class QtPlacementStore final : public PlacementStore {
public:
    QString get(const QString& app, const QString& section, const QString& name, bool* found) const override;
    bool set(const QString& app, const QString& section, const QString& name, const QString& value) override;
};
