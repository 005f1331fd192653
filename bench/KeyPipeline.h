#pragma once
// The product's key derivation per kind of text, through the public exports:
// the cleansing word groups first, then the phonetic key.
#include <string>

namespace bench {

std::string productKey(const std::string &kind, const std::string &text, int lang);

int matchIt(const std::string &a, const std::string &b);

}  // namespace bench
