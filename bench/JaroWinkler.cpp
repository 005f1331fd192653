#include "JaroWinkler.h"

#include <algorithm>
#include <array>

namespace bench {

double jaroWinkler(std::string_view a, std::string_view b)
{
    if (a.empty() || b.empty())
        return 0.0;
    constexpr size_t kMax = 256;
    a = a.substr(0, kMax);
    b = b.substr(0, kMax);
    const size_t window = std::max(a.size(), b.size()) / 2 > 0 ? std::max(a.size(), b.size()) / 2 - 1 : 0;
    std::array<bool, kMax> usedA{}, usedB{};
    size_t matches = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const size_t lo = i > window ? i - window : 0, hi = std::min(b.size(), i + window + 1);
        for (size_t j = lo; j < hi; ++j)
            if (!usedB[j] && a[i] == b[j]) {
                usedA[i] = usedB[j] = true;
                ++matches;
                break;
            }
    }
    if (matches == 0)
        return 0.0;
    size_t transposed = 0;
    for (size_t i = 0, j = 0; i < a.size(); ++i) {
        if (!usedA[i])
            continue;
        while (!usedB[j])
            ++j;
        transposed += a[i] != b[j];
        ++j;
    }
    const double m = static_cast<double>(matches);
    const double jaro = (m / static_cast<double>(a.size()) + m / static_cast<double>(b.size()) +
                         (m - static_cast<double>(transposed) / 2.0) / m) / 3.0;
    size_t prefix = 0;
    while (prefix < 4 && prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    return jaro + 0.1 * static_cast<double>(prefix) * (1.0 - jaro);
}

}  // namespace bench
