// Gender through the C export, against the shipped dictionaries.
#include "CallHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace veskor_test;

constexpr int En = 1, Fr = 2, De = 3, It = 4, Es = 5;
constexpr int First = 2, Last = 1, Unknown = 0;

TEST(Gender, Table)
{
    const struct {
        const char *text;
        int lang, format;
        const char *expected;
    } cases[] = {
        // Titles decide first, wherever they stand.
        {"Mr Elise Vane", En, First, "M"},
        {"Vane, Mrs", En, Last, "F"},
        {"Herr Andrea Brunnholt", De, First, "M"},
        {"Frau Brunnholt", De, Unknown, "F"},
        {"Mme Ravelet", Fr, First, "F"},
        {"Sig.ra Ferrucci", It, First, "F"},
        {"Sra. Olmedilla", Es, First, "F"},
        {"D\xF1" "a Olmedilla", Es, First, "F"},  // Dña
        {"Dr Bill Ashgrove", En, First, "M"},     // an ungendered title passes on to the forename
        {"Mr and Mrs Ashgrove", En, First, "U"},  // a couple
        {"Mr. William and Mr. Bill Ashgrove", En, First, "M"},
        // The forename where the format puts it, as the language sees it.
        {"William Ashgrove", En, First, "M"},
        {"Bill Ashgrove", En, First, "M"},  // a nickname takes its entry's gender
        {"Ashgrove, William", En, Last, "M"},
        {"Ashgrove William", En, Last, "M"},
        {"Ashgrove William", En, First, "U"},
        {"Ashgrove, William", En, First, "M"},  // the comma shows where the forename is
        {"Ashgrove William", En, Unknown, "M"},
        {"Andrea Ferrucci", It, First, "M"},
        {"Andrea Brunnholt", De, First, "F"},
        {"Simone Ferrucci", It, First, "M"},
        {"Simone Ravelet", Fr, First, "F"},
        {"Jean-Pierre Ravelet", Fr, First, "M"},
        {"Marie-Claire Ravelet", Fr, First, "F"},
        {"Ravelet Marie-Claire", Fr, Last, "F"},
        {"Jos\xE9 Mar\xED" "a Olmedilla", Es, First, "M"},
        {"Olmedilla, Jos\xE9 Mar\xED" "a", Es, Last, "M"},
        // Decided by the language; a short form of several names takes the gender they share.
        {"Andrea Bellandi", It, First, "M"},
        {"Andrea Bellandi", Es, First, "F"},
        {"Andrea Ashgrove", En, First, "F"},
        {"Jean Ravelet", Fr, First, "M"},
        {"Jean Ashgrove", En, First, "F"},
        {"Mar\xED" "a Jos\xE9 Olmedilla", Es, First, "F"},
        {"Gigi Ferrucci", It, First, "M"},
        {"Sasha Ashgrove", En, First, "U"},
        {"Lulu Ravelet", Fr, First, "U"},
        {"Justine Ravelet", Fr, First, "F"},
        {"Julienne Ravelet", Fr, First, "F"},
        // Nothing to go on.
        {"Zqxwv Ashgrove", En, Unknown, "U"},
        {"J. Ashgrove", En, First, "U"},
        {"", En, First, "U"},
        {"12 High Street", En, Unknown, "U"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(gender(c.text, c.lang, c.format), c.expected)
            << c.text << " lang " << c.lang << " format " << c.format;
}

}  // namespace
