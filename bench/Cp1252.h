#pragma once
// The pair files are UTF-8; the engine reads Windows-1252.
#include <string>
#include <string_view>

namespace bench {

// Characters Windows-1252 cannot hold become '?'.
std::string toCp1252(std::string_view utf8);

// Back to UTF-8, for printing.
std::string toUtf8(std::string_view cp1252);

}  // namespace bench
