// Word-group methods over a small dictionary of our own, so the mechanism is
// pinned down independently of what the shipped dictionaries hold.
#include "cleanse/WordGroups.h"
#include "dict/Dictionary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using veskor::cleanse::Method;

// Windows-1252 bytes: \xE9 é, \xDF ß, \xBA º.
const char *const kBusiness =
    "# legal forms and business words\n"
    "Limited|Ltd|Ltee\n"
    "Gesellschaft mit beschr\xE4nkter Haftung|GmbH|G.m.b.H.\n"
    "Societ\xE0 per Azioni|S.p.A.\n"
    "eingetragener Kaufmann|e.K.\n"
    "Company|Co\n"
    "and|&|und\n"
    "Street|St|Str.|Stra\xDF" "e\n"
    "Calle|C/\n"
    "Number|No|N\xBA|N\xB0|#\n"
    "Public Limited Company|PLC\n"
    "   \n"
    "|orphan variant without a canonical form\n"
    "Duplicate|Ltd\n"
    "William|Wm|Bill|Billy|Guillermo\n"
    "Elizabeth||Liz|Beth\n"
    "Germany|DE|Deutschland\n"
    "United Kingdom|GB|UK|England\n"
    "Andorra|AD|AND\n"
    "North|N\n";

const veskor::dict::Dictionary &dictionary()
{
    static const auto d = veskor::dict::Dictionary::parse(kBusiness, false);
    return d;
}

std::string run(Method m, const std::string &in, int capacity = 254)
{
    char buf[300];
    veskor::text::Writer out(buf, capacity);
    veskor::cleanse::applyMethod(dictionary(), m, reinterpret_cast<const unsigned char *>(in.data()), in.size(), out);
    out.finish();
    return buf;
}

struct Case {
    Method method;
    const char *in;
    const char *out;
};

class WordGroupMethods : public testing::TestWithParam<Case> {};

TEST_P(WordGroupMethods, RewritesOnlyTheGroupsPhrases)
{
    EXPECT_EQ(run(GetParam().method, GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WordGroupMethods,
    testing::Values(
        // Exclude: the phrase and its trailing full stop go, the rest stays.
        Case{Method::Exclude, "Harwell Ltd.", "Harwell"},
        Case{Method::Exclude, "Harwell Ltd., Brackton", "Harwell, Brackton"},
        Case{Method::Exclude, "Harwell  Limited   Brackton ", "Harwell Brackton"},
        Case{Method::Exclude, "Quillon Trading G.m.b.H.", "Quillon Trading"},
        Case{Method::Exclude, "Quillon Gesellschaft mit beschraenkter Haftung x", "Quillon Gesellschaft mit beschraenkter Haftung x"},
        Case{Method::Exclude, "Quillon GESELLSCHAFT MIT BESCHR\xC4NKTER HAFTUNG", "Quillon"},
        Case{Method::Exclude, "Ferrovie Brune S.P.A.", "Ferrovie Brune"},
        Case{Method::Exclude, "Ferrovie Brune SpA", "Ferrovie Brune"},
        Case{Method::Exclude, "Marlo Handel e.K.", "Marlo Handel"},
        Case{Method::Exclude, "Limitedly Coarse", "Limitedly Coarse"},  // whole words only
        Case{Method::Exclude, "Public Limited Company Alder", "Alder"},  // longest phrase first
        Case{Method::Exclude, "Alder Public Limited", "Alder Public"},
        Case{Method::Exclude, "(Ltd) Alder", "() Alder"},
        Case{Method::Exclude, "Ltd", "Ltd"},  // nothing but business words: nothing goes
        Case{Method::Exclude, "Harwell, Ltd.", "Harwell"},  // no comma left hanging at either end
        Case{Method::Exclude, "Ltd, Harwell", "Harwell"},
        Case{Method::Exclude, "Harwell, Brackton,", "Harwell, Brackton,"},
        // Elaborate: short forms and abbreviated variants become the written-out form.
        Case{Method::Elaborate, "12 High St.", "12 High Street"},
        Case{Method::Elaborate, "12 HIGH ST", "12 HIGH STREET"},
        Case{Method::Elaborate, "12 high st", "12 high street"},
        Case{Method::Elaborate, "C/ Mayor 5", "Calle Mayor 5"},
        Case{Method::Elaborate, "C/Mayor 5", "Calle Mayor 5"},
        Case{Method::Elaborate, "N\xBA 5", "Number 5"},
        Case{Method::Elaborate, "Bill Ashgrove", "William Ashgrove"},
        Case{Method::Elaborate, "Liz Ashgrove", "Elizabeth Ashgrove"},
        Case{Method::Elaborate, "Street Stra\xDF" "e", "Street Stra\xDF" "e"},  // long forms stay
        // Abbreviate: written-out form and long variants become the short form.
        Case{Method::Abbreviate, "Harwell Limited", "Harwell Ltd"},
        Case{Method::Abbreviate, "HARWELL LIMITED", "HARWELL LTD"},
        Case{Method::Abbreviate, "Quillon gesellschaft mit beschr\xE4nkter haftung", "Quillon GmbH"},
        Case{Method::Abbreviate, "Quillon Gesellschaft mit beschr\xE4nkter Haftung", "Quillon GmbH"},
        Case{Method::Abbreviate, "Harwell & Co.", "Harwell & Co."},  // already short: left as written
        Case{Method::Abbreviate, "Elizabeth Ashgrove", "Elizabeth Ashgrove"},  // no short form
        Case{Method::Abbreviate, "Guillermo Ashgrove", "Wm Ashgrove"},
        Case{Method::Elaborate, "Leeds, UK", "Leeds, United Kingdom"},
        Case{Method::Elaborate, "Leeds, England", "Leeds, England"},  // a shorter name, not an abbreviation
        Case{Method::Abbreviate, "Leeds, England", "Leeds, GB"},
        // Normalise: every form becomes the canonical form.
        Case{Method::Normalise, "Harwell Ltd.", "Harwell Limited"},
        Case{Method::Normalise, "harwell ltee", "harwell limited"},
        Case{Method::Normalise, "Quillon G.M.B.H.", "Quillon GESELLSCHAFT MIT BESCHR\xC4NKTER HAFTUNG"},
        Case{Method::Normalise, "Quillon gmbh", "Quillon gesellschaft mit beschr\xE4nkter haftung"},
        Case{Method::Normalise, "Alder Street", "Alder Street"},
        Case{Method::Normalise, "Alder Strasse", "Alder Street"},  // ß folds to ss
        Case{Method::Normalise, "Tull & Vane und Partner", "Tull and Vane and Partner"},
        Case{Method::Normalise, "Billy-Jo Marsh", "William-Jo Marsh"},
        // Codes in capitals are words in lower case: "de", "and", "n" stay.
        Case{Method::Normalise, "Calle de la Paz, DE", "Calle de la Paz, Germany"},
        Case{Method::Normalise, "Ad Hoc AD", "Ad Hoc Andorra"},
        Case{Method::Normalise, "CALLE MAYOR, DE", "CALLE MAYOR, GERMANY"},  // a text all in capitals stays so
        Case{Method::Normalise, "De Vries n N", "De Vries n North"},
        Case{Method::Exclude, "Harwell PLC plc", "Harwell plc"},
        // Symbols glued to words: the words stay apart.
        Case{Method::Normalise, "Tull&Vane", "Tull and Vane"},
        Case{Method::Exclude, "Tull&Vane", "Tull Vane"},
        Case{Method::Exclude, "Ashgrove-Ltd Vane", "Ashgrove Vane"}));

TEST(WordGroupDictionary, FirstEntryWinsAndBadLinesAreSkipped)
{
    // "Ltd" is listed again under "Duplicate": the first entry keeps it.
    EXPECT_EQ(run(Method::Normalise, "Ltd"), "Limited");
    EXPECT_EQ(run(Method::Normalise, "Duplicate"), "Duplicate");
    EXPECT_EQ(run(Method::Normalise, "orphan variant without a canonical form"),
              "orphan variant without a canonical form");
}

TEST(WordGroupDictionary, EmptyDictionaryOnlyTidiesSpaces)
{
    const veskor::dict::Dictionary empty;
    char buf[64];
    veskor::text::Writer out(buf, 63);
    const std::string in = "  Harwell \t Ltd  ";
    veskor::cleanse::applyMethod(empty, Method::Exclude, reinterpret_cast<const unsigned char *>(in.data()), in.size(), out);
    out.finish();
    EXPECT_STREQ(buf, "Harwell Ltd");
}

TEST(WordGroupDictionary, OutputStopsAtCapacityWithoutTrailingSpace)
{
    EXPECT_EQ(run(Method::Elaborate, "12 High St", 8), "12 High");
    EXPECT_EQ(run(Method::Elaborate, "12 High St", 12), "12 High Stre");
    EXPECT_EQ(run(Method::Elaborate, "12 High St", 0), "");
}

}  // namespace
