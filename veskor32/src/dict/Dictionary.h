#pragma once
// One word group of one language, parsed once into a compact lookup table
// keyed on folded phrases. Lookups allocate nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veskor::dict {

enum class FormKind : std::uint8_t {
    Canonical,     // the written-out form
    Short,         // the entry's abbreviation
    LongVariant,   // another full form (spelling variant, other language)
    ShortVariant,  // nickname or other abbreviation
};

struct Entry {
    std::string canonical;
    std::string shortForm;  // may be empty
    char gender = 'U';      // 'M', 'F' or 'U'
    // A short form standing for several entries ("Gigi": Luigi, Pierluigi): no
    // one canonical form can replace it, so it stays as written.
    bool shared = false;
    // A word that tells one company from another (a trade, an institution):
    // Exclude writes it out in full instead of removing it.
    bool kept = false;
    std::vector<std::uint32_t> targets;  // entries a shared form stands for
    std::vector<std::string> forms;      // every form as listed, canonical first
};

// A phrase found in a text: text[begin, end) with end past a trailing full stop
// of the last word when withDot applies.
struct PhraseMatch {
    const Entry *entry = nullptr;
    FormKind kind = FormKind::Canonical;
    size_t begin = 0;
    size_t end = 0;     // past the last matched word
    size_t endDot = 0;  // end, plus a full stop that directly follows
    bool code = false;  // matched a form written in capitals ("DE", "PLC")
};

class Dictionary {
public:
    static constexpr int kMaxKey = 128;
    static constexpr int kMaxPhraseWords = 8;

    Dictionary() = default;
    // Windows-1252 text, one entry a line: "[TAG ]canonical|short|variant...".
    // Tags: "M ", "F ", "U " (gendered files), "+ " (kept by Exclude) and
    // "* " for a short form standing for several entries ("* Gigi|Luigi|Pierluigi"),
    // optionally followed by the gender it has on its own ("* M Charlie|...").
    // Lines that make no sense are skipped.
    static Dictionary parse(std::string_view text, bool gendered);

    bool empty() const { return entries_.empty(); }
    void setCodesEndText(bool on) { codesEndText_ = on; }
    // Numbers: the figure is the form everything else comes to ("five" -> "5").
    void setNormalisesToShort(bool on) { normalisesToShort_ = on; }
    bool normalisesToShort() const { return normalisesToShort_; }
    size_t size() const { return entries_.size(); }
    const Entry &entry(size_t i) const { return entries_[i]; }

    // Longest phrase of this dictionary starting with the token at pos
    // (a word or symbol; whitespace before it is skipped).
    bool matchAt(const unsigned char *text, size_t len, size_t pos, PhraseMatch &out) const;

    // Entry holding a form given by its folded key ("&", "mr"), or null.
    const Entry *lookupKey(std::string_view key) const
    {
        const Slot *s = find(key.data(), static_cast<int>(key.size()));
        return s ? &entries_[s->entry] : nullptr;
    }

    // Folded key of a whole form, as the table stores it; empty when unusable.
    static std::string keyOf(std::string_view form, int *words = nullptr);

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t keyOffset = 0;
        std::uint16_t keyLength = 0;  // 0: empty slot
        FormKind kind = FormKind::Canonical;
        bool capitalsOnly = false;  // see Dictionary.cpp: codes such as "DE", "AND", "N"
        std::uint32_t entry = 0;
    };

    void insert(std::string_view key, std::uint32_t entry, FormKind kind, bool capitalsOnly);
    const Slot *find(const char *key, int len) const;
    const Slot *find(const char *key, int len, std::uint32_t hash) const;

    // A one-bit-per-hash filter over the first words of all phrases: most words
    // of a text start no phrase, and this lets them go after one fold.
    void noteFirstWord(std::uint32_t hash) { firstWords_[(hash >> 7) % kFilterBits / 64] |= 1ull << ((hash >> 7) % 64); }
    bool mayStartPhrase(std::uint32_t hash) const
    {
        return firstWords_[(hash >> 7) % kFilterBits / 64] & (1ull << ((hash >> 7) % 64));
    }
    static constexpr std::uint32_t kFilterBits = 8192;
    void rehash(size_t slots);

    std::vector<Entry> entries_;
    std::vector<Slot> slots_;
    std::string keys_;
    size_t used_ = 0;
    int maxWords_ = 0;
    std::uint64_t firstWords_[kFilterBits / 64] = {};
    bool codesEndText_ = false;
    bool normalisesToShort_ = false;
};

}  // namespace veskor::dict
