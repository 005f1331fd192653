#pragma once
// A text split into words for scoring: each word folded to lower-case ASCII
// (accents off, ß as ss) next to where its original bytes are.
#include "match/EditDistance.h"
#include "match/Relations.h"

namespace veskor::match {

inline constexpr int kMaxTextBytes = 1024;  // the rest of a longer text is not compared
inline constexpr int kMaxWords = 32;

struct Word {
    short folded;  // offset into Words::folded
    short length;  // folded length, 1..kMaxWordChars
    short raw;     // offset into the original text
    short rawLength;
    bool numeric;  // digits only: compared as a number, not spelled
    // Written cut short (a full stop right after it): it may be the start of
    // the other side's word ("Gymn." / "Gymnasium").
    bool truncated;
};

struct Words {
    int count = 0;
    int foldedLength = 0;  // the words' folded letters lie back to back
    bool hasDigits = false;
    Word word[kMaxWords];
    char folded[2 * kMaxTextBytes];
};

// Splits text (at most kMaxTextBytes bytes of it) into words.
void splitWords(const char *text, Words &out);

// Pattern masks for every word, for the side that is scored against many.
struct PreparedWords {
    Words words;
    PatternMasks masks[kMaxWords];
    // All words run together, for texts that split a name differently
    // (Gian Luca / Gianluca); only when short enough for one mask.
    PatternMasks joined;
    // What the forename relations know of each word; related: any of them has partners.
    Relations::Partners partners[kMaxWords];
    const Relations *related = nullptr;
};

void prepare(const char *text, const Relations &relations, PreparedWords &out);

}  // namespace veskor::match
