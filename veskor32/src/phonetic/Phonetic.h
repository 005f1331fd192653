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
int generateKey(const char *text, Lang lang, KeyOptions options, char *out, int capacity);

// Drops anything cached; called by Finish.
void release();

}  // namespace veskor::phonetic
