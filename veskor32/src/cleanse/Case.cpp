#include "cleanse/Case.h"

#include "text/Tokens.h"

namespace veskor::cleanse {

using text::Byte;

namespace {

// Capital after an apostrophe only when a real word follows ("O'Brien",
// "Dell'Orto"), not for a clitic ("John's").
bool startsNamePart(const Byte *s, size_t len, size_t i)
{
    if (i == 0 || !text::isApostrophe(s[i - 1]))
        return i == 0 || !text::isAlnum(s[i - 1]);
    return i + 1 < len && text::isLetter(s[i + 1]);
}

bool hasInnerCapital(std::string_view form)
{
    bool inWord = false;
    for (char ch : form) {
        const auto c = static_cast<Byte>(ch);
        if (text::isLetter(c)) {
            if (inWord && text::toLower(c) != c)
                return true;
            inWord = true;
        } else if (text::isSpace(c) || c == '-') {
            inWord = false;
        }
    }
    return false;
}

// Generation numbers after a name stay in capitals ("Smith III").
bool isRomanSuffix(const Byte *s, size_t len, size_t begin)
{
    size_t end = begin;
    while (end < len && text::isAlnum(s[end]))
        ++end;
    if (begin > 0 && text::isAlnum(s[begin - 1]))
        return false;
    char word[5] = {};
    if (end - begin < 2 || end - begin > 4)
        return false;
    for (size_t i = begin; i < end; ++i)
        word[i - begin] = static_cast<char>(text::toUpper(s[i]));
    for (std::string_view r : {"II", "III", "IV", "VI", "VII", "VIII", "IX"})
        if (r == word)
            return true;
    return false;
}

}  // namespace

void applyCase(const Byte *s, size_t len, int style, text::Writer &out)
{
    bool roman = false;
    for (size_t i = 0; i < len && !out.full(); ++i) {
        const Byte c = s[i];
        switch (style) {
        case static_cast<int>(CaseStyle::Mixed):
            if (!text::isAlnum(c))
                roman = false;
            else if (i == 0 || !text::isAlnum(s[i - 1]))
                roman = i > 0 && isRomanSuffix(s, len, i);
            out.put(roman || startsNamePart(s, len, i) ? text::toUpper(c) : text::toLower(c));
            break;
        case static_cast<int>(CaseStyle::Lower):
            out.put(text::toLower(c));
            break;
        case static_cast<int>(CaseStyle::Upper):
            out.put(text::toUpper(c));
            break;
        default:
            out.put(c);
        }
    }
}

SourceCase caseOf(const Byte *src, size_t srcLen)
{
    int upper = 0, lower = 0;
    Byte first = 0;
    for (size_t i = 0; i < srcLen; ++i) {
        if (!text::isLetter(src[i]))
            continue;
        if (!first)
            first = src[i];
        lower += text::toUpper(src[i]) != src[i];
        upper += text::toLower(src[i]) != src[i];
    }
    // "Nº" or "C/" is capitalised, not all capitals: one cased letter says little.
    if (upper >= 2 && lower == 0)
        return SourceCase::AllCaps;
    return first && text::toLower(first) != first ? SourceCase::Capitalised : SourceCase::Lower;
}

void putInCase(std::string_view form, SourceCase sourceCase, text::Writer &out)
{
    const bool keepForm = sourceCase == SourceCase::Lower && hasInnerCapital(form);
    bool firstLetterDone = false;
    for (char ch : form) {
        auto c = static_cast<Byte>(ch);
        if (sourceCase == SourceCase::AllCaps)
            c = text::toUpper(c);
        else if (sourceCase == SourceCase::Capitalised && !firstLetterDone && text::isLetter(c))
            c = text::toUpper(c);
        else if (sourceCase == SourceCase::Lower && !keepForm)
            c = text::toLower(c);
        if (text::isLetter(c))
            firstLetterDone = true;
        out.put(c);
    }
}

}  // namespace veskor::cleanse
