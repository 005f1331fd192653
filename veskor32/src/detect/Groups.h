#pragma once
// Element-group codes the detectors consult.
namespace veskor::detect {
inline constexpr int kBusinessGroup = 1;
inline constexpr int kSuffixGroup = 6;
inline constexpr int kTitleGroup = 7;
inline constexpr int kForenameGroup = 12;
}  // namespace veskor::detect
