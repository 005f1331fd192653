#pragma once
// Plain Jaro-Winkler on whole texts: the baseline the engine's keys must beat.
#include <string_view>

namespace bench {

// 0..1, byte for byte (no folding of case or accents).
double jaroWinkler(std::string_view a, std::string_view b);

}  // namespace bench
