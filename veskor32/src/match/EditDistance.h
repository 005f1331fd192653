#pragma once
// Bit-parallel optimal-string-alignment distance (Levenshtein plus adjacent
// transpositions) for words up to 63 characters. The pattern side is turned
// into per-character bit masks once, so scoring one word against many stored
// words costs one pass over the other word.
#include <cstdint>

namespace veskor::match {

inline constexpr int kMaxWordChars = 63;
inline constexpr int kAlphabet = 37;  // a-z, 0-9, anything else

constexpr int charCode(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= '0' && c <= '9')
        return 26 + (c - '0');
    return 36;
}

struct PatternMasks {
    std::uint64_t bits[kAlphabet];
};

inline void buildMasks(const char *word, int length, PatternMasks &masks)
{
    for (auto &b : masks.bits)
        b = 0;
    for (int i = 0; i < length; ++i)
        masks.bits[charCode(static_cast<unsigned char>(word[i]))] |= std::uint64_t{1} << i;
}

// Distance between the pattern (length m, 1..63, given as masks) and text.
inline int osaDistance(const PatternMasks &pattern, int m, const char *text, int n)
{
    std::uint64_t vp = ~std::uint64_t{0}, vn = 0, d0 = 0, pmPrev = 0;
    const std::uint64_t last = std::uint64_t{1} << (m - 1);
    int distance = m;
    for (int j = 0; j < n; ++j) {
        const std::uint64_t pm = pattern.bits[charCode(static_cast<unsigned char>(text[j]))];
        const std::uint64_t tr = (((~d0) & pm) << 1) & pmPrev;
        d0 = (((pm & vp) + vp) ^ vp) | pm | vn | tr;
        std::uint64_t hp = vn | ~(d0 | vp);
        std::uint64_t hn = d0 & vp;
        if (hp & last)
            ++distance;
        else if (hn & last)
            --distance;
        hp = (hp << 1) | 1;
        hn <<= 1;
        vp = hn | ~(d0 | hp);
        vn = hp & d0;
        pmPrev = pm;
    }
    return distance;
}

}  // namespace veskor::match
