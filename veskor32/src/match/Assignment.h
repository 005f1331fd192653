#pragma once
// Which word of one text goes with which word of the other: the pairing that
// gives the best score, so word order, a dropped word or an extra one cost
// only what they should.
#include "match/Words.h"

namespace veskor::match {

// Rows are the side with fewer words; every row gets its own column, and the
// columns left over count as missing words.
struct Assignment {
    int rows, cols;
    const float (*sim)[kMaxWords];  // word similarity, rows x cols, -1..1
    const float *rowWeight, *colWeight;
};

// 0..1. Exact for the usual few words, greedy for long texts; the same for a
// problem and its transpose, so scores stay symmetric.
float bestAssignment(const Assignment &a);

}  // namespace veskor::match
