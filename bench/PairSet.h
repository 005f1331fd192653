#pragma once
// The labelled pairs of one language: kind, label, text1, text2 (texts already
// converted to Windows-1252 for the engine).
#include <string>
#include <vector>

namespace bench {

struct Pair {
    std::string kind;
    bool same = false;
    std::string text1, text2;
};

inline constexpr const char *kKinds[] = {"forenames", "surnames", "names", "companies", "addresses"};
inline constexpr const char *kLangFolders[] = {"en", "fr", "de", "it", "es"};

// Lines starting with '#' and malformed lines are skipped (and counted in *skipped).
std::vector<Pair> loadPairs(const std::string &path, int *skipped);

// Two tab-separated columns per line (gender files: name, M/F).
std::vector<std::pair<std::string, std::string>> loadColumns(const std::string &path);

}  // namespace bench
