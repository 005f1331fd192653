#pragma once
// Similarity scoring of two texts.

namespace veskor::match {

// 0..100, symmetric, 0 when either text is empty, 100 only for identical texts.
// Inputs are NUL-terminated Windows-1252 texts (null counts as empty).
// Keeps the last few second texts prepared between calls, per thread.
int score(const char *text1, const char *text2);

// Drops the calling thread's cache; called by Finish.
void release();

}  // namespace veskor::match
