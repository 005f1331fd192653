// veskor32_bench [pairs folder]: key-based matching against plain Jaro-Winkler
// on the labelled pairs of every language, then timings and the gender check.
// Exits with 1 when a quality or gender target is missed.
#include <cstdio>
#include <string>

#include "Cp1252.h"
#include "GenderCheck.h"
#include "JaroWinkler.h"
#include "KeyPipeline.h"
#include "PairSet.h"
#include "Quality.h"
#include "Speed.h"

namespace {

constexpr double kThreshold = 70;
constexpr double kTargetAuc = 0.95;
constexpr double kTargetGender = 0.97;

}  // namespace

int main(int argc, char **argv)
{
    using namespace bench;
    const std::string dir = argc > 1 ? argv[1] : TARNWICK_PAIRS_DIR;
    // A kind as second argument lists every pair of that kind with its keys and scores.
    const std::string dump = argc > 2 ? argv[2] : "";
    bool allMet = true;

    std::printf("Quality at threshold %.0f: keys (product pipeline) vs plain Jaro-Winkler on raw texts\n", kThreshold);
    std::printf("%-4s %-10s %5s | %6s %6s %6s | %6s %6s %6s\n", "lang", "kind", "pairs", "AUC", "prec", "recall",
                "JW AUC", "prec", "recall");
    SpeedInputs firstLanguage;
    for (int lang = 1; lang <= 5; ++lang) {
        int skipped = 0;
        const auto pairs = loadPairs(dir + "/" + kLangFolders[lang - 1] + ".tsv", &skipped);
        if (pairs.empty()) {
            std::printf("%-4s no pairs in %s\n", kLangFolders[lang - 1], dir.c_str());
            allMet = false;
            continue;
        }
        if (skipped)
            std::printf("%-4s %d malformed lines skipped\n", kLangFolders[lang - 1], skipped);
        for (const char *kind : kKinds) {
            std::vector<Scored> keys, raw;
            for (const auto &p : pairs) {
                if (p.kind != kind)
                    continue;
                const std::string k1 = productKey(kind, p.text1, lang), k2 = productKey(kind, p.text2, lang);
                keys.push_back({static_cast<double>(matchIt(k1, k2)), p.same});
                if (dump == kind)
                    std::printf("  %s %d %3.0f %3.0f | %s | %s | %s | %s\n", kLangFolders[lang - 1], p.same,
                                keys.back().score, 100.0 * jaroWinkler(p.text1, p.text2), toUtf8(p.text1).c_str(),
                                toUtf8(p.text2).c_str(), k1.c_str(), k2.c_str());
                raw.push_back({100.0 * jaroWinkler(p.text1, p.text2), p.same});
            }
            if (keys.empty())
                continue;  // a pairs folder without this kind
            const QualityFigures k = quality(keys, kThreshold), j = quality(raw, kThreshold);
            const bool met = k.auc >= kTargetAuc && k.auc > j.auc;
            allMet = allMet && met;
            std::printf("%-4s %-10s %5zu | %6.4f %6.3f %6.3f | %6.4f %6.3f %6.3f %s\n", kLangFolders[lang - 1], kind,
                        keys.size(), k.auc, k.precision, k.recall, j.auc, j.precision, j.recall, met ? "" : "MISSED");
        }
        if (lang == 1)
            firstLanguage = speedInputs(pairs, lang);
    }

    std::printf("\nSpeed (CPU time of one thread, English texts)\n");
    printSpeed(firstLanguage);

    std::printf("\nGender of common forenames\n");
    for (int lang = 1; lang <= 5; ++lang) {
        int total = 0;
        const double share = genderAccuracy(dir, lang, &total);
        if (share < 0) {
            std::printf("  %-4s no gender file\n", kLangFolders[lang - 1]);
            continue;
        }
        const bool met = share >= kTargetGender;
        allMet = allMet && met;
        std::printf("  %-4s %5.1f %% of %d right%s\n", kLangFolders[lang - 1], 100 * share, total,
                    met ? "" : "  MISSED");
    }
    return allMet ? 0 : 1;
}
