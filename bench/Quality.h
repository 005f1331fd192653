#pragma once
// Ranking and threshold figures of a scorer over labelled pairs.
#include <vector>

namespace bench {

struct Scored {
    double score;  // 0..100
    bool same;
};

struct QualityFigures {
    double auc = 0;        // chance that a same-entity pair outscores a different one (ties half)
    double precision = 0;  // at the threshold
    double recall = 0;
};

QualityFigures quality(const std::vector<Scored> &scored, double threshold);

}  // namespace bench
