// The word-group exports against entries the shipped dictionaries hold, in
// each language, so that embedding, encoding and lookup work end to end.
#include "CallHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace veskor_test;

constexpr int En = 1, Fr = 2, De = 3, It = 4, Es = 5;
constexpr int Thoroughfares = 0, Business = 1, Countries = 2, Localities = 9, Forenames = 12;

TEST(ShippedWordGroups, Table)
{
    const struct {
        std::string (*method)(const std::string &, int, int);
        const char *text;
        int lang, group;
        const char *expected;
    } cases[] = {
        {exclude, "Harwell Ltd.", En, Business, "Harwell"},
        {exclude, "HARWELL LIMITED, Brackton", En, Business, "HARWELL, Brackton"},
        {abbreviate, "Harwell Trading Limited", En, Business, "Harwell Trading Ltd"},
        {normalise, "Harwell Trading ltd", En, Business, "Harwell Trading limited"},
        {elaborate, "12 High St.", En, Thoroughfares, "12 High Street"},
        {elaborate, "12 HIGH ST", En, Thoroughfares, "12 HIGH STREET"},
        {abbreviate, "12 High Street", En, Thoroughfares, "12 High St"},
        {normalise, "Bill Ashgrove", En, Forenames, "William Ashgrove"},
        {normalise, "BILL ASHGROVE", En, Forenames, "WILLIAM ASHGROVE"},
        {exclude, "Quillon Ostwald GmbH", De, Business, "Quillon Ostwald"},
        {normalise, "Quillon Handel GmbH", De, Business, "Quillon Handel Gesellschaft mit beschr\xE4nkter Haftung"},
        {abbreviate, "Quillon gesellschaft mit beschr\xE4nkter haftung", De, Business, "Quillon GmbH"},
        {elaborate, "Hauptstr. 4", De, Thoroughfares, "Hauptstra\xDF" "e 4"},
        {elaborate, "Linden Str. 4", De, Thoroughfares, "Linden Stra\xDF" "e 4"},
        {elaborate, "12 R. des Lilas", Fr, Thoroughfares, "12 Rue des Lilas"},
        {exclude, "Ferrovie Brune S.p.A.", It, Business, "Ferrovie Brune"},
        {exclude, "Ferrovie Brune SPA", It, Business, "Ferrovie Brune"},
        {elaborate, "C/ Mayor 5", Es, Thoroughfares, "Calle Mayor 5"},
        {elaborate, "C/Mayor 5", Es, Thoroughfares, "Calle Mayor 5"},
        // Country codes and compass letters are everyday words in lower case.
        {normalise, "Berlin, DE", En, Countries, "Berlin, Germany"},
        {normalise, "12 Calle de la Paz", Es, Countries, "12 Calle de la Paz"},
        {normalise, "Rock and Roll it is", En, Countries, "Rock and Roll it is"},
        // In an address written all in capitals a code counts only as its last word.
        {normalise, "12 RUE DE LA PAIX", Fr, Countries, "12 RUE DE LA PAIX"},
        {normalise, "12 RUE DE LA PAIX, PARIS, FR", Fr, Countries, "12 RUE DE LA PAIX, PARIS, FRANCE"},
        {normalise, "CALLE MAYOR 7, MADRID ES.", Es, Countries, "CALLE MAYOR 7, MADRID ESPA\xD1" "A"},  // the full stop goes with the code
        {normalise, "Juan o Pedro no se", Es, Localities, "Juan o Pedro no se"},
        {normalise, "Harwell Ltd", En, 3, "Harwell Ltd"},  // no such group
        {normalise, "Harwell Ltd", En, -4, "Harwell Ltd"},
        {normalise, "  Harwell   Ltd ", En, 99, "Harwell Ltd"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.method(c.text, c.lang, c.group), c.expected) << c.text << " lang " << c.lang << " group " << c.group;
}

}  // namespace
