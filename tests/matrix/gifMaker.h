#pragma once
// Small GIF files made by hand for the tests: a four-colour global table and
// frames of colour indexes, LZW-coded with a clear code before every two
// pixels so the code size never grows.

#include <QByteArray>
#include <functional>
#include <vector>

namespace gifMaker {

struct Frame {
    int width = 0, height = 0;
    std::function<int(int x, int y)> index; // 0..3
};

struct Options {
    bool loop = true;                    // a NETSCAPE2.0 looping extension after the table
    int lastTableByte = 0xFF;            // blue of colour 3 (0x00 puts a 00 before the first frame)
    QByteArray commentAfterFirstFrame;   // a comment extension's data after frame 1
    int screenWidth = 0, screenHeight = 0; // 0: the first frame's size
};

inline void le16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

inline QByteArray lzw(const std::vector<int>& pixels) {
    std::vector<int> codes;
    for (size_t i = 0; i < pixels.size(); i += 2) {
        codes.push_back(4); // clear
        codes.push_back(pixels[i]);
        if (i + 1 < pixels.size()) codes.push_back(pixels[i + 1]);
    }
    codes.push_back(5); // end
    QByteArray packed;
    int bitBuffer = 0, bits = 0;
    for (const int c : codes) {
        bitBuffer |= c << bits;
        bits += 3;
        while (bits >= 8) {
            packed.append(char(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0) packed.append(char(bitBuffer & 0xFF));
    QByteArray out;
    out.append(char(2)); // minimum code size
    for (qsizetype i = 0; i < packed.size(); i += 255) {
        const QByteArray block = packed.mid(i, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    return out;
}

// Colours: 0 black, 1 red, 2 green, 3 blue (its blue byte as the options say).
inline QByteArray make(const std::vector<Frame>& frames, const Options& o = {}) {
    QByteArray out("GIF89a");
    le16(out, o.screenWidth ? o.screenWidth : frames.front().width);
    le16(out, o.screenHeight ? o.screenHeight : frames.front().height);
    out.append(char(0x91)); // global table of 4 colours
    out.append(char(0));
    out.append(char(0));
    const unsigned char table[12] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, (unsigned char)o.lastTableByte};
    out.append(reinterpret_cast<const char*>(table), 12);
    if (o.loop) {
        out.append("\x21\xFF\x0B", 3);
        out.append("NETSCAPE2.0");
        out.append("\x03\x01\x00\x00\x00", 5);
    }
    for (size_t n = 0; n < frames.size(); ++n) {
        const Frame& f = frames[n];
        out.append("\x21\xF9\x04\x00", 4);
        le16(out, 10);
        out.append("\x00\x00", 2);
        out.append(char(0x2C));
        le16(out, 0);
        le16(out, 0);
        le16(out, f.width);
        le16(out, f.height);
        out.append(char(0));
        std::vector<int> pixels;
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) pixels.push_back(f.index(x, y));
        out.append(lzw(pixels));
        if (n == 0 && !o.commentAfterFirstFrame.isEmpty()) {
            out.append("\x21\xFE", 2);
            out.append(char(o.commentAfterFirstFrame.size()));
            out.append(o.commentAfterFirstFrame);
            out.append(char(0));
        }
    }
    out.append(char(0x3B));
    return out;
}

// A frame of one colour.
inline Frame solid(int w, int h, int index) { return {w, h, [index](int, int) { return index; }}; }

} // namespace gifMaker
