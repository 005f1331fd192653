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

    // Every word a word stands in a relation to, for the side that is scored
    // against many: one lookup per word instead of one per pair of words.
    struct Partner {
        std::uint64_t word;
        Relation relation;
        char first;  // the partner's first folded letter
    };
    struct Partners {
        const Partner *first = nullptr;
        int count = 0;
        std::uint64_t bloom = 0;       // one bit per partner, by the low bits of its hash
        std::uint32_t firstLetters = 0;  // one bit per first letter of a partner
        // Whether a word starting with this folded letter may be a partner.
        bool mayHold(char first) const { return (firstLetters >> letterBit(first)) & 1u; }
        Relation find(std::uint64_t word) const
        {
            if (word == 0 || !((bloom >> (word & 63)) & 1u))
                return Relation::None;
            for (int i = 0; i < count; ++i)
                if (first[i].word == word)
                    return first[i].relation;
            return Relation::None;
        }
    };
    Partners partnersOf(std::uint64_t word) const;
    static int letterBit(char c) { return c >= 'a' && c <= 'z' ? c - 'a' : 26; }
    // Called once all pairs are in.
    void index();

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

    std::vector<std::pair<std::uint64_t, std::uint64_t>> pairs_;  // as added, for the index
    std::vector<std::pair<char, char>> pairFirsts_;                // their first letters
    std::vector<Partner> partners_;                               // grouped by word
    struct Slot {
        std::uint64_t word = 0;  // 0: empty
        std::uint32_t first = 0, count = 0;
        std::uint64_t bloom = 0;
        std::uint32_t firstLetters = 0;
    };
    std::vector<Slot> partnerSlots_;  // open addressing: one cache line per lookup
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
