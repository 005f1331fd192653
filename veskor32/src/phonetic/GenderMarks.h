#pragma once
// Women's forenames that sound exactly like a man's name of the same language
// (French Danielle / Daniel, English Frances / Francis, René / Renée): their
// keys get a mark so that the two people never share a key. Built once per
// language from the forename dictionary (its gender tags), then only read.
#include <cstdint>

#include "text/Language.h"

namespace veskor::phonetic {

// The letter appended to a marked key word.
inline constexpr char kFeminineMark = 'E';

// Whether the folded word (lower-case ASCII, as dict::Dictionary keys it) is a
// marked woman's name in this language.
bool isMarkedFeminine(Lang lang, const char *folded, int length);

// Hash of a folded word, as the marks are stored.
std::uint64_t foldedHash(const char *folded, int length);

// Drops the marks; the next lookup builds them again.
void releaseGenderMarks();

}  // namespace veskor::phonetic
