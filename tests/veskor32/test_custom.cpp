// CustomTransform and CustomExclude through the C exports.
#include "CallHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace veskor_test;

struct TransformCase {
    const char *text, *from, *to;
    int distinctWords, caseInsensitive;
    const char *expected;
};

TEST(CustomTransform, Table)
{
    const TransformCase cases[] = {
        {"Hollis and Rudd and Sons", "and", "&", 0, 0, "Hollis & Rudd & Sons"},
        {"Brandon Andover", "and", "+", 0, 0, "Br+on Andover"},
        {"Brandon Andover", "and", "+", 1, 0, "Brandon Andover"},            // inside words: untouched
        {"Brandon and Andover AND", "and", "+", 1, 1, "Brandon + Andover +"},
        {"Brandon Andover", "and", "+", 0, 1, "Br+on +over"},
        {"\xC9LISE \xE9lise", "\xE9lise", "Elise", 0, 1, "Elise Elise"},     // Windows-1252 letters fold
        {"\xC9LISE \xE9lise", "\xE9lise", "Elise", 0, 0, "\xC9LISE Elise"},
        {"Mill Lane (rear)", "(rear)", "", 0, 0, "Mill Lane"},               // removal tidies spaces
        {"Mill  Lane", "", "X", 0, 0, "Mill Lane"},                          // empty pattern: unchanged
        {"ab", "abc", "X", 0, 0, "ab"},                                      // pattern longer than text
        {"aaaa", "aa", "a", 0, 0, "aa"},                                     // no re-scan of output
        {"c/o Vane", "c/o", "care of", 1, 0, "care of Vane"},                // symbols at the edges
        {"x c/o, y", "c/o", "", 1, 0, "x, y"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(transform(c.text, c.from, c.to, c.distinctWords, c.caseInsensitive), c.expected)
            << c.text << " / " << c.from;
}

struct ExcludeCase {
    const char *text, *open, *close;
    int keep;
    const char *expected;
};

TEST(CustomExclude, Table)
{
    const ExcludeCase cases[] = {
        {"Smith (deceased)", "(", ")", 0, "Smith"},
        {"Smith (deceased)", "(", ")", 1, "Smith ()"},
        {"Smith (deceased) Jones", "(", ")", 0, "Smith Jones"},
        {"Smith (a)(b) Jones (c), Leeds", "(", ")", 0, "Smith Jones, Leeds"},  // adjacent spans, comma
        {"Smith (a)(b)", "(", ")", 1, "Smith ()()"},
        {"Smith - retired", "-", "", 0, "Smith"},                             // to the end
        {"Smith (unclosed", "(", ")", 0, "Smith"},
        {"Smith (unclosed", "(", ")", 1, "Smith ("},
        {"a \"b\" c \"d\" e", "\"", "\"", 0, "a c e"},                         // same delimiter twice
        {"Smith", "", ")", 0, "Smith"},                                        // empty opener
        {"Smith", "((((((", "))))))", 0, "Smith"},                             // longer than the text
        {"x <<a>> y", "<<", ">>", 0, "x y"},
        {"x <<a>> y", "<<", ">>", 1, "x <<>> y"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(customExclude(c.text, c.open, c.close, c.keep), c.expected) << c.text;
}

}  // namespace
