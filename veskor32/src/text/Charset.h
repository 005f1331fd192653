// Windows-1252 character classes and case/accent tables used by every part of
// the engine. Header-only and constexpr so lookups cost one array read.
#pragma once

#include <array>
#include <cstdint>

namespace veskor::text {

using Byte = unsigned char;

namespace detail {

struct Tables {
    std::array<Byte, 256> upper{};
    std::array<Byte, 256> lower{};
    // Base letter of an accented letter, lower case ("é" -> 'e'); 0 for non-letters.
    // Ligatures and sharp s fold to two letters: see foldSecond.
    std::array<Byte, 256> fold{};
    std::array<Byte, 256> foldSecond{};
    std::array<bool, 256> letter{};
};

constexpr Tables makeTables()
{
    Tables t{};
    for (int c = 0; c < 256; ++c) {
        t.upper[c] = static_cast<Byte>(c);
        t.lower[c] = static_cast<Byte>(c);
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        t.upper[c] = static_cast<Byte>(c - 32);
        t.lower[c - 32] = static_cast<Byte>(c);
        t.fold[c] = static_cast<Byte>(c);
        t.fold[c - 32] = static_cast<Byte>(c);
        t.letter[c] = t.letter[c - 32] = true;
    }
    // Latin-1 block: upper 0xC0-0xDE pairs with lower 0xE0-0xFE, except 0xD7/0xF7.
    constexpr const char *base = "aaaaaaaceeeeiiiidnooooo\0ouuuuyt";  // 0xC0..0xDE, 0xDF handled below
    for (int i = 0; i < 31; ++i) {
        const int up = 0xC0 + i, lo = 0xE0 + i;
        if (up == 0xD7)
            continue;
        t.upper[lo] = static_cast<Byte>(up);
        t.lower[up] = static_cast<Byte>(lo);
        t.letter[up] = t.letter[lo] = true;
        t.fold[up] = t.fold[lo] = static_cast<Byte>(base[i]);
    }
    t.foldSecond[0xC6] = t.foldSecond[0xE6] = 'e';  // Æ æ -> ae
    t.foldSecond[0xDE] = t.foldSecond[0xFE] = 'h';  // Þ þ -> th
    t.letter[0xDF] = true;                            // ß -> ss (no single upper form)
    t.fold[0xDF] = 's';
    t.foldSecond[0xDF] = 's';
    // Letters outside Latin-1 that Windows-1252 places in 0x80-0x9F.
    const int pairs[][3] = {{0x8A, 0x9A, 's'}, {0x8C, 0x9C, 'o'}, {0x8E, 0x9E, 'z'}, {0x9F, 0xFF, 'y'}};
    for (const auto &p : pairs) {
        t.upper[p[1]] = static_cast<Byte>(p[0]);
        t.lower[p[0]] = static_cast<Byte>(p[1]);
        t.letter[p[0]] = t.letter[p[1]] = true;
        t.fold[p[0]] = t.fold[p[1]] = static_cast<Byte>(p[2]);
    }
    t.foldSecond[0x8C] = t.foldSecond[0x9C] = 'e';  // Œ œ -> oe
    t.letter[0x83] = true;                            // ƒ
    t.fold[0x83] = 'f';
    // Ordinal indicators and the degree sign belong to words like "Nº", "1ª", "N°".
    t.letter[0xAA] = true;
    t.fold[0xAA] = 'a';
    t.letter[0xBA] = true;
    t.fold[0xBA] = 'o';
    t.letter[0xB0] = true;
    t.fold[0xB0] = 'o';
    return t;
}

inline constexpr Tables kTables = makeTables();

}  // namespace detail

constexpr Byte toUpper(Byte c) { return detail::kTables.upper[c]; }
constexpr Byte toLower(Byte c) { return detail::kTables.lower[c]; }
constexpr bool isLetter(Byte c) { return detail::kTables.letter[c]; }
constexpr bool isDigit(Byte c) { return c >= '0' && c <= '9'; }
constexpr bool isAlnum(Byte c) { return isLetter(c) || isDigit(c); }
constexpr bool isSpace(Byte c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }
// Lower-case ASCII base letter, 0 when c is no letter.
constexpr Byte foldBase(Byte c) { return detail::kTables.fold[c]; }
// Second letter of a two-letter fold (æ, œ, ß, þ), else 0.
constexpr Byte foldSecond(Byte c) { return detail::kTables.foldSecond[c]; }

}  // namespace veskor::text
