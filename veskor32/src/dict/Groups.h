#pragma once
// Element-group codes and the dictionary file that holds each group.
// Shared by the library and the build-time generator that embeds the files.
#include <string_view>

namespace veskor::dict {

struct GroupFile {
    int code;
    std::string_view file;  // base name under dictionaries/<lang>/
    bool gendered;          // lines may start with an "M ", "F " or "U " tag
    // Codes in capitals ("DE", "IT", "NO") match only as the text's last word:
    // a country ends an address, while the same letters inside it are words
    // ("12 RUE DE LA PAIX").
    bool codesEndText = false;
    // Normalise writes the short form (numbers: "five" -> "5").
    bool normalisesToShort = false;
};

inline constexpr GroupFile kGroupFiles[] = {
    {12, "forenames", true},   {7, "titles", true},       {6, "suffixes", false},
    {4, "occupations", false}, {5, "numbering", false, false, true},   {1, "business", false},
    {0, "thoroughfares", false}, {8, "buildings", false}, {9, "localities", false},
    {2, "countries", false, true},
};

inline constexpr int kMaxGroupCode = 12;

inline constexpr std::string_view kLangFolders[] = {"en", "fr", "de", "it", "es"};

constexpr const GroupFile *groupByCode(int code)
{
    for (const auto &g : kGroupFiles)
        if (g.code == code)
            return &g;
    return nullptr;
}

}  // namespace veskor::dict
