#include "KeyPipeline.h"

#include "veskor32.h"

namespace bench {

namespace {

constexpr int kCapacity = 1023;

using GroupCall = int(VESKOR_CALL *)(const char *, char *, int, int, int);

std::string apply(GroupCall call, const std::string &text, int lang, int group)
{
    char buffer[kCapacity + 1];
    call(text.c_str(), buffer, kCapacity, lang, group);
    return buffer;
}

}  // namespace

std::string productKey(const std::string &kind, const std::string &text, int lang)
{
    std::string cleansed = text;
    if (kind == "forenames") {
        cleansed = apply(Normalise, cleansed, lang, 12);
    } else if (kind == "names") {
        cleansed = apply(Normalise, apply(Normalise, cleansed, lang, 7), lang, 12);
    } else if (kind == "companies") {
        cleansed = apply(Exclude, cleansed, lang, 1);
    } else if (kind == "addresses") {
        for (int group : {0, 8, 9, 2})
            cleansed = apply(Normalise, cleansed, lang, group);
    }
    char key[kCapacity + 1];
    GeneratePHK(cleansed.c_str(), key, kCapacity, lang, 0, 0, 0, 0, 0, 0);
    return key;
}

int matchIt(const std::string &a, const std::string &b)
{
    int score = 0;
    MatchIt(a.c_str(), b.c_str(), &score, 0);
    return score;
}

}  // namespace bench
