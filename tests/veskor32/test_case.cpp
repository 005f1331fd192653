// ApplyCase through the C export.
#include "CallHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace veskor_test;

TEST(ApplyCase, Table)
{
    const struct {
        const char *text;
        int style;
        const char *expected;
    } cases[] = {
        {"o'brien-smith", 0, "O'Brien-Smith"},
        {"JEAN-LUC DELL'ORTO", 0, "Jean-Luc Dell'Orto"},
        {"john's 1st shop", 0, "John's 1st Shop"},
        {"HENRY VANE III, VIII PLACE", 0, "Henry Vane III, VIII Place"},  // generation numbers stay capitals
        {"iv vane", 0, "Iv Vane"},
        {"\xE9lise \xD6ZT\xDCRK", 0, "\xC9lise \xD6zt\xFCrk"},  // élise ÖZTÜRK -> Élise Öztürk
        {"\xE9lise", 2, "\xC9LISE"},
        {"stra\xDF" "e", 2, "STRA\xDF" "E"},                   // ß has no single capital
        {"\xFF\x9A\x9C", 2, "\x9F\x8A\x8C"},                     // ÿšœ -> ŸŠŒ
        {"\xC9LISE  Vane", 1, "\xE9lise  vane"},                  // spacing kept as it is
        {"MiXeD", 7, "MiXeD"},
        {"MiXeD", -1, "MiXeD"},
        {"", 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(applyCase(c.text, c.style), c.expected) << c.text << " style " << c.style;
}

}  // namespace
