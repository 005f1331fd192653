// PatternMatch through the C export.
#include "CallHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace veskor_test;

constexpr int Company = 0, Contact = 1, Email = 2, Web = 3;
constexpr int En = 1, De = 3, It = 4;

TEST(PatternMatch, Table)
{
    const struct {
        const char *text;
        int lang, pattern, expected;
    } cases[] = {
        {"Harwell Trading Ltd", En, Company, -1},
        {"Harwell Trading Limited", En, Company, -1},
        {"Quillon Handel GmbH", De, Company, -1},
        {"Quillon Handel GmbH", En, Company, -1},  // a foreign legal form still marks a company
        {"Ferrovie Brune S.p.A.", It, Company, -1},
        {"William Ashgrove", En, Company, 0},
        {"Bill & Elise Ashgrove", En, Company, 0},  // "&" alone joins people as well as firms
        {"", En, Company, 0},

        {"Mr Ashgrove", En, Contact, -1},
        {"William Ashgrove", En, Contact, -1},
        {"Ashgrove, William", En, Contact, -1},
        {"Harwell Trading Ltd", En, Contact, 0},
        {"William Ashgrove 12", En, Contact, 0},
        {"William", En, Contact, 0},
        {"Zqxwv Plomb", En, Contact, 0},
        {"bill@tarnwick-demo.example", En, Contact, 0},

        {"bill.ashgrove@tarnwick-demo.example", En, Email, -1},
        {"  Bill_Ashgrove+news@mail.tarnwick.co.uk ", En, Email, -1},
        {"bill@tarnwick", En, Email, 0},
        {"bill@@tarnwick.example", En, Email, 0},
        {"bill@tarn@wick.example", En, Email, 0},
        {".bill@tarnwick.example", En, Email, 0},
        {"bi..ll@tarnwick.example", En, Email, 0},
        {"bill ashgrove@tarnwick.example", En, Email, 0},
        {"bill@tarnwick.example x", En, Email, 0},
        {"bill@-tarnwick.example", En, Email, 0},
        {"@tarnwick.example", En, Email, 0},
        {"bill@tarnwick.c0m", En, Email, 0},

        {"tarnwick-demo.example", En, Web, -1},
        {"www.foo.co.uk", En, Web, -1},
        {"https://x.de/path", En, Web, -1},
        {"HTTP://Tarnwick.Example:8080/a?b=c", En, Web, -1},
        {" www.tarnwick.info ", En, Web, -1},
        {"J.Ashgrove", En, Web, 0},  // no known domain ending
        {"www.tarn wick.com", En, Web, 0},
        {"bill@tarnwick.com", En, Web, 0},
        {"https://", En, Web, 0},
        {"tarnwick", En, Web, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pattern(c.text, c.lang, c.pattern), c.expected) << c.text << " pattern " << c.pattern;
}

}  // namespace
