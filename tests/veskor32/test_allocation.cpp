// The cleansing, gender, pattern, key and scoring exports run on every record
// of a database: once the dictionaries are loaded they must not touch the heap.
#include "CallHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> gAllocations{0};
}

void *operator new(std::size_t n)
{
    ++gAllocations;
    if (void *p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(HotPath, NoHeapAllocationOnceLoaded)
{
    const char *text = "Mr Bill Ashgrove-Tull, Harwell Ltd., 12 High St. (rear) Gesellschaft mit beschr\xE4nkter Haftung";
    char buf[256];
    int r = 0;
    const auto all = [&] {
        for (int lang = 1; lang <= 5; ++lang) {
            for (int group : {0, 1, 2, 4, 5, 6, 7, 8, 9, 12}) {
                Abbreviate(text, buf, 254, lang, group);
                Elaborate(text, buf, 254, lang, group);
                Exclude(text, buf, 254, lang, group);
                Normalise(text, buf, 254, lang, group);
            }
            for (int format = 0; format <= 2; ++format)
                Gender(text, buf, 254, lang, format);
            for (int pattern = 0; pattern <= 3; ++pattern)
                PatternMatch(text, &r, lang, pattern);
            GeneratePHK(text, buf, 254, lang, 0, 0, 0, 0, 0, 0);
            GeneratePHK("Gigi Bgm. Str. XXIV vingt et un Chloe Justine", buf, 254, lang, 1, 1, 1, 1, 0, 0);
        }
        for (const char *other : {"GIJI FERUCI", "LUIJI FERUCI", "JUSTIN", "BGM. 24 STR.", text})
            MatchIt("JUSTINE FERUCI", other, &r, 0);
        ApplyCase(text, buf, 254, 0);
        CustomTransform(text, buf, 254, "ltd", "Limited", 1, 1);
        CustomExclude(text, buf, 254, "(", ")", 0);
    };
    Finish();
    const long atStart = gAllocations.load();
    all();  // loads every dictionary
    ASSERT_GT(gAllocations.load(), atStart) << "the counter does not see the loading";
    const long before = gAllocations.load();
    for (int i = 0; i < 3; ++i)
        all();
    EXPECT_EQ(gAllocations.load() - before, 0);
}

}  // namespace
