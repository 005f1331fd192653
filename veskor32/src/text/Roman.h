#pragma once
// Roman numerals as they appear in names and streets ("Via XXIV Maggio",
// "Karl III"): a word of two or more capitals I, V and X in their standard
// order. Single letters are initials far more often than numbers ("V. Emanuele"),
// and L, C, D and M would read words and codes ("LI", "CD", "MD") as numbers.
#include "text/Charset.h"

#include <cstddef>

namespace veskor::text {

// Value of s[b, e) as a Roman numeral, or 0 when it is none.
constexpr int romanValue(const Byte *s, size_t b, size_t e)
{
    if (e - b < 2 || e - b > 8)
        return 0;
    int value = 0;
    for (size_t i = b; i < e; ++i) {
        const int v = s[i] == 'I' ? 1 : s[i] == 'V' ? 5 : s[i] == 'X' ? 10 : 0;
        if (v == 0)
            return 0;
        const int next = i + 1 < e ? (s[i + 1] == 'I' ? 1 : s[i + 1] == 'V' ? 5 : s[i + 1] == 'X' ? 10 : 0) : 0;
        value += v < next ? -v : v;
    }
    // Only the standard spelling counts: write the value back and compare.
    char canonical[16] = {};
    int n = 0, rest = value;
    constexpr struct { int value; const char *letters; } kParts[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    if (value <= 0 || value > 39)
        return 0;
    for (const auto &p : kParts)
        while (rest >= p.value) {
            for (const char *l = p.letters; *l; ++l)
                canonical[n++] = *l;
            rest -= p.value;
        }
    if (static_cast<size_t>(n) != e - b)
        return 0;
    for (int i = 0; i < n; ++i)
        if (static_cast<Byte>(canonical[i]) != s[b + static_cast<size_t>(i)])
            return 0;
    return value;
}

// A Roman numeral at s[b, e) of the text s[0, len): also a lone V or X that
// follows a word and has no full stop ("Karl V", "Via X Giornate"), which an
// initial ("V. Emanuele") never lacks at the start of a name.
constexpr int romanAt(const Byte *s, size_t len, size_t b, size_t e)
{
    if (e - b != 1)
        return romanValue(s, b, e);
    if ((s[b] != 'V' && s[b] != 'X') || (e < len && s[e] == '.'))
        return 0;
    size_t i = b;
    while (i > 0 && isSpace(s[i - 1]))
        --i;
    if (i == 0 || !(isAlnum(s[i - 1]) || s[i - 1] == '-'))
        return 0;
    return s[b] == 'V' ? 5 : 10;
}

// Writes value (1..99) as digits into out; returns how many.
constexpr int writeDigits(int value, char *out)
{
    if (value >= 10) {
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + value % 10);
        return 2;
    }
    out[0] = static_cast<char>('0' + value);
    return 1;
}

}  // namespace veskor::text
