#pragma once
// Splitting a Windows-1252 text into words and symbols, and folding a word to
// the key the dictionaries are looked up by. Used for the dictionary entries
// and for the texts alike, so both sides agree on what a word is.
#include "text/Charset.h"

#include <cstddef>

namespace veskor::text {

enum class TokenKind : unsigned char {
    End,     // nothing left
    Word,    // letters and digits, with full stops and apostrophes inside ("S.p.A", "O'Brien")
    Dot,     // a full stop that is not inside a word
    Hyphen,  // joins words; ignored when matching phrases
    Symbol,  // any other single character ("&", "/", ",")
};

struct Token {
    size_t begin = 0;
    size_t end = 0;
    TokenKind kind = TokenKind::End;
};

constexpr bool isApostrophe(Byte c) { return c == '\'' || c == 0x92 || c == 0x91 || c == 0xB4 || c == '`'; }

// Next token at or after pos (whitespace skipped).
constexpr Token nextToken(const Byte *s, size_t len, size_t pos)
{
    while (pos < len && isSpace(s[pos]))
        ++pos;
    Token t{pos, pos, TokenKind::End};
    if (pos >= len)
        return t;
    const Byte c = s[pos];
    if (isAlnum(c)) {
        size_t e = pos + 1;
        while (e < len) {
            if (isAlnum(s[e]))
                ++e;
            else if ((s[e] == '.' || isApostrophe(s[e])) && e + 1 < len && isAlnum(s[e + 1]))
                e += 2;
            else
                break;
        }
        t.end = e;
        t.kind = TokenKind::Word;
        return t;
    }
    t.end = pos + 1;
    t.kind = c == '.' ? TokenKind::Dot : c == '-' ? TokenKind::Hyphen : TokenKind::Symbol;
    return t;
}

// Appends the folded form of s[b, e) to key (lower-case base letters, digits,
// no full stops, one apostrophe form). Returns the new length, or -1 when the
// key would exceed cap.
constexpr int appendFolded(const Byte *s, size_t b, size_t e, char *key, int keyLen, int cap)
{
    for (size_t i = b; i < e; ++i) {
        const Byte c = s[i];
        Byte out[2] = {c, 0};
        if (isLetter(c)) {
            out[0] = foldBase(c);
            out[1] = foldSecond(c);
        } else if (c == '.') {
            continue;
        } else if (isApostrophe(c)) {
            out[0] = '\'';
        }
        for (Byte o : out) {
            if (!o)
                continue;
            if (keyLen >= cap)
                return -1;
            key[keyLen++] = static_cast<char>(o);
        }
    }
    return keyLen;
}

}  // namespace veskor::text
