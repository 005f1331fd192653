#pragma once
// Phonetic keys: one encoder per language behind one entry point.
#include "text/Language.h"

namespace veskor::phonetic {

struct KeyOptions {
    bool deleteVowels = false;
    bool removeNumbers = false;
    bool removeInitials = false;
    bool compact = false;
};

// Key of a NUL-terminated Windows-1252 text, written into out (at most
// capacity characters plus NUL; capacity >= 0). Returns the length written.
// Numbers key as their figures, whether written as digits, words or Roman
// numerals. A word written cut short (a full stop after it, or a short word
// without vowels such as "Bgm") keeps a full stop after its key word, so that
// scoring can take it for the start of the other side's word.
int generateKey(const char *text, Lang lang, KeyOptions options, char *out, int capacity);

// The key as the spelling-to-sound rules give it, without the marks that keep
// a woman's forename apart from a man's that sounds the same.
int generatePlainKey(const char *text, Lang lang, char *out, int capacity);

// Drops anything cached; called by Finish.
void release();

}  // namespace veskor::phonetic
