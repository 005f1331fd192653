#pragma once
#include <string>

namespace bench {

// Share of the forenames in gender_<lang>.tsv that Gender gets right; -1 when
// the file is missing. Prints the misses.
double genderAccuracy(const std::string &pairsDir, int lang, int *total);

}  // namespace bench
