#include "dict/Store.h"

#include "dict/Embedded.h"
#include "dict/Groups.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

namespace veskor::dict {

namespace {

constexpr int kLangs = 5;
constexpr int kGroups = kMaxGroupCode + 1;

// Loaded once per slot behind a double check (lock-free once loaded) rather
// than a once-flag, because Finish empties the slots and later calls reload.
struct Slots {
    std::array<std::atomic<const Dictionary *>, kLangs * kGroups> loaded{};
    std::array<std::unique_ptr<Dictionary>, kLangs * kGroups> owned{};
    std::mutex mutex;
};

Slots &slots()
{
    static Slots s;
    return s;
}

const Dictionary kEmpty;

std::unique_ptr<Dictionary> load(int langIndex, int group)
{
    const GroupFile *g = groupByCode(group);
    std::string text;
    for (const EmbeddedFile &f : embeddedFiles())
        if (f.langIndex == langIndex && f.group == group)
            text.append(f.data, f.size);
    auto d = std::make_unique<Dictionary>(Dictionary::parse(text, g && g->gendered));
    d->setCodesEndText(g && g->codesEndText);
    d->setNormalisesToShort(g && g->normalisesToShort);
    return d;
}

}  // namespace

const Dictionary &dictionary(Lang lang, int group)
{
    if (group < 0 || group >= kGroups || !groupByCode(group))
        return kEmpty;
    Slots &s = slots();
    const int i = langIndex(lang) * kGroups + group;
    if (const Dictionary *d = s.loaded[i].load(std::memory_order_acquire))
        return *d;
    std::lock_guard lock(s.mutex);
    if (!s.owned[i]) {
        s.owned[i] = load(langIndex(lang), group);
        s.loaded[i].store(s.owned[i].get(), std::memory_order_release);
    }
    return *s.owned[i];
}

void release()
{
    Slots &s = slots();
    std::lock_guard lock(s.mutex);
    for (size_t i = 0; i < s.owned.size(); ++i) {
        s.loaded[i].store(nullptr, std::memory_order_release);
        s.owned[i].reset();
    }
}

}  // namespace veskor::dict
