// Phonetic keys: homophones and spelling variants meet, different names stay
// apart, flags behave, and no input can overrun the buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "phonetic/Phonetic.h"

namespace {

using veskor::Lang;
using veskor::phonetic::generateKey;
using veskor::phonetic::KeyOptions;

std::string key(const std::string &text, Lang lang, KeyOptions options = {})
{
    char out[256];
    generateKey(text.c_str(), lang, options, out, 255);
    return out;
}

struct NamePair {
    Lang lang;
    const char *a, *b;
};

// Texts are Windows-1252, as the engine receives them.
const NamePair kSameKey[] = {
    {Lang::English, "Smith", "Smyth"}, {Lang::English, "Philips", "Phillips"}, {Lang::English, "Phillips", "Filips"},
    {Lang::English, "Meyer", "Maier"}, {Lang::English, "Catherine", "Kathryn"}, {Lang::English, "Knight", "Night"},
    {Lang::English, "Wright", "Right"}, {Lang::English, "MacDonald", "McDonald"},
    {Lang::English, "Thompson", "Thomson"},
    {Lang::English, "Stephen", "Steven"}, {Lang::English, "Clark", "Clarke"}, {Lang::English, "Gray", "Grey"},
    {Lang::English, "Lamb", "Lam"}, {Lang::English, "Jon", "John"},
    {Lang::French, "Thibault", "Thibaut"}, {Lang::French, "Rousseau", "Roussot"}, {Lang::French, "Dupont", "Dupond"},
    {Lang::French, "Gauthier", "Gautier"}, {Lang::French, "Lefebvre", "Lef\xE8vre"},
    {Lang::French, "Girault", "Giraud"}, {Lang::French, "Fran\xE7ois", "Fransois"},
    {Lang::French, "Philippe", "Filipe"}, {Lang::French, "Ren\xE9", "Rene"},
    {Lang::French, "Jacques", "Jacque"}, {Lang::French, "Dupr\xE9", "Duprez"}, {Lang::French, "Duprez", "Dupret"},
    {Lang::French, "Christelle", "Cristelle"}, {Lang::French, "Rapha\xEBl", "Raphael"},
    {Lang::German, "Schmidt", "Schmitt"}, {Lang::German, "Schmidt", "Schmid"}, {Lang::German, "M\xFCller", "Mueller"},
    {Lang::German, "Meyer", "Maier"}, {Lang::German, "Mayer", "Meier"}, {Lang::German, "K\xF6nig", "Koenig"},
    {Lang::German, "Wei\xDF", "Weiss"}, {Lang::German, "Vogel", "Fogel"}, {Lang::German, "Pfeiffer", "Pfeifer"},
    {Lang::German, "Lehmann", "Leman"}, {Lang::German, "Seitz", "Seiz"}, {Lang::German, "Stefan", "Stephan"},
    {Lang::German, "Becker", "B\xE4\x63ker"}, {Lang::German, "Christian", "Kristian"},
    {Lang::Italian, "Giacomo", "Jacomo"}, {Lang::Italian, "Giovanni", "Giovani"}, {Lang::Italian, "Bianchi", "Bianki"},
    {Lang::Italian, "Pasquale", "Pascuale"}, {Lang::Italian, "Mazza", "Maza"}, {Lang::Italian, "Chiara", "Kiara"},
    {Lang::Spanish, "Gonzalez", "Gonsales"}, {Lang::Spanish, "V\xE1zquez", "Vasquez"},
    {Lang::Spanish, "Llorente", "Yorente"}, {Lang::Spanish, "Hern\xE1ndez", "Ern\xE1ndez"},
    {Lang::Spanish, "Jim\xE9nez", "Gim\xE9nez"}, {Lang::Spanish, "Bravo", "Brabo"},
    {Lang::Spanish, "Mu\xF1oz", "Munoz"}, {Lang::Spanish, "Quintero", "Kintero"}, {Lang::Spanish, "Javier", "Xavier"},
};

const NamePair kDifferentKey[] = {
    {Lang::English, "Martin", "Morton"}, {Lang::English, "Smith", "Schmidt"}, {Lang::English, "Michael", "Mitchell"},
    {Lang::English, "Mary", "Meyer"}, {Lang::English, "Harris", "Morris"},
    {Lang::French, "Martin", "Martine"}, {Lang::French, "Jean", "Jeanne"}, {Lang::French, "Simon", "Simone"},
    {Lang::French, "Louis", "Louise"}, {Lang::French, "Bernard", "Bertrand"},
    // Homophones, but a man and a woman: the forenames keep them apart.
    {Lang::French, "Daniel", "Danielle"}, {Lang::French, "Ren\xE9", "Ren\xE9\x65"}, {Lang::French, "Michel", "Mich\xE8le"},
    {Lang::English, "Francis", "Frances"},
    {Lang::German, "Bauer", "Baier"}, {Lang::German, "M\xFCller", "Miller"}, {Lang::German, "Fischer", "Fichter"},
    {Lang::German, "Schmidt", "Smith"}, {Lang::German, "Lang", "Lange"},
    {Lang::Italian, "Mario", "Maria"}, {Lang::Italian, "Luca", "Lucia"}, {Lang::Italian, "Rossi", "Russo"},
    {Lang::Italian, "Chiara", "Ciara"}, {Lang::Italian, "Gherardi", "Gerardi"},
    {Lang::Spanish, "Juan", "Juana"}, {Lang::Spanish, "Garc\xED" "a", "Garc\xE9s"}, {Lang::Spanish, "Ruiz", "R\xEDos"},
    {Lang::Spanish, "Pablo", "Paula"}, {Lang::Spanish, "Marta", "Mateo"},
};

TEST(PhoneticKey, HomophonesAndVariantsShareAKey)
{
    for (const auto &p : kSameKey)
        EXPECT_EQ(key(p.a, p.lang), key(p.b, p.lang)) << p.a << " / " << p.b << " lang " << static_cast<int>(p.lang);
}

TEST(PhoneticKey, DifferentNamesKeepDifferentKeys)
{
    for (const auto &p : kDifferentKey)
        EXPECT_NE(key(p.a, p.lang), key(p.b, p.lang)) << p.a << " / " << p.b << " lang " << static_cast<int>(p.lang);
}

TEST(PhoneticKey, UpperCaseAsciiOneKeyWordPerWord)
{
    // Case and accents do not matter; punctuation and spaces separate words; digits stay.
    EXPECT_EQ(key("M\xDCLLER", Lang::German), key("m\xFCller", Lang::German));
    EXPECT_EQ(key("Jean-Pierre  Dupont,12", Lang::French), "JAN PIER DUPON 12");
    EXPECT_EQ(key("John O'Brien 12b", Lang::English), "JON O BREN 12B");
    for (int lang = 1; lang <= 5; ++lang) {
        const std::string k = key("\xC9milie \xC6sa Stra\xDF\x65 \xD1\xFA\xF1\x65z 42", veskor::langFrom(lang));
        for (char c : k)
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') << k;
        EXPECT_EQ(std::count(k.begin(), k.end(), ' '), 4) << k;
    }
}

TEST(PhoneticKey, LanguageOutsideRangeIsEnglish)
{
    EXPECT_EQ(key("Knight Catherine", veskor::langFrom(0)), key("Knight Catherine", Lang::English));
    EXPECT_EQ(key("Knight Catherine", veskor::langFrom(9)), key("Knight Catherine", Lang::English));
}

TEST(PhoneticKey, Flags)
{
    struct Case {
        const char *text;
        KeyOptions options;
        const char *expected;
    };
    const Case cases[] = {
        {"Anna J. Baker 12", {}, "ANA J BAKER 12"},
        {"Anna J. Baker 12", {.deleteVowels = true}, "AN J BKR 12"},
        {"Anna J. Baker 12", {.removeNumbers = true}, "ANA J BAKER"},
        {"Anna J. Baker 12", {.removeInitials = true}, "ANA BAKER 12"},
        {"Anna J. Baker 12", {.compact = true}, "ANAJBAKER12"},
        {"Anna J. Baker 12", {true, true, true, true}, "ANBKR"},
        {"Elena Udo", {.deleteVowels = true}, "ELN UD"},  // the first letter stays even when it is a vowel
        {"Via 12b", {.removeNumbers = true}, "VIA B"},    // digits go, the word's letters stay
        {"42 7", {.removeNumbers = true}, ""},            // nothing left: an empty key, not stray spaces
    };
    for (const auto &c : cases)
        EXPECT_EQ(key(c.text, Lang::Italian, c.options), c.expected) << c.text;
}

TEST(PhoneticKey, NeverWritesPastCapacityAndAlwaysTerminates)
{
    const std::string text = "Bartholomew Featherstonehaugh-Cholmondeley 1234 Knightsbridge";
    const std::string full = key(text, Lang::English);
    for (int capacity = 0; capacity <= static_cast<int>(full.size()) + 2; ++capacity) {
        char out[128];
        std::memset(out, '#', sizeof out);
        const int n = generateKey(text.c_str(), Lang::English, {}, out, capacity);
        ASSERT_LE(n, capacity);
        ASSERT_EQ(out[n], '\0');
        ASSERT_EQ(out[capacity + 1], '#') << "capacity " << capacity;
        EXPECT_EQ(std::string(out), full.substr(0, n));
        if (n > 0) {
            EXPECT_NE(out[n - 1], ' ') << "no dangling separator at capacity " << capacity;
        }
    }
}

TEST(PhoneticKey, HostileInputIsSafe)
{
    char out[64];
    EXPECT_EQ(generateKey(nullptr, Lang::French, {}, out, 63), 0);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(generateKey("Smith", Lang::French, {}, out, -5), 0);
    EXPECT_EQ(out[0], '\0');

    // Every byte value, very long words and texts: bounded output, no crash.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string huge = std::string(5000, 'x') + " " + std::string(3000, '\xDF') + " " + all;
    for (int lang = 1; lang <= 5; ++lang)
        for (const std::string &text : {all, huge}) {
            char big[4097];
            big[4096] = '#';
            const int n = generateKey(text.c_str(), veskor::langFrom(lang), {}, big, 4095);
            ASSERT_LE(n, 4095);
            ASSERT_EQ(big[n], '\0');
            ASSERT_EQ(big[4096], '#');
        }
}

}  // namespace
