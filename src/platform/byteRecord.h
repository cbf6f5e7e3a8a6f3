#pragma once
// Little-endian byte-record reading and writing for every stored format.
// Formats are written field by field, never through packed structs.

#include <QByteArray>
#include <QString>
#include <cstdint>

class ByteWriter {
public:
    ByteWriter() = default;
    explicit ByteWriter(QByteArray* target) : out(target) {}

    void i8(uint8_t v);
    void i16(int16_t v);
    void i32(int32_t v);
    void f32(float v);
    void f64(double v);
    // Truth values are stored as 16-bit -1 / 0.
    void truth(bool v) { i16(v ? -1 : 0); }
    // Fixed-width Windows-1252 text, cut or padded with `pad` to `width` bytes.
    void fixedText(const QString& text, int width, char pad = ' ');
    void raw(const QByteArray& bytes);
    void fill(int count, char byte);

    QByteArray& bytes() { return out ? *out : own; }
    int size() const { return out ? int(out->size()) : int(own.size()); }

private:
    QByteArray own;
    QByteArray* out = nullptr;
};

// Reads fields from a byte block. Reading past the end never touches memory
// outside the block: it yields zero / empty and clears ok(), so a parser can
// read a whole record and check once.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& data, qsizetype start = 0) : buf(data), pos(start) {}

    uint8_t u8();
    int16_t i16();
    int32_t i32();
    float f32();
    double f64();
    bool truth() { return i16() != 0; }
    // Fixed-width Windows-1252 text, returned as stored (padding kept).
    QString fixedText(int width);
    QByteArray raw(int count);
    void skip(int count);
    void seek(qsizetype position);

    qsizetype position() const { return pos; }
    qsizetype remaining() const { return pos <= buf.size() ? buf.size() - pos : 0; }
    bool ok() const { return good; }

private:
    bool take(void* dst, int count);
    // A (shared, cheap) copy: a reader made from a temporary, such as
    // ByteReader(file.readAll()), must not keep a reference to it.
    const QByteArray buf;
    qsizetype pos;
    bool good = true;
};
