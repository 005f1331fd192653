#pragma once
// The look every window of the program shares: the style, the base font and
// a tooltip that waits 1000 ms before it shows. Set once, before the first window.
namespace tarnwick::ui {

constexpr int kToolTipDelayMs = 1000;

void applyProgramLook();

}  // namespace tarnwick::ui
