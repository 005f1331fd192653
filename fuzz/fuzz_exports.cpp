// One libFuzzer target per export (chosen by FUZZ_<export> at compile time).
// The input's first bytes choose capacity, language, group and flags; the rest
// splits into up to three texts at 0x1F. Output buffers are exactly
// capacity + 1 bytes on the heap, so any write past them is caught.
#include <veskor32.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Input {
    const std::uint8_t *data;
    size_t size;
    size_t pos = 0;
    int byte() { return pos < size ? data[pos++] : 0; }
    // Small values mostly in range, sometimes far outside it.
    int number(int span)
    {
        const int b = byte();
        if (b == 0xFF)
            return -1000000 + byte();
        if (b == 0xFE)
            return 1000000 + byte();
        return (b % (span + 3)) - 1;
    }
    std::vector<std::string> texts()
    {
        std::vector<std::string> out(3);
        size_t k = 0;
        for (; pos < size; ++pos) {
            if (data[pos] == 0x1F && k < 2) {
                ++k;
                continue;
            }
            if (data[pos] != 0)
                out[k].push_back(static_cast<char>(data[pos]));
        }
        return out;
    }
};

void checkTerminated(const char *buffer, int capacity)
{
    const int limit = capacity < 0 ? 0 : capacity;
    if (!std::memchr(buffer, 0, size_t(limit) + 1))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    Input in{data, size};
    const int capacity = in.byte() % 256 - (in.byte() == 0xFF ? 300 : 0);
    [[maybe_unused]] const int lang = in.number(6);
    [[maybe_unused]] const int a = in.number(13);
    [[maybe_unused]] const int b = in.number(2);
    [[maybe_unused]] const int c = in.number(2);
    [[maybe_unused]] const int d = in.number(2);
    const bool finishFirst = in.byte() == 0x42;
    const std::vector<std::string> t = in.texts();
    std::vector<char> buffer(size_t(capacity < 0 ? 0 : capacity) + 1, '\x7F');
    char *out = buffer.data();
    if (finishFirst)
        Finish();
    int result = 12345;
#if defined(FUZZ_MatchIt)
    MatchIt(t[0].c_str(), t[1].c_str(), &result, a);
    if (result < 0 || result > 100)
        std::abort();
    int reverse = 0;
    MatchIt(t[1].c_str(), t[0].c_str(), &reverse, a);
    if (reverse != result)
        std::abort();
    return 0;
#elif defined(FUZZ_GeneratePHK)
    GeneratePHK(t[0].c_str(), out, capacity, lang, b, c, d, a & 1, 0, 0);
#elif defined(FUZZ_Abbreviate)
    Abbreviate(t[0].c_str(), out, capacity, lang, a);
#elif defined(FUZZ_Elaborate)
    Elaborate(t[0].c_str(), out, capacity, lang, a);
#elif defined(FUZZ_Exclude)
    Exclude(t[0].c_str(), out, capacity, lang, a);
#elif defined(FUZZ_Normalise)
    Normalise(t[0].c_str(), out, capacity, lang, a);
#elif defined(FUZZ_Gender)
    Gender(t[0].c_str(), out, capacity, lang, a);
    if (capacity >= 1 && out[0] != 'M' && out[0] != 'F' && out[0] != 'U')
        std::abort();
#elif defined(FUZZ_ApplyCase)
    ApplyCase(t[0].c_str(), out, capacity, a);
#elif defined(FUZZ_PatternMatch)
    PatternMatch(t[0].c_str(), &result, lang, a);
    if (result != 0 && result != -1)
        std::abort();
    return 0;
#elif defined(FUZZ_CustomTransform)
    CustomTransform(t[0].c_str(), out, capacity, t[1].c_str(), t[2].c_str(), b, c);
#elif defined(FUZZ_CustomExclude)
    CustomExclude(t[0].c_str(), out, capacity, t[1].c_str(), t[2].c_str(), b);
#else
#error "choose an export with FUZZ_<name>"
#endif
    checkTerminated(out, capacity);
    (void)result;
    return 0;
}
