#include "Quality.h"

namespace bench {

QualityFigures quality(const std::vector<Scored> &scored, double threshold)
{
    QualityFigures q;
    double wins = 0;
    long positives = 0, negatives = 0, truePos = 0, predicted = 0;
    for (const auto &p : scored) {
        if (p.same)
            ++positives;
        else
            ++negatives;
        if (p.score >= threshold) {
            ++predicted;
            truePos += p.same;
        }
        if (!p.same)
            continue;
        for (const auto &n : scored)
            if (!n.same)
                wins += p.score > n.score ? 1.0 : p.score == n.score ? 0.5 : 0.0;
    }
    if (positives > 0 && negatives > 0)
        q.auc = wins / (static_cast<double>(positives) * static_cast<double>(negatives));
    q.precision = predicted ? static_cast<double>(truePos) / static_cast<double>(predicted) : 0.0;
    q.recall = positives ? static_cast<double>(truePos) / static_cast<double>(positives) : 0.0;
    return q;
}

}  // namespace bench
