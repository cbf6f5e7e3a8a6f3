#pragma once
// The encoder bank: eleven endless encoders along the palette window's
// bottom, each bound to one channel type of the category page shown (the
// last two always pan and tilt). A drag moves an encoder's value one step
// per pointer event and writes it to every channel of that type on the
// selected fixtures; with a modifier the same drag fans those channels
// apart; a double-click opens a small entry box. The widgets in
// programmer/ui draw what this holds.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class EncoderBank {
public:
    static constexpr int count = 11;
    static constexpr int enterKey = 13;

    // The attribute of each encoder, and the alternative names (cyan,
    // magenta, yellow on encoders 0..2 of the Color page).
    std::array<QString, 12> encoderNames{};
    std::array<QString, 12> encoderAltNames{};
    // The last channel mapped matched an alternative name.
    bool encoderCmyMode = false;
    // Each encoder's value as text; empty when no selected fixture has its attribute.
    std::array<QString, count> tags{};
    int32_t encoderDownY = 0;
    int32_t encoderLastDelta = 0;
    // The direct-entry box: its text, the encoder it serves (as text) and whether it is shown.
    QString boxText = QStringLiteral("000");
    QString boxTag;
    bool boxVisible = false;

    // The names for the marked tab ("cmdColor", "cmdGobo", "cmdShutter",
    // "cmdBeam", "cmdFunction", "cmdRotation", "cmdSpeed"); any other tab
    // keeps the names. True when they were set.
    bool assignEncoderNames(const QString& markedTab);
    // Each encoder takes the level of the matching channel of the
    // highest-numbered selected fixture that has its attribute.
    void mapEncoderChannels();
    // The name encoder e shows (its alternative in CMY mode).
    QString captionOf(int e) const;
    // A caption of ten characters or more shows its first two words on two lines.
    static QStringList captionLines(const QString& name);
    // Showing the bank hides the entry box and forgets its encoder.
    void showEncoderBank();

    // Whether channel c is one encoder e drives: its type (trimmed) is the
    // encoder's name or alternative name, and its fixture is selected.
    bool matches(int32_t c, int e) const;

    // ---- The operator's gestures; button 1 is the left button alone, shift any modifier ----
    void oneWheel_MouseDown(int index, double y);
    // One drag step (also the mouse wheel's and the wing's, with x = y = 0).
    // Returns whether the pointer stamp should be taken (the encoder carries an attribute).
    bool oneWheel_MouseMove(int index, int button, int shift, double x, double y);
    // Opens the entry box on the encoder (only when it carries an attribute).
    bool oneWheel_DblClick(int index);
    void txtDirectWheelValue_KeyUp(int keyCode);
    void applyEncoderValue(int index);
    void stepEncoderChannels(int index, int direction);

private:
    int32_t valueOf(int index) const;
    void commitEntry();
    void takeChannel(int32_t c);
};
