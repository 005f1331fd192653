#pragma once
// The four word-group methods over one dictionary.
#include "dict/Dictionary.h"
#include "text/Writer.h"

namespace veskor::cleanse {

enum class Method { Abbreviate, Elaborate, Exclude, Normalise };

// Rewrites text into out: each phrase of the dictionary (longest first) is
// replaced or removed as the method says; everything else is copied, with
// whitespace tidied.
void applyMethod(const dict::Dictionary &dictionary, Method method, const text::Byte *s, size_t len,
                 text::Writer &out);

}  // namespace veskor::cleanse
