#include "detect/Pattern.h"

#include "detect/Groups.h"
#include "dict/Lookup.h"
#include "text/Tokens.h"

#include <string_view>

namespace veskor::detect {

namespace {

using text::Byte;
using text::TokenKind;

std::string_view trimmed(const Byte *s, size_t len)
{
    size_t b = 0, e = len;
    while (b < e && text::isSpace(s[b]))
        ++b;
    while (e > b && text::isSpace(s[e - 1]))
        --e;
    return {reinterpret_cast<const char *>(s) + b, e - b};
}

bool asciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool asciiAlnum(char c) { return asciiAlpha(c) || (c >= '0' && c <= '9'); }
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Host name: dot-separated labels of letters, digits and inner hyphens, at
// least two, the last one (the top-level domain) letters only, 2..24 long.
bool validHost(std::string_view host, std::string_view *tld = nullptr)
{
    if (host.empty() || host.size() > 253)
        return false;
    int labels = 0;
    std::string_view last;
    for (size_t b = 0; b <= host.size();) {
        size_t e = host.find('.', b);
        if (e == std::string_view::npos)
            e = host.size();
        const std::string_view label = host.substr(b, e - b);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return false;
        for (char c : label)
            if (!asciiAlnum(c) && c != '-')
                return false;
        ++labels;
        last = label;
        b = e + 1;
    }
    if (labels < 2 || last.size() < 2 || last.size() > 24)
        return false;
    for (char c : last)
        if (!asciiAlpha(c))
            return false;
    if (tld)
        *tld = last;
    return true;
}

// Top-level domains a bare "name.tld" (no scheme, no "www.") must end in, so
// that "J.Smith" or "Co.Ltd" are not taken for web sites.
bool knownTld(std::string_view tld)
{
    static constexpr std::string_view kTlds[] = {
        "com", "net", "org", "info", "biz", "edu", "gov", "int", "mil", "eu", "uk", "ie", "fr", "de",
        "it", "es", "pt", "nl", "be", "lu", "ch", "at", "dk", "se", "no", "fi", "pl", "cz", "us", "ca",
        "au", "nz", "io", "co", "me", "tv", "app", "dev", "shop", "online", "site", "example", "test",
        "cat", "eus", "gal", "bzh", "swiss", "berlin", "paris", "london", "museum", "travel", "pro",
    };
    char lower[25] = {};
    for (size_t i = 0; i < tld.size() && i < 24; ++i)
        lower[i] = lowerAscii(tld[i]);
    const std::string_view l(lower, tld.size());
    for (std::string_view k : kTlds)
        if (k == l)
            return true;
    return false;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (lowerAscii(s[i]) != prefix[i])
            return false;
    return true;
}

// The "&"/"and" entry joins two people as easily as two partners' firm names,
// so it does not make a text a company.
bool isConjunction(const dict::Dictionary &d, const dict::Entry *e) { return e && d.lookupKey("&") == e; }

bool hasBusinessWord(const Byte *s, size_t len, Lang lang)
{
    for (size_t pos = 0;;) {
        const text::Token t = text::nextToken(s, len, pos);
        if (t.kind == TokenKind::End)
            return false;
        pos = t.end;
        if (t.kind != TokenKind::Word && t.kind != TokenKind::Symbol)
            continue;
        const dict::Found f = dict::lookupAcross(kBusinessGroup, lang, s, len, t.begin);
        if (!f.found)
            continue;
        bool conjunction = false;
        for (int code = 1; code <= 5 && !conjunction; ++code)
            conjunction = isConjunction(dict::dictionary(langFrom(code), kBusinessGroup), f.match.entry);
        if (conjunction)
            continue;
        return true;
    }
}

bool nameCharacter(Byte c)
{
    return text::isLetter(c) || text::isSpace(c) || c == '.' || c == ',' || c == '-' || c == '&'
        || text::isApostrophe(c);
}

bool looksLikeContact(const Byte *s, size_t len, Lang lang)
{
    for (size_t i = 0; i < len; ++i)
        if (!nameCharacter(s[i]))
            return false;  // digits, "@", "/" ...: not a person's name
    if (hasBusinessWord(s, len, lang))
        return false;
    bool title = false, forename = false;
    int otherWords = 0;
    for (size_t pos = 0;;) {
        const text::Token t = text::nextToken(s, len, pos);
        if (t.kind == TokenKind::End)
            break;
        pos = t.end;
        if (t.kind != TokenKind::Word)
            continue;
        if (const dict::Found f = dict::lookupAcross(kTitleGroup, lang, s, len, t.begin); f.found) {
            title = true;
            pos = f.match.endDot;
            continue;
        }
        if (const dict::Found f = dict::lookupAcross(kForenameGroup, lang, s, len, t.begin); f.found && !forename) {
            forename = true;
            pos = f.match.end;
            continue;
        }
        // A surname-like word: two letters or more.
        int letters = 0;
        for (size_t i = t.begin; i < t.end; ++i)
            letters += text::isLetter(s[i]);
        if (letters >= 2)
            ++otherWords;
    }
    return (title && (otherWords > 0 || forename)) || (forename && otherWords > 0);
}

}  // namespace

bool isEmailAddress(const Byte *s, size_t len)
{
    const std::string_view t = trimmed(s, len);
    const size_t at = t.find('@');
    if (at == std::string_view::npos || t.find('@', at + 1) != std::string_view::npos || t.size() > 254)
        return false;
    const std::string_view local = t.substr(0, at), domain = t.substr(at + 1);
    if (local.empty() || local.size() > 64 || local.front() == '.' || local.back() == '.'
        || local.find("..") != std::string_view::npos)
        return false;
    static constexpr std::string_view kLocalExtras = "!#$%&'*+/=?^_`{|}~.-";
    for (char c : local)
        if (!asciiAlnum(c) && kLocalExtras.find(c) == std::string_view::npos)
            return false;
    return validHost(domain);
}

bool isWebSite(const Byte *s, size_t len)
{
    std::string_view t = trimmed(s, len);
    bool explicitSite = false;
    for (std::string_view scheme : {std::string_view("https://"), std::string_view("http://")}) {
        if (startsWithNoCase(t, scheme)) {
            t.remove_prefix(scheme.size());
            explicitSite = true;
            break;
        }
    }
    if (startsWithNoCase(t, "www."))
        explicitSite = true;
    for (char c : t)
        if (static_cast<Byte>(c) <= ' ' || c == 0x7F || static_cast<Byte>(c) == 0xA0 || c == '@')
            return false;
    const size_t hostEnd = t.find_first_of("/?#:");
    std::string_view host = t.substr(0, hostEnd);
    if (!host.empty() && host.back() == '.')
        host.remove_suffix(1);  // fully qualified "example.com."
    if (hostEnd != std::string_view::npos && t[hostEnd] == ':') {
        size_t p = hostEnd + 1, digits = 0;
        while (p < t.size() && t[p] >= '0' && t[p] <= '9')
            ++p, ++digits;
        if (digits == 0 || digits > 5 || (p < t.size() && t.find_first_of("/?#", p) != p))
            return false;
    }
    std::string_view tld;
    if (!validHost(host, &tld))
        return false;
    return explicitSite || knownTld(tld);
}

bool hasPattern(const Byte *s, size_t len, Lang lang, int pattern)
{
    switch (pattern) {
    case static_cast<int>(Pattern::Company):
        return hasBusinessWord(s, len, lang);
    case static_cast<int>(Pattern::Contact):
        return looksLikeContact(s, len, lang);
    case static_cast<int>(Pattern::Email):
        return isEmailAddress(s, len);
    case static_cast<int>(Pattern::WebSite):
        return isWebSite(s, len);
    default:
        return false;
    }
}

}  // namespace veskor::detect
