#include "phonetic/GenderMarks.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <unordered_map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "dict/Forenames.h"
#include "dict/Store.h"
#include "phonetic/Phonetic.h"

namespace veskor::phonetic {

namespace {

using Marks = std::vector<std::uint64_t>;  // sorted hashes of folded forms

struct Slots {
    std::array<std::atomic<const Marks *>, 5> loaded{};
    std::array<std::unique_ptr<Marks>, 5> owned{};
    std::mutex mutex;
};

Slots &slots()
{
    static Slots s;
    return s;
}

bool singleWord(const std::string &form)
{
    return form.find_first_of(" -.'") == std::string::npos;
}

std::unique_ptr<Marks> build(Lang lang)
{
    // Plain key of every one-word form, and which genders use it.
    std::unordered_map<std::string, int> genders;  // key -> bit 1 man, bit 2 woman
    std::vector<std::pair<std::string, std::string>> women;  // form, key
    char key[256];
    dict::forEachGenderedForename(lang, [&](const std::string &form, char gender, bool) {
        if (!singleWord(form))
            return;
        generatePlainKey(form.c_str(), lang, key, 255);
        genders[key] |= gender == 'M' ? 1 : 2;
        if (gender == 'F')
            women.emplace_back(form, key);
    });
    auto marks = std::make_unique<Marks>();
    for (const auto &[form, k] : women) {
        if (!(genders[k] & 1))
            continue;
        char folded[dict::Dictionary::kMaxKey];
        const std::string fk = dict::Dictionary::keyOf(form);
        const int n = static_cast<int>(std::min(fk.size(), sizeof folded));
        std::copy_n(fk.data(), n, folded);
        marks->push_back(foldedHash(folded, n));
    }
    std::sort(marks->begin(), marks->end());
    return marks;
}

const Marks &marksFor(Lang lang)
{
    Slots &s = slots();
    const int i = langIndex(lang);
    if (const Marks *m = s.loaded[i].load(std::memory_order_acquire))
        return *m;
    std::lock_guard lock(s.mutex);
    if (!s.owned[i]) {
        s.owned[i] = build(lang);
        s.loaded[i].store(s.owned[i].get(), std::memory_order_release);
    }
    return *s.owned[i];
}

}  // namespace

std::uint64_t foldedHash(const char *folded, int length)
{
    std::uint64_t h = 14695981039346656037ull;
    for (int i = 0; i < length; ++i)
        h = (h ^ static_cast<unsigned char>(folded[i])) * 1099511628211ull;
    return h;
}

bool isMarkedFeminine(Lang lang, const char *folded, int length)
{
    const Marks &m = marksFor(lang);
    return !m.empty() && std::binary_search(m.begin(), m.end(), foldedHash(folded, length));
}

void releaseGenderMarks()
{
    Slots &s = slots();
    std::lock_guard lock(s.mutex);
    for (size_t i = 0; i < s.owned.size(); ++i) {
        s.loaded[i].store(nullptr, std::memory_order_release);
        s.owned[i].reset();
    }
}

}  // namespace veskor::phonetic
