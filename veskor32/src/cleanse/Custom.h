#pragma once
// User-defined cleansing: replace a text, or cut out a delimited span.
#include "text/Writer.h"

#include <cstddef>
#include <string_view>

namespace veskor::cleanse {

// Every occurrence of from becomes to (whole words only when distinctWords).
// An empty from leaves the text as it is; whitespace is tidied.
void customTransform(std::string_view text, std::string_view from, std::string_view to, bool distinctWords,
                     bool caseInsensitive, text::Writer &out);

// Removes each span from open to the next close (to the end of the text when
// close is empty or absent), delimiters included unless keepDelimiters.
void customExclude(std::string_view text, std::string_view open, std::string_view close, bool keepDelimiters,
                   text::Writer &out);

}  // namespace veskor::cleanse
