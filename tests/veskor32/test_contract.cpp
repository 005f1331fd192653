// What every export promises whatever it is given: bounded, terminated output,
// no crash on null or hostile input, English for unknown languages, and a
// library that loads again after Finish.
#include "CallHelpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace veskor_test;

struct TextExport {
    const char *name;
    // text, buffer, capacity, language
    std::function<int(const char *, char *, int, int)> call;
};

const std::vector<TextExport> &textExports()
{
    static const std::vector<TextExport> all = {
        {"GeneratePHK", [](const char *t, char *b, int c, int l) { return GeneratePHK(t, b, c, l, 0, 0, 0, 0, 0, 0); }},
        {"GeneratePHK compact", [](const char *t, char *b, int c, int l) { return GeneratePHK(t, b, c, l, 1, 1, 1, 1, 0, 0); }},
        {"Abbreviate", [](const char *t, char *b, int c, int l) { return Abbreviate(t, b, c, l, 1); }},
        {"Elaborate", [](const char *t, char *b, int c, int l) { return Elaborate(t, b, c, l, 0); }},
        {"Exclude", [](const char *t, char *b, int c, int l) { return Exclude(t, b, c, l, 7); }},
        {"Normalise", [](const char *t, char *b, int c, int l) { return Normalise(t, b, c, l, 12); }},
        {"Normalise unknown group", [](const char *t, char *b, int c, int l) { return Normalise(t, b, c, l, 99); }},
        {"Gender", [](const char *t, char *b, int c, int l) { return Gender(t, b, c, l, 0); }},
        {"ApplyCase", [](const char *t, char *b, int c, int) { return ApplyCase(t, b, c, 0); }},
        {"CustomTransform", [](const char *t, char *b, int c, int) { return CustomTransform(t, b, c, "a", "xyz", 0, 1); }},
        {"CustomExclude", [](const char *t, char *b, int c, int) { return CustomExclude(t, b, c, "(", ")", 1); }},
    };
    return all;
}

std::string longText()
{
    std::string s;
    while (s.size() < 3000)
        s += "Mr William Ashgrove-Tull Ltd., 12 High St. (rear) Gesellschaft mit beschr\xE4nkter Haftung ";
    return s;
}

std::string everyByte()
{
    std::string s;
    for (int c = 1; c < 256; ++c)
        s.push_back(static_cast<char>(c));
    return s;
}

constexpr char kFill = '\xAB';

TEST(ExportContract, OutputStaysWithinCapacityAndIsTerminated)
{
    const std::string inputs[] = {longText(), everyByte() + everyByte() + everyByte() + everyByte(), "", "a",
                                  std::string(2000, ' '), std::string(2000, '.'), std::string(500, '(')};
    for (const auto &e : textExports()) {
        for (const auto &in : inputs) {
            for (int lang : {0, 1, 3, 5, 99, -7}) {
                char buf[260];
                std::memset(buf, kFill, sizeof buf);
                const int n = e.call(in.c_str(), buf, 254, lang);
                const size_t len = strnlen(buf, 255);
                ASSERT_LE(len, 254u) << e.name << " lang " << lang;
                EXPECT_EQ(n, static_cast<int>(len)) << e.name;
                for (int i = 255; i < 260; ++i)
                    ASSERT_EQ(buf[i], kFill) << e.name << " wrote byte " << i << " (lang " << lang << ")";
            }
        }
    }
}

// Texts made of the pieces the parsers care about, in random order and at
// random capacities: whatever comes, the output stays bounded and terminated.
TEST(ExportContract, RandomTextsNeverOverrun)
{
    static const char *const kPieces[] = {"Ltd", ".", " ", "-", "&", "/", ",", "(", ")", "St", "GmbH", "S.p.A.",
                                          "C/", "N\xBA", "\xDF", "\xC9", "'", "Mr", "Mrs", "Bill", "@", "www.",
                                          "http://", "\xA0", "\t", "DE", "and", "\x92", "Gesellschaft mit", "0"};
    std::mt19937 rng(20261210);
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int pieces = static_cast<int>(rng() % 120);
        for (int i = 0; i < pieces; ++i)
            text += rng() % 8 ? kPieces[rng() % std::size(kPieces)] : std::string(1, static_cast<char>(1 + rng() % 255));
        const int capacity = static_cast<int>(rng() % 260) - 2;
        const int lang = static_cast<int>(rng() % 8) - 1;
        for (const auto &e : textExports()) {
            char buf[300];
            std::memset(buf, kFill, sizeof buf);
            const int n = e.call(text.c_str(), buf, capacity, lang);
            const int limit = capacity < 0 ? 0 : capacity;
            ASSERT_LE(n, limit) << e.name;
            ASSERT_EQ(buf[n], '\0') << e.name;
            ASSERT_EQ(strnlen(buf, sizeof buf), static_cast<size_t>(n)) << e.name;
            for (int i = limit + 1; i < 300; ++i)
                ASSERT_EQ(buf[i], kFill) << e.name << " capacity " << capacity;
        }
        int r = 0;
        for (int p = 0; p < 4; ++p)
            PatternMatch(text.c_str(), &r, lang, p);
    }
}

TEST(ExportContract, ZeroNegativeCapacityAndNullBuffer)
{
    for (const auto &e : textExports()) {
        for (int cap : {0, -1, -100000}) {
            char buf[4];
            std::memset(buf, kFill, sizeof buf);
            EXPECT_EQ(e.call("Harwell Ltd", buf, cap, 1), 0) << e.name;
            EXPECT_EQ(buf[0], '\0') << e.name << " capacity " << cap;
            EXPECT_EQ(buf[1], kFill) << e.name << " capacity " << cap;
        }
        EXPECT_EQ(e.call("Harwell Ltd", nullptr, 254, 1), 0) << e.name;
        EXPECT_EQ(e.call("Harwell Ltd", nullptr, -1, 1), 0) << e.name;
    }
}

TEST(ExportContract, NullAndEmptyTexts)
{
    for (const auto &e : textExports()) {
        for (const char *t : {static_cast<const char *>(nullptr), ""}) {
            char buf[256];
            std::memset(buf, kFill, sizeof buf);
            e.call(t, buf, 254, 1);
            if (std::string(e.name) == "Gender")
                EXPECT_STREQ(buf, "U");
            else
                EXPECT_STREQ(buf, "") << e.name;
        }
    }
    char buf[16];
    EXPECT_EQ(CustomTransform("abc", buf, 15, nullptr, nullptr, 1, 1), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(CustomExclude("a(b)c", buf, 15, nullptr, nullptr, 1), 5);
    EXPECT_STREQ(buf, "a(b)c");
    EXPECT_EQ(CustomExclude("a(b)c", buf, 15, "(", nullptr, 0), 1);  // null closer: to the end
    EXPECT_STREQ(buf, "a");
}

TEST(ExportContract, EveryByteValueSurvives)
{
    // Bytes 1..255: nothing but whitespace runs may change (to one space).
    std::string expected;
    for (unsigned char c : everyByte()) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0;
        if (space && !expected.empty() && expected.back() == ' ')
            continue;
        expected.push_back(space ? ' ' : static_cast<char>(c));
    }
    ASSERT_EQ(expected.size(), 254u);
    const std::string in = everyByte();
    EXPECT_EQ(normalise(in, 1, 3), expected);  // group 3 is no group
    EXPECT_EQ(transform(in, "", "x", 0, 0), expected);
    EXPECT_EQ(customExclude(in, "", "", 0), expected);
    char wide[300];
    EXPECT_EQ(ApplyCase(in.c_str(), wide, 255, 9), 255);  // unknown style: a plain copy
    EXPECT_EQ(std::string(wide), in);
}

TEST(ExportContract, UnknownLanguagesMeanEnglish)
{
    const std::string texts[] = {"Mr Bill Ashgrove Ltd", "12 High St.", "William Ashgrove"};
    for (const auto &t : texts) {
        for (int group : {0, 1, 7, 12}) {
            for (int lang : {0, 6, 99, -1}) {
                EXPECT_EQ(normalise(t, lang, group), normalise(t, 1, group)) << t << " lang " << lang;
                EXPECT_EQ(exclude(t, lang, group), exclude(t, 1, group)) << t << " lang " << lang;
            }
        }
        for (int lang : {0, 99})
            EXPECT_EQ(gender(t, lang, 2), gender(t, 1, 2)) << t;
    }
}

TEST(ExportContract, ScoreAndPatternResultPointers)
{
    int score = -5;
    EXPECT_EQ(MatchIt(nullptr, nullptr, &score, 0), 0);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(MatchIt("Ashgrove", nullptr, &score, 0), 0);
    EXPECT_EQ(MatchIt("", "Ashgrove", &score, 0), 0);
    EXPECT_EQ(MatchIt("Ashgrove", "Ashgrove", &score, 0), 100);
    EXPECT_EQ(score, 100);
    MatchIt("Ashgrove", "Ashgrove", nullptr, 0);  // no crash

    EXPECT_EQ(PatternMatch("info@tarnwick-demo.example", nullptr, 1, 2), 0);
    for (int p : {-1, 4, 1000})
        EXPECT_EQ(pattern("info@tarnwick-demo.example", 1, p), 0) << p;
    EXPECT_EQ(pattern(everyByte(), 1, 0) | pattern(everyByte(), 1, 1), 0);
    int r = 7;
    PatternMatch(nullptr, &r, 0, 2);
    EXPECT_EQ(r, 0);
}

TEST(ExportContract, FinishReleasesAndLaterCallsLoadAgain)
{
    const std::string before = normalise("Bill Ashgrove Ltd, 12 High St.", 1, 1) + "|" + elaborate("12 High St.", 1, 0)
        + "|" + gender("Mrs Ashgrove", 1, 2);
    char key1[256], key2[256];
    GeneratePHK("Ashgrove", key1, 254, 1, 0, 0, 0, 0, 0, 0);
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(Finish(), 0);
        EXPECT_EQ(Finish(), 0);  // twice in a row is harmless
        const std::string after = normalise("Bill Ashgrove Ltd, 12 High St.", 1, 1) + "|"
            + elaborate("12 High St.", 1, 0) + "|" + gender("Mrs Ashgrove", 1, 2);
        EXPECT_EQ(after, before);
        GeneratePHK("Ashgrove", key2, 254, 1, 0, 0, 0, 0, 0, 0);
        EXPECT_STREQ(key1, key2);
    }
}

}  // namespace
