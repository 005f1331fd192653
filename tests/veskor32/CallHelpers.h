#pragma once
// Small wrappers that call the C exports the way the program does (256-byte
// buffer, capacity 254) and return the text as a std::string.
#include "veskor32.h"

#include <string>

namespace veskor_test {

inline constexpr int kCapacity = 254;

template <typename Call>
std::string viaBuffer(Call call)
{
    char buf[256];
    buf[0] = '\x7F';  // proves the export wrote at least the NUL
    call(buf, kCapacity);
    return std::string(buf);
}

inline std::string abbreviate(const std::string &t, int lang, int group)
{
    return viaBuffer([&](char *b, int c) { Abbreviate(t.c_str(), b, c, lang, group); });
}
inline std::string elaborate(const std::string &t, int lang, int group)
{
    return viaBuffer([&](char *b, int c) { Elaborate(t.c_str(), b, c, lang, group); });
}
inline std::string exclude(const std::string &t, int lang, int group)
{
    return viaBuffer([&](char *b, int c) { Exclude(t.c_str(), b, c, lang, group); });
}
inline std::string normalise(const std::string &t, int lang, int group)
{
    return viaBuffer([&](char *b, int c) { Normalise(t.c_str(), b, c, lang, group); });
}
inline std::string gender(const std::string &t, int lang, int format)
{
    return viaBuffer([&](char *b, int c) { Gender(t.c_str(), b, c, lang, format); });
}
inline std::string applyCase(const std::string &t, int style)
{
    return viaBuffer([&](char *b, int c) { ApplyCase(t.c_str(), b, c, style); });
}
inline std::string transform(const std::string &t, const std::string &a, const std::string &b, int words, int ci)
{
    return viaBuffer([&](char *buf, int c) { CustomTransform(t.c_str(), buf, c, a.c_str(), b.c_str(), words, ci); });
}
inline std::string customExclude(const std::string &t, const std::string &a, const std::string &b, int keep)
{
    return viaBuffer([&](char *buf, int c) { CustomExclude(t.c_str(), buf, c, a.c_str(), b.c_str(), keep); });
}
inline std::string phk(const std::string &t, int lang)
{
    return viaBuffer([&](char *b, int c) { GeneratePHK(t.c_str(), b, c, lang, 0, 0, 0, 0, 0, 0); });
}
inline int matchIt(const std::string &a, const std::string &b)
{
    int score = -1;
    MatchIt(a.c_str(), b.c_str(), &score, 0);
    return score;
}
inline int pattern(const std::string &t, int lang, int p)
{
    int r = 12345;
    PatternMatch(t.c_str(), &r, lang, p);
    return r;
}

}  // namespace veskor_test
