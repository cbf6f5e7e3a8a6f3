#include "platform/byteRecord.h"

#include "platform/text1252.h"

#include <bit>
#include <cstring>

namespace {
template <typename T> void putLittle(QByteArray& out, T value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    if constexpr (std::endian::native == std::endian::big) {
        for (size_t i = 0; i < sizeof(T) / 2; ++i) std::swap(bytes[i], bytes[sizeof(T) - 1 - i]);
    }
    out.append(reinterpret_cast<const char*>(bytes), sizeof(T));
}
} // namespace

void ByteWriter::i8(uint8_t v) { bytes().append(char(v)); }
void ByteWriter::i16(int16_t v) { putLittle(bytes(), v); }
void ByteWriter::i32(int32_t v) { putLittle(bytes(), v); }
void ByteWriter::f32(float v) { putLittle(bytes(), v); }
void ByteWriter::f64(double v) { putLittle(bytes(), v); }

void ByteWriter::fixedText(const QString& text, int width, char pad) {
    QByteArray encoded = text1252::encode(text);
    if (encoded.size() > width) encoded.truncate(width);
    bytes().append(encoded);
    fill(width - int(encoded.size()), pad);
}

void ByteWriter::raw(const QByteArray& data) { bytes().append(data); }
void ByteWriter::fill(int count, char byte) {
    if (count > 0) bytes().append(QByteArray(count, byte));
}

bool ByteReader::take(void* dst, int count) {
    if (!good || pos < 0 || count < 0 || remaining() < count) {
        good = false;
        std::memset(dst, 0, size_t(count > 0 ? count : 0));
        return false;
    }
    std::memcpy(dst, buf.constData() + pos, size_t(count));
    if constexpr (std::endian::native == std::endian::big) {
        auto* b = static_cast<unsigned char*>(dst);
        for (int i = 0; i < count / 2; ++i) std::swap(b[i], b[count - 1 - i]);
    }
    pos += count;
    return true;
}

uint8_t ByteReader::u8() { uint8_t v; take(&v, 1); return v; }
int16_t ByteReader::i16() { int16_t v; take(&v, 2); return v; }
int32_t ByteReader::i32() { int32_t v; take(&v, 4); return v; }
float ByteReader::f32() { float v; take(&v, 4); return v; }
double ByteReader::f64() { double v; take(&v, 8); return v; }

QString ByteReader::fixedText(int width) { return text1252::decode(raw(width)); }

QByteArray ByteReader::raw(int count) {
    if (!good || count < 0 || remaining() < count) {
        good = false;
        return {};
    }
    QByteArray out = buf.mid(pos, count);
    pos += count;
    return out;
}

void ByteReader::skip(int count) {
    if (!good || count < 0 || remaining() < count) { good = false; return; }
    pos += count;
}

void ByteReader::seek(qsizetype position) {
    if (position < 0 || position > buf.size()) { good = false; return; }
    pos = position;
}
