#pragma once
// One encoder per language, all behind the same encode signature so the key
// builder never needs to know which language it is working in.
#include "text/Language.h"

namespace veskor::phonetic {

// Longest word an encoder looks at; longer words are cut (names never get near it).
inline constexpr int kMaxWordLetters = 48;
// Longest key an encoder writes for one word (rules expand at most 3x).
inline constexpr int kMaxWordKey = 3 * kMaxWordLetters;

class Encoder {
public:
    virtual ~Encoder() = default;
    // Key of one word made of Windows-1252 letters only (no digits, no
    // separators). Writes at most kMaxWordKey upper-case ASCII letters into
    // out, no terminator; returns how many. A word that goes on (written cut
    // short, "Gymn.") is no word end: end-of-word rules do not fire, so its key
    // stays the start of the full word's key.
    virtual int encode(const unsigned char *word, int length, char *out, bool goesOn) const = 0;
};

const Encoder &encoderFor(Lang lang);

}  // namespace veskor::phonetic
