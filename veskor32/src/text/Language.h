#pragma once

namespace veskor {

enum class Lang { English = 1, French = 2, German = 3, Italian = 4, Spanish = 5 };

// The program passes 0 before its first language tick; anything outside 1..5 is English.
constexpr Lang langFrom(int code)
{
    return (code >= 1 && code <= 5) ? static_cast<Lang>(code) : Lang::English;
}

constexpr int langIndex(Lang l) { return static_cast<int>(l) - 1; }  // 0..4, for per-language tables

}  // namespace veskor
