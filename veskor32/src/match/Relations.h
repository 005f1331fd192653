#pragma once
// What the forename dictionaries know about pairs of key words, for scoring:
// a nickname and the names it stands for are one name ("Gigi" with Luigi and
// with Pierluigi, "Bill" with William), and a man's and a woman's forename
// that look alike are two people (Justin / Justine, Roberto / Roberta). Built
// once from the five languages' forename groups, keyed on the phonetic keys
// GeneratePHK writes for them; read-only afterwards.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veskor::match {

enum class Relation : std::uint8_t { None, SameName, OtherGender };

class Relations {
public:
    // Hash of a folded word (lower-case ASCII key letters), as words are looked up.
    static std::uint64_t hashOf(const char *folded, int length);

    // Whether the word may take part in any pair, from its length and its
    // first and last letters: most words do not, and this spares them the
    // hash and the pair lookup.
    bool mayRelate(const char *folded, int length) const
    {
        const std::uint32_t bit = signature(folded, length);
        return (filter_[bit / 64] >> (bit % 64)) & 1u;
    }
    Relation between(std::uint64_t a, std::uint64_t b) const;

    // Words given by their folded letters.
    void add(const std::string &a, const std::string &b, Relation r);

private:
    static constexpr std::uint32_t kFilterBits = 1 << 16;
    static std::uint32_t signature(const char *folded, int length)
    {
        const auto first = static_cast<unsigned char>(folded[0]), last = static_cast<unsigned char>(folded[length - 1]);
        return ((first * 37u + last) * 64u + static_cast<std::uint32_t>(length < 63 ? length : 63)) % kFilterBits;
    }
    static std::uint64_t pairKey(std::uint64_t a, std::uint64_t b);
    void grow();

    std::vector<std::uint64_t> keys_;  // 0: empty slot
    std::vector<Relation> values_;
    size_t used_ = 0;
    std::vector<std::uint64_t> filter_ = std::vector<std::uint64_t>(kFilterBits / 64);
};

// The table, built on first use; null while the dictionaries hold no forenames.
const Relations &relations();

// Frees the table; the next call builds it again.
void releaseRelations();

}  // namespace veskor::match
