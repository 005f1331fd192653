// The hard categories of real address books, through the exports the way the
// program derives keys: the word groups of the kind of text, then the
// phonetic key, then MatchIt on the two keys.
#include "CallHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace veskor_test;

constexpr int En = 1, Fr = 2, De = 3, It = 4, Es = 5;

enum class Kind { Forename, Surname, Company, Address };

std::string cleansed(Kind kind, const std::string &text, int lang)
{
    switch (kind) {
    case Kind::Forename:
        return normalise(text, lang, 12);
    case Kind::Company:
        return exclude(text, lang, 1);
    case Kind::Address: {
        std::string t = text;
        for (int group : {0, 8, 9, 2})
            t = normalise(t, lang, group);
        return t;
    }
    case Kind::Surname:
        break;
    }
    return text;
}

int keyScore(Kind kind, const std::string &a, const std::string &b, int lang)
{
    return matchIt(phk(cleansed(kind, a, lang), lang), phk(cleansed(kind, b, lang), lang));
}

struct Pair {
    int lang;
    Kind kind;
    const char *a, *b;
};

void expectSame(const Pair *pairs, size_t n, int atLeast)
{
    for (size_t i = 0; i < n; ++i) {
        const Pair &p = pairs[i];
        EXPECT_GE(keyScore(p.kind, p.a, p.b, p.lang), atLeast) << p.a << " / " << p.b << " lang " << p.lang;
        EXPECT_EQ(keyScore(p.kind, p.a, p.b, p.lang), keyScore(p.kind, p.b, p.a, p.lang)) << p.a << " / " << p.b;
    }
}

void expectApart(const Pair *pairs, size_t n, int below)
{
    for (size_t i = 0; i < n; ++i) {
        const Pair &p = pairs[i];
        EXPECT_LT(keyScore(p.kind, p.a, p.b, p.lang), below) << p.a << " / " << p.b << " lang " << p.lang;
    }
}

// Texts are Windows-1252.
TEST(Abbreviations, TruncationsAndContractionsMeetTheWrittenOutWord)
{
    const Pair same[] = {
        {De, Kind::Address, "B\xFCrgermeister-Fischer-Weg 4", "Bgm.-Fischer-Weg 4"},
        {De, Kind::Address, "Ludwig-Erhard-Stra\xDF\x65 12", "L.-Erhard-Str. 12"},
        {De, Kind::Address, "Professor-Huber-Platz 7", "Prof.-Huber-Pl. 7"},
        {De, Kind::Company, "Gebr\xFC\x64\x65r Hallbrecht", "Geb. Hallbrecht"},
        {De, Kind::Company, "Gymnasium Kornfeld", "Gymn. Kornfeld"},
        {It, Kind::Company, "Comune di Rivalta", "Com. di Rivalta"},
        {It, Kind::Company, "Istituto Bellaria", "Ist. Bellaria"},
        {It, Kind::Address, "Viale Cardinale Ferrari 15", "V.le Card. Ferrari 15"},
        {Es, Kind::Company, "Colegio Nuestra Se\xF1ora de Almenara", "Colegio Ntra. Sra. de Almenara"},
        {Es, Kind::Company, "Montalbo Hermanos", "Montalbo Hnos."},
        {Es, Kind::Address, "Calle General Prim 5", "C/ Gral. Prim 5"},
        {Fr, Kind::Address, "8 avenue du Mar\xE9\x63hal Foch", "8 av. du Mal Foch"},
        {Fr, Kind::Company, "Lyc\xE9\x65 Belvoir", "Lyc. Belvoir"},
        {En, Kind::Company, "Kestrel Manufacturing", "Kestrel Mfg."},
        {En, Kind::Company, "Harwick Brothers Builders", "Harwick Bros. Builders"},
        // No dictionary needed: a full stop after a word that starts or contracts the other.
        {De, Kind::Surname, "Hauptstra\xDF\x65 15", "Hauptstr. 15"},
        {It, Kind::Surname, "Fontanella", "Fontan."},
    };
    expectSame(same, std::size(same), 80);
}

TEST(Abbreviations, LookAlikesWithoutAFullStopGainNothing)
{
    // A shorter name that starts the other is a name of its own; written cut
    // short with a full stop it is evidence for the longer one.
    const struct {
        int lang;
        const char *shorter, *cut, *longer;
    } cases[] = {
        {En, "Martin", "Mart.", "Martinez"},
        {It, "Bianchi", "Bianch.", "Bianchini"},
        {Fr, "Michel", "Mich.", "Michelin"},
    };
    for (const auto &c : cases) {
        const int lookAlike = keyScore(Kind::Surname, c.shorter, c.longer, c.lang);
        const int cut = keyScore(Kind::Surname, c.cut, c.longer, c.lang);
        EXPECT_GT(cut, lookAlike) << c.cut << " / " << c.longer;
        EXPECT_GE(cut, 90) << c.cut << " / " << c.longer;
    }
}

TEST(Numbers, DigitsRomanNumeralsAndWordsAreOneNumber)
{
    const Pair same[] = {
        {It, Kind::Address, "Via XXIV Maggio", "Via 24 Maggio"},
        {It, Kind::Address, "Via Ventiquattro Maggio", "Via 24 Maggio"},
        {It, Kind::Address, "Via XXIV Maggio", "Via Ventiquattro Maggio"},
        {Fr, Kind::Address, "rue du Moulin vingt et un", "rue du Moulin 21"},
        {Fr, Kind::Address, "12 rue Louis XIV", "12 rue Louis 14"},
        {De, Kind::Address, "Lindenstra\xDF\x65 zwanzig", "Lindenstra\xDF\x65 20"},
        {De, Kind::Address, "Karl-V-Stra\xDF\x65 5", "Karl-5-Stra\xDF\x65 5"},
        {Es, Kind::Address, "Calle Veinticuatro de Mayo", "Calle 24 de Mayo"},
        {Es, Kind::Address, "Calle Treinta y Uno de Mayo", "Calle 31 de Mayo"},
        {En, Kind::Address, "First Avenue", "1st Avenue"},
        {En, Kind::Address, "Flat Three, 12 Larch Close", "Flat 3, 12 Larch Close"},
    };
    expectSame(same, std::size(same), 90);
    const Pair apart[] = {
        {De, Kind::Surname, "Karl II", "Karl III"},
        {Es, Kind::Address, "Calle 2", "Calle 12"},
        {It, Kind::Address, "Via XXIV Maggio", "Via XXVI Maggio"},
        {Fr, Kind::Address, "rue du Moulin vingt et un", "rue du Moulin 22"},
    };
    expectApart(apart, std::size(apart), 70);
}

TEST(Numbers, TheShortFormIsTheFigure)
{
    const struct {
        int lang;
        const char *in, *normalised;
    } cases[] = {
        {En, "Five Oaks", "5 Oaks"},
        {En, "5 Oaks", "5 Oaks"},
        {En, "Twenty-Four Kingsway", "24 Kingsway"},
        {It, "Via XXIV Maggio", "Via 24 Maggio"},
        {Fr, "vingt-deux", "22"},
        {De, "vierundzwanzig", "24"},
        {Es, "veinticuatro", "24"},
        {En, "Karl I of Ashgrove", "Karl I of Ashgrove"},  // a lone I is no number
        {It, "V. Emanuele", "V. Emanuele"},                // an initial
    };
    for (const auto &c : cases)
        EXPECT_EQ(normalise(c.in, c.lang, 5), c.normalised) << c.in;
    EXPECT_EQ(elaborate("5 Oaks", En, 5), "five Oaks");  // a figure has no case to follow
    EXPECT_EQ(abbreviate("twenty-four", En, 5), "24");
}

TEST(Nicknames, AShortFormMeetsEveryNameItStandsFor)
{
    const Pair same[] = {
        {It, Kind::Forename, "Gigi", "Luigi"},      {It, Kind::Forename, "Gigi", "Pierluigi"},
        {En, Kind::Forename, "Sasha", "Alexander"}, {En, Kind::Forename, "Sasha", "Alexandra"},
        {Fr, Kind::Forename, "Lulu", "Louise"},     {Fr, Kind::Forename, "Lulu", "Lucienne"},
        {De, Kind::Forename, "Sascha", "Alexander"}, {De, Kind::Forename, "Sascha", "Alexandra"},
        {Es, Kind::Forename, "Toni", "Antonio"},    {Es, Kind::Forename, "Toni", "Antonia"},
        {En, Kind::Forename, "Bill", "William"},    {Es, Kind::Forename, "Paco", "Francisco"},
        // Without the forename step too: the key of the short form meets the name's.
        {It, Kind::Surname, "Gigi Ferrucci", "Pierluigi Ferrucci"},
    };
    expectSame(same, std::size(same), 85);
    // The names a short form stands for stay different names.
    const Pair apart[] = {
        {It, Kind::Forename, "Luigi", "Pierluigi"},
        {En, Kind::Forename, "Alexander", "Alexandra"},
    };
    expectApart(apart, std::size(apart), 70);
    // Normalise cannot choose between them, so it leaves the short form as written.
    EXPECT_EQ(normalise("Gigi Ferrucci", It, 12), "Gigi Ferrucci");
    EXPECT_EQ(elaborate("Gigi", It, 12), "Gigi");
    EXPECT_EQ(normalise("Bill", En, 12), "William");
}

TEST(GenderedForenames, AManAndAWomanStayApartWhileSpellingsMeet)
{
    const Pair apart[] = {
        {Fr, Kind::Forename, "Justin", "Justine"},  {Fr, Kind::Forename, "Julien", "Julienne"},
        {Fr, Kind::Forename, "Marcel", "Marcelle"}, {Fr, Kind::Forename, "Daniel", "Danielle"},
        {Fr, Kind::Forename, "Ren\xE9", "Ren\xE9\x65"}, {En, Kind::Forename, "Justin", "Justine"},
        {En, Kind::Forename, "Francis", "Frances"}, {En, Kind::Forename, "Carl", "Carla"},
        {It, Kind::Forename, "Roberto", "Roberta"}, {Es, Kind::Forename, "Juan", "Juana"},
        {De, Kind::Forename, "Paul", "Paula"},      {De, Kind::Forename, "Christian", "Christiane"},
        {It, Kind::Surname, "Roberto Ferrucci", "Roberta Ferrucci"},
    };
    expectApart(apart, std::size(apart), 70);
    const Pair same[] = {
        {En, Kind::Forename, "Cathrine", "Catherine"}, {Fr, Kind::Forename, "Melanie", "M\xE9lanie"},
        {Fr, Kind::Forename, "Mich\xE8le", "Michelle"},  {De, Kind::Forename, "J\xFCrgen", "Juergen"},
    };
    expectSame(same, std::size(same), 85);
    // A French name typed without its accents keys as with them.
    const char *const accents[][2] = {
        {"Chloe", "Chlo\xE9"}, {"Noemie", "No\xE9mie"}, {"Andre", "Andr\xE9"}, {"Zoe", "Zo\xE9"}, {"Helene", "H\xE9l\xE8ne"},
    };
    for (const auto &a : accents)
        EXPECT_EQ(phk(a[0], Fr), phk(a[1], Fr)) << a[0];
}

TEST(BusinessWords, TradesAndInstitutionsTellCompaniesApart)
{
    const struct {
        int lang;
        const char *in, *out;
    } excluded[] = {
        {Es, "Transportes Garc\xEDo S.L.", "Transportes Garc\xEDo"},
        {Es, "Seguros Garc\xEDo S.L.", "Seguros Garc\xEDo"},
        {It, "Trasp. Rossetti S.r.l.", "Trasporti Rossetti"},  // kept, and written out
        {It, "Fratelli Rossetti S.p.A.", "Rossetti"},
        {De, "Geb. Hallbrecht GmbH", "Hallbrecht"},
        {En, "Kestrel Insurance Ltd", "Kestrel Insurance"},
        {En, "Holdings Ltd", "Holdings Ltd"},  // nothing but business words: nothing goes
    };
    for (const auto &c : excluded)
        EXPECT_EQ(exclude(c.in, c.lang, 1), c.out) << c.in;
    const Pair apart[] = {
        {Es, Kind::Company, "Transportes Montalbo S.L.", "Seguros Montalbo S.L."},
        {It, Kind::Company, "Trasporti Rivalta S.r.l.", "Assicurazioni Rivalta S.r.l."},
        {En, Kind::Company, "Maplecroft Transport Ltd", "Maplecroft Insurance Ltd"},
        {De, Kind::Company, "Spedition Lindholm GmbH", "Versicherung Lindholm GmbH"},
        {Fr, Kind::Company, "Transports Belvaux SARL", "Assurances Belvaux SARL"},
        {It, Kind::Company, "Comune di Rivalta", "Provincia di Rivalta"},
    };
    expectApart(apart, std::size(apart), 70);
    const Pair same[] = {
        {Es, Kind::Company, "Transportes Montalbo S.L.", "Montalbo Transportes"},
        {It, Kind::Company, "Fratelli Rossetti S.p.A.", "F.lli Rossetti"},
    };
    expectSame(same, std::size(same), 85);
}

}  // namespace
