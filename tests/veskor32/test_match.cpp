// Similarity scores: the properties the duplicate check relies on, the
// one-against-many cache, and the bit-parallel edit distance behind it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "match/EditDistance.h"
#include "match/Match.h"

namespace {

using veskor::match::score;

const char *const kTexts[] = {
    "John Smith", "Smith John", "JOHN SMITH", "John A. Smith", "John Michael Smith", "Jon Smyth",
    "Peter Jones", "JN SMT", "JN SMT 12", "Harwick Foods Ltd", "Harwick Foods", "12 Elm Road",
    "14 Elm Road", "M\xFCller", "Mueller", "Muller", "a", "A", "Anne-Marie", "Anne Marie", "x y z w v u t",
};

TEST(MatchScore, IdenticalIs100AndOnlyIdentical)
{
    for (const char *a : kTexts) {
        const std::string copy = a;  // another buffer, same bytes
        EXPECT_EQ(score(a, copy.c_str()), 100) << a;
        for (const char *b : kTexts) {
            if (std::strcmp(a, b) != 0) {
                EXPECT_LT(score(a, b), 100) << a << " / " << b;
            }
        }
    }
    EXPECT_LT(score("Anne Marie", "Anne Marie "), 100);
}

TEST(MatchScore, EmptyOrNullIsZero)
{
    EXPECT_EQ(score("", ""), 0);
    EXPECT_EQ(score("Smith", ""), 0);
    EXPECT_EQ(score("", "Smith"), 0);
    EXPECT_EQ(score(nullptr, "Smith"), 0);
    EXPECT_EQ(score("Smith", nullptr), 0);
    EXPECT_EQ(score("--", "..."), 0);  // no words on either side
}

TEST(MatchScore, SymmetricAndInRange)
{
    for (const char *a : kTexts)
        for (const char *b : kTexts) {
            const int ab = score(a, b), ba = score(b, a);
            EXPECT_EQ(ab, ba) << a << " / " << b;
            EXPECT_GE(ab, 0);
            EXPECT_LE(ab, 100);
        }
}

TEST(MatchScore, SymmetricForLongTextsToo)
{
    // Past the exact assignment limit the scorer goes greedy; it must stay symmetric.
    const char *a = "alpha beta gamma delta epsilon zeta eta theta";
    const char *b = "alpah beta gama delta zeta epsilon theta iota";
    EXPECT_EQ(score(a, b), score(b, a));
    EXPECT_GT(score(a, b), 50);
}

TEST(MatchScore, TellsTheTrueStory)
{
    struct Case {
        const char *a, *b;
        int min, max;
    };
    const Case cases[] = {
        {"Featherstonehaugh", "Featherstonhaugh", 90, 99},    // one typo in a long word
        {"Alexander", "Alexnader", 85, 99},                   // transposition counts once
        {"John Smith", "Smith John", 90, 99},                 // swapped words
        {"John Smith", "John A Smith", 90, 99},               // dropped middle initial
        {"John Smith", "John Michael Smith", 75, 95},         // extra middle word
        {"J Smith", "John Smith", 80, 99},                    // initial against forename
        {"SMITH", "Smith", 85, 99},                           // case only
        {"John Smith", "Peter Jones", 0, 35},                 // unrelated
        {"Harwick Foods", "Brambleton Engineering", 0, 30},
        {"12 Elm Road", "14 Elm Road", 0, 69},                // another house
        {"Harwick Foods", "Brambley Foods", 0, 69},           // a shared word is not a shared company
        {"Gianluca Rossi", "Gian Luca Rossi", 90, 99},        // words run together
        {"Tannenstrasse 4", "Tannen-Strasse 4", 90, 99},
        {"Tannenstrasse 4", "Tannen-Strasse 5", 0, 69},       // ... but not across numbers
    };
    for (const auto &c : cases) {
        const int s = score(c.a, c.b);
        EXPECT_GE(s, c.min) << c.a << " / " << c.b;
        EXPECT_LE(s, c.max) << c.a << " / " << c.b;
    }
    // Case and accents cost a little, so cleansing them can only raise the score.
    EXPECT_LT(score("SMITH", "Smith"), score("Smith", "Smith"));
    EXPECT_LT(score("MULLER", "M\xFCller"), score("Muller", "M\xFCller"));
    EXPECT_GT(score("John Smith", "Jon Smyth"), score("John Smith", "Jane Smart"));
}

TEST(MatchScore, CacheComparesContentNotPointers)
{
    std::vector<std::string> pool = {"Harwick Foods", "Hartwell Foods", "12 Elm Road", "JN SMT", "Anne Marie",
                                     "Kessington Print", "Penhale Motors"};
    // Reference scores, each computed with a cold cache.
    std::vector<std::vector<int>> expected(pool.size(), std::vector<int>(pool.size()));
    for (size_t i = 0; i < pool.size(); ++i)
        for (size_t j = 0; j < pool.size(); ++j) {
            veskor::match::release();
            expected[i][j] = score(pool[i].c_str(), pool[j].c_str());
        }
    // Interleaved second texts, more of them than the cache keeps.
    for (int round = 0; round < 3; ++round)
        for (size_t j = 0; j < pool.size(); ++j)
            for (size_t i = 0; i < pool.size(); ++i)
                EXPECT_EQ(score(pool[i].c_str(), pool[(j + i * round) % pool.size()].c_str()),
                          expected[i][(j + i * round) % pool.size()]);
    // Same buffer, new content: must be seen as a new text.
    char buffer[32] = "Harwick Foods";
    EXPECT_EQ(score("Harwick Foods", buffer), 100);
    std::strcpy(buffer, "Hartwell Foods");
    EXPECT_EQ(score("Harwick Foods", buffer), expected[0][1]);
}

TEST(MatchScore, LongTextsAreSafe)
{
    const std::string a = std::string(3000, 'a') + " smith " + std::string(70, 'b');
    std::string b = a;
    b[2999] = 'c';
    const int s = score(a.c_str(), b.c_str());
    EXPECT_GT(s, 50);
    EXPECT_LT(s, 100);
    EXPECT_EQ(score(a.c_str(), b.c_str()), score(b.c_str(), a.c_str()));
}

int referenceOsa(const std::string &a, const std::string &b)
{
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i)
        d[i][0] = static_cast<int>(i);
    for (size_t j = 0; j <= b.size(); ++j)
        d[0][j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j) {
            const int cost = a[i - 1] != b[j - 1];
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

TEST(EditDistance, BitParallelAgreesWithTheTable)
{
    std::mt19937 rng(7);
    const std::string alphabet = "abcde19";
    for (int round = 0; round < 3000; ++round) {
        std::string a, b;
        const int la = 1 + static_cast<int>(rng() % 20), lb = 1 + static_cast<int>(rng() % (round % 50 == 0 ? 63 : 20));
        for (int i = 0; i < la; ++i)
            a += alphabet[rng() % alphabet.size()];
        for (int i = 0; i < lb; ++i)
            b += alphabet[rng() % alphabet.size()];
        veskor::match::PatternMasks masks;
        veskor::match::buildMasks(b.data(), lb, masks);
        ASSERT_EQ(veskor::match::osaDistance(masks, lb, a.data(), la), referenceOsa(a, b)) << a << " / " << b;
    }
}

}  // namespace
