#pragma once
#include "text/Writer.h"

#include <cstddef>
#include <string_view>

namespace veskor::cleanse {

enum class CaseStyle { Mixed = 0, Lower = 1, Upper = 2 };

// Re-cases text into out; style values other than 0..2 copy the text as it is.
void applyCase(const text::Byte *s, size_t len, int style, text::Writer &out);

// How a replaced text is written: all capitals (two cased letters or more,
// none lower case), capitalised (first letter a capital), or lower case.
enum class SourceCase { AllCaps, Capitalised, Lower };
SourceCase caseOf(const text::Byte *src, size_t srcLen);

// Writes a dictionary form in the case of the text it replaces: all capitals
// stay all capitals, capitalised gives the form with a capital first letter,
// lower case gives lower case unless the form has capitals inside a word ("GmbH").
void putInCase(std::string_view form, SourceCase sourceCase, text::Writer &out);

}  // namespace veskor::cleanse
