// Per-call cost of the word-group exports on a typical three-word text.
// Prints only: timings on a shared machine are no pass/fail criterion.
#include "CallHelpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace {

TEST(WordGroupTiming, PrintsMicrosecondsPerCall)
{
    struct Call {
        const char *name;
        int (*fn)(const char *, char *, int, int, int);
        const char *text;
        int group;
    } calls[] = {
        {"Normalise forenames", Normalise, "Bill Ashgrove-Tull", 12},
        {"Abbreviate business", Abbreviate, "Harwell Trading Limited", 1},
        {"Elaborate streets", Elaborate, "12 High St.", 0},
        {"Exclude titles", Exclude, "Mrs Elise Vane", 7},
    };
    char buf[256];
    for (const auto &c : calls) {
        c.fn(c.text, buf, 254, 1, c.group);  // loads the dictionary
        constexpr int kRounds = 20000;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kRounds; ++i)
            c.fn(c.text, buf, 254, 1, c.group);
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        std::printf("  %-22s %-26s -> %-30s %.3f us/call\n", c.name, c.text, buf, took.count() / kRounds);
    }
}

}  // namespace
