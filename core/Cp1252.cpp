#include "Cp1252.h"

#include <array>

namespace tarnwick::Cp1252 {
namespace {

// Unicode of bytes 0x80..0x9F; undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

int byteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

qsizetype firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (byteOf(text[i]) < 0)
            return i;
    return -1;
}

bool canEncode(QStringView text) { return firstUnencodable(text) < 0; }

QByteArray encode(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i]);
        out[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

qsizetype encodeInto(QStringView text, char *buffer, qsizetype capacity)
{
    const qsizetype n = qMin(text.size(), qMax<qsizetype>(capacity, 0));
    for (qsizetype i = 0; i < n; ++i) {
        const int b = byteOf(text[i]);
        buffer[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    buffer[n] = '\0';
    return n;
}

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

}  // namespace tarnwick::Cp1252
