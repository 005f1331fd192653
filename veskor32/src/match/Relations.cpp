#include "match/Relations.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "dict/Forenames.h"
#include "dict/Store.h"
#include "match/EditDistance.h"
#include "phonetic/Phonetic.h"

namespace veskor::match {

namespace {

constexpr int kForenames = 12;
// Keys at least this alike would score as one name; a man's and a woman's
// forename this close are marked as two people.
constexpr float kLookAlike = 0.5f;
constexpr size_t kShortKey = 4;

struct Holder {
    std::atomic<const Relations *> loaded{nullptr};
    std::unique_ptr<Relations> owned;
    std::mutex mutex;
};

Holder &holder()
{
    static Holder h;
    return h;
}

// The key word GeneratePHK writes for a one-word form, folded as scoring folds
// it; empty for forms that key to several words.
std::string keyWord(const std::string &form, Lang lang)
{
    char key[256];
    phonetic::generateKey(form.c_str(), lang, {}, key, 255);
    std::string k;
    for (const char *p = key; *p; ++p) {
        if (*p == ' ')
            return {};
        if (*p != '.')
            k.push_back(static_cast<char>(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p));
    }
    return k;
}

// A word of the other side, ready for many comparisons.
struct Prepared {
    std::string key;
    bool own;
    PatternMasks masks;
};

float alike(const std::string &a, const Prepared &b)
{
    if (a.empty() || b.key.empty() || a.size() > kMaxWordChars || b.key.size() > kMaxWordChars)
        return 0;
    const int d = osaDistance(b.masks, static_cast<int>(b.key.size()), a.data(), static_cast<int>(a.size()));
    const size_t longer = a.size() > b.key.size() ? a.size() : b.key.size();
    return 1.0f - static_cast<float>(d) / static_cast<float>(longer);
}

std::uint64_t hashOf(const std::string &k) { return Relations::hashOf(k.data(), static_cast<int>(k.size())); }

// Pass 0: the names every form stands for; pass 1: look-alikes of the other gender.
void addLanguage(Relations &r, Lang lang, int pass)
{
    const dict::Dictionary &names = dict::dictionary(lang, kForenames);
    struct Named {
        std::string key;
        char gender;
        bool own;  // from the language's own forenames
    };
    std::vector<Named> named;
    for (size_t i = 0; pass == 0 && i < names.size(); ++i) {
        const dict::Entry &e = names.entry(i);
        if (e.shared) {
            const std::string own = keyWord(e.canonical, lang);
            for (std::uint32_t t : e.targets) {
                const std::string target = keyWord(names.entry(t).canonical, lang);
                if (!own.empty() && !target.empty() && own != target)
                    r.add(own, target, Relation::SameName);
            }
        }
        if (e.shared)
            continue;
        const std::string canonical = keyWord(e.canonical, lang);
        for (const std::string &form : e.forms) {
            const std::string k = keyWord(form, lang);
            if (k.empty())
                continue;
            if (!canonical.empty() && k != canonical)
                r.add(k, canonical, Relation::SameName);
        }
    }
    if (pass == 0)
        return;
    std::set<std::pair<std::string, char>> seen;
    dict::forEachGenderedForename(lang, [&](const std::string &form, char gender, bool own) {
        std::string k = keyWord(form, lang);
        if (!k.empty() && seen.emplace(k, gender).second)
            named.push_back({std::move(k), gender, own});
    });
    // Women's keys by their first two letters: look-alikes that begin apart
    // are told apart by the letters already.
    const auto bucketOf = [](const std::string &k) { return k.substr(0, 2); };
    std::map<std::string, std::vector<Prepared>> women;
    for (const Named &f : named)
        if (f.gender == 'F' && f.key.size() <= kMaxWordChars) {
            Prepared p{f.key, f.own, {}};
            buildMasks(p.key.data(), static_cast<int>(p.key.size()), p.masks);
            women[bucketOf(f.key)].push_back(std::move(p));
        }
    for (const Named &m : named) {
        if (m.gender != 'M')
            continue;
        const auto bucket = women.find(bucketOf(m.key));
        if (bucket == women.end())
            continue;
        for (const Prepared &f : bucket->second) {
            const size_t longer = m.key.size() > f.key.size() ? m.key.size() : f.key.size();
            const size_t shorter = m.key.size() + f.key.size() - longer;
            if (f.key == m.key || static_cast<float>(shorter) < kLookAlike * static_cast<float>(longer))
                continue;
            // Keys of three letters say little: only the language's own names may
            // set them apart (Jan / Jana), not a form borrowed from another.
            if (shorter < kShortKey && !(m.own && f.own))
                continue;
            if (alike(m.key, f) >= kLookAlike && r.between(hashOf(m.key), hashOf(f.key)) == Relation::None)
                r.add(m.key, f.key, Relation::OtherGender);
        }
    }
}

}  // namespace

std::uint64_t Relations::hashOf(const char *folded, int length)
{
    std::uint64_t h = 14695981039346656037ull;
    for (int i = 0; i < length; ++i)
        h = (h ^ static_cast<unsigned char>(folded[i])) * 1099511628211ull;
    return h | 1u;
}

std::uint64_t Relations::pairKey(std::uint64_t a, std::uint64_t b)
{
    if (a > b) {
        const std::uint64_t t = a;
        a = b;
        b = t;
    }
    return ((a * 0x9E3779B97F4A7C15ull) ^ (b + 0x632BE59BD9B4E019ull + (a << 6) + (a >> 2))) | 1u;
}

Relation Relations::between(std::uint64_t a, std::uint64_t b) const
{
    if (keys_.empty())
        return Relation::None;
    const std::uint64_t k = pairKey(a, b);
    for (size_t i = k & (keys_.size() - 1);; i = (i + 1) & (keys_.size() - 1)) {
        if (keys_[i] == 0)
            return Relation::None;
        if (keys_[i] == k)
            return values_[i];
    }
}

void Relations::add(const std::string &wordA, const std::string &wordB, Relation r)
{
    const std::uint64_t a = hashOf(wordA.data(), static_cast<int>(wordA.size()));
    const std::uint64_t b = hashOf(wordB.data(), static_cast<int>(wordB.size()));
    if (between(a, b) != Relation::None)
        return;  // the first relation found wins: a nickname before a look-alike
    if ((used_ + 1) * 2 > keys_.size())
        grow();
    const std::uint64_t k = pairKey(a, b);
    size_t i = k & (keys_.size() - 1);
    while (keys_[i] != 0)
        i = (i + 1) & (keys_.size() - 1);
    keys_[i] = k;
    values_[i] = r;
    ++used_;
    pairs_.emplace_back(a, b);
    pairFirsts_.emplace_back(wordA.empty() ? '\0' : wordA[0], wordB.empty() ? '\0' : wordB[0]);
    for (const std::string *w : {&wordA, &wordB}) {
        const std::uint32_t bit = signature(w->data(), static_cast<int>(w->size()));
        filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
}

void Relations::index()
{
    // (word, partner) both ways, sorted by word: each word's partners lie together.
    std::vector<std::pair<std::uint64_t, Partner>> all;
    all.reserve(pairs_.size() * 2);
    for (size_t k = 0; k < pairs_.size(); ++k) {
        const auto [a, b] = pairs_[k];
        const Relation r = between(a, b);
        all.push_back({a, {b, r, pairFirsts_[k].second}});
        all.push_back({b, {a, r, pairFirsts_[k].first}});
    }
    std::sort(all.begin(), all.end(), [](const auto &x, const auto &y) { return x.first < y.first; });
    size_t words = 0;
    for (size_t k = 0; k < all.size(); ++k)
        words += k == 0 || all[k].first != all[k - 1].first;
    size_t slots = 16;
    while (slots < words * 2)
        slots *= 2;
    partnerSlots_.assign(slots, Slot{});
    partners_.clear();
    partners_.reserve(all.size());
    for (size_t k = 0; k < all.size();) {
        const std::uint64_t word = all[k].first;
        const auto first = static_cast<std::uint32_t>(partners_.size());
        std::uint64_t bloom = 0;
        std::uint32_t letters = 0;
        for (; k < all.size() && all[k].first == word; ++k) {
            partners_.push_back(all[k].second);
            bloom |= std::uint64_t{1} << (all[k].second.word & 63);
            letters |= 1u << letterBit(all[k].second.first);
        }
        size_t i = word & (slots - 1);
        while (partnerSlots_[i].word != 0)
            i = (i + 1) & (slots - 1);
        partnerSlots_[i] = {word, first, static_cast<std::uint32_t>(partners_.size()) - first, bloom, letters};
    }
    pairs_.clear();
    pairs_.shrink_to_fit();
    pairFirsts_.clear();
    pairFirsts_.shrink_to_fit();
}

Relations::Partners Relations::partnersOf(std::uint64_t word) const
{
    if (partnerSlots_.empty() || word == 0)
        return {};
    for (size_t i = word & (partnerSlots_.size() - 1);; i = (i + 1) & (partnerSlots_.size() - 1)) {
        const Slot &s = partnerSlots_[i];
        if (s.word == 0)
            return {};
        if (s.word == word)
            return {partners_.data() + s.first, static_cast<int>(s.count), s.bloom, s.firstLetters};
    }
}

void Relations::grow()
{
    std::vector<std::uint64_t> oldKeys = std::move(keys_);
    std::vector<Relation> oldValues = std::move(values_);
    const size_t n = oldKeys.empty() ? 1024 : oldKeys.size() * 2;
    keys_.assign(n, 0);
    values_.assign(n, Relation::None);
    for (size_t j = 0; j < oldKeys.size(); ++j) {
        if (oldKeys[j] == 0)
            continue;
        size_t i = oldKeys[j] & (n - 1);
        while (keys_[i] != 0)
            i = (i + 1) & (n - 1);
        keys_[i] = oldKeys[j];
        values_[i] = oldValues[j];
    }
}

const Relations &relations()
{
    Holder &h = holder();
    if (const Relations *r = h.loaded.load(std::memory_order_acquire))
        return *r;
    std::lock_guard lock(h.mutex);
    if (!h.owned) {
        auto r = std::make_unique<Relations>();
        // Nicknames of every language first, then the look-alikes: a pair that
        // is one name somewhere is never held apart.
        for (int pass = 0; pass < 2; ++pass)
            for (int code = 1; code <= 5; ++code)
                addLanguage(*r, langFrom(code), pass);
        r->index();
        h.owned = std::move(r);
        h.loaded.store(h.owned.get(), std::memory_order_release);
    }
    return *h.owned;
}

void releaseRelations()
{
    Holder &h = holder();
    std::lock_guard lock(h.mutex);
    h.loaded.store(nullptr, std::memory_order_release);
    h.owned.reset();
}

}  // namespace veskor::match
