#include "match/Assignment.h"

namespace veskor::match {

namespace {

// A word missing from one side costs less than a word that is there and
// different: a dropped middle name or initial should not sink the score.
constexpr float kUnmatchedWeight = 0.4f;
// Each pair of words out of order costs a little (Smith John / John Smith).
constexpr float kInversionCost = 0.02f;
// How much the worst matched word pair pulls the whole score down.
constexpr float kWeakestLinkShare = 0.5f;
// Enumerate every pairing up to this many words; greedy beyond.
constexpr int kExactRows = 4;
constexpr int kExactCols = 6;

float assignmentValue(const Assignment &a, float colTotal, const int *colOf)
{
    float num = 0, den = 0, matchedCols = 0, weakest = 1;
    int inversions = 0;
    for (int r = 0; r < a.rows; ++r) {
        const int c = colOf[r];
        const float w = a.rowWeight[r] + a.colWeight[c];
        const float s = a.sim[r][c];
        num += s * w;
        weakest = s < weakest ? s : weakest;
        den += w;
        matchedCols += a.colWeight[c];
        for (int q = 0; q < r; ++q)
            inversions += colOf[q] > c;
    }
    den += kUnmatchedWeight * (colTotal - matchedCols);
    if (den <= 0)
        return 0;
    const float order = 1.0f - kInversionCost * static_cast<float>(inversions < 3 ? inversions : 3);
    // One word that does not match at all says more than an average shows
    // (Harwick Foods / Brambley Foods share a word, not a company).
    const float weakestLink = a.rows < 2 ? 1.0f : 1.0f - kWeakestLinkShare * (1.0f - (weakest > 0 ? weakest : 0));
    return num / den * order * weakestLink;
}

void bestExact(const Assignment &a, float colTotal, int row, int *colOf, unsigned used, float &best)
{
    if (row == a.rows) {
        const float v = assignmentValue(a, colTotal, colOf);
        if (v > best)
            best = v;
        return;
    }
    for (int c = 0; c < a.cols; ++c) {
        if (used & (1u << c))
            continue;
        colOf[row] = c;
        bestExact(a, colTotal, row + 1, colOf, used | (1u << c), best);
    }
}

float total(const float *weights, int n)
{
    float sum = 0;
    for (int i = 0; i < n; ++i)
        sum += weights[i];
    return sum;
}

float bestGreedy(const Assignment &a)
{
    int colOf[kMaxWords];
    bool rowDone[kMaxWords] = {}, colDone[kMaxWords] = {};
    for (int k = 0; k < a.rows; ++k) {
        int br = -1, bc = -1;
        float bv = -1e9f;
        for (int r = 0; r < a.rows; ++r)
            for (int c = 0; c < a.cols && !rowDone[r]; ++c)
                if (!colDone[c] && a.sim[r][c] > bv) {
                    bv = a.sim[r][c];
                    br = r;
                    bc = c;
                }
        rowDone[br] = colDone[bc] = true;
        colOf[br] = bc;
    }
    return assignmentValue(a, total(a.colWeight, a.cols), colOf);
}

}  // namespace

float bestAssignment(const Assignment &a)
{
    if (a.rows <= kExactRows && a.cols <= kExactCols) {
        int colOf[kMaxWords] = {};
        float best = 0;
        bestExact(a, total(a.colWeight, a.cols), 0, colOf, 0, best);
        return best;
    }
    // Greedy from both orientations when the counts are equal, so that a tie
    // broken one way or the other cannot make the score asymmetric.
    float best = bestGreedy(a);
    if (a.rows == a.cols) {
        float transposed[kMaxWords][kMaxWords];
        for (int r = 0; r < a.rows; ++r)
            for (int c = 0; c < a.cols; ++c)
                transposed[c][r] = a.sim[r][c];
        const float other = bestGreedy(Assignment{a.cols, a.rows, transposed, a.colWeight, a.rowWeight});
        best = other > best ? other : best;
    }
    return best > 0 ? best : 0;
}

}  // namespace veskor::match
