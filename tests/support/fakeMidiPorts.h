#pragma once
// MIDI ports a test drives: named ports, messages delivered at once, every
// sent message recorded.

#include "platform/midiPorts.h"
#include "platform/monitors.h"

#include <vector>

class FakeMidiPorts final : public MidiPorts {
public:
    QStringList inputNames() override { return inputs; }
    QStringList outputNames() override { return outputs; }
    bool openInput(const QString& name, std::function<void(const MidiMessage&)> received) override {
        if (!inputs.contains(name)) return false;
        openIn = name;
        onReceived = std::move(received);
        return true;
    }
    bool openOutput(const QString& name) override {
        if (!outputs.contains(name)) return false;
        openOut = name;
        return true;
    }
    void closeInput() override { openIn.clear(); onReceived = nullptr; }
    void closeOutput() override { openOut.clear(); }
    bool outputOpen() const override { return !openOut.isEmpty(); }
    void send(const MidiMessage& m) override {
        if (!openOut.isEmpty()) sent.push_back(m);
    }
    QString lastError() const override { return {}; }
    // A message arriving on the open input.
    void receive(uint8_t status, uint8_t d1, uint8_t d2) {
        if (onReceived) onReceived(MidiMessage{status, d1, d2});
    }

    QStringList inputs, outputs;
    QString openIn, openOut;
    std::vector<MidiMessage> sent;
    std::function<void(const MidiMessage&)> onReceived;
};

class FakeMonitors final : public Monitors {
public:
    std::vector<QRect> list() override { return rects; }
    std::vector<QRect> workAreas() override { return work.empty() ? rects : work; }
    std::vector<QRect> rects{QRect(0, 0, 1920, 1080)};
    std::vector<QRect> work; // empty: the whole monitors
};
