#include "GenderCheck.h"

#include <cstdio>

#include "Cp1252.h"
#include "PairSet.h"
#include "veskor32.h"

namespace bench {

double genderAccuracy(const std::string &pairsDir, int lang, int *total)
{
    const auto rows = loadColumns(pairsDir + "/gender_" + kLangFolders[lang - 1] + ".tsv");
    *total = static_cast<int>(rows.size());
    if (rows.empty())
        return -1;
    int right = 0;
    for (const auto &[name, expected] : rows) {
        char buffer[8];
        Gender(name.c_str(), buffer, 7, lang, 2);
        if (expected == buffer)
            ++right;
        else
            std::printf("    gender miss (%s): %s -> %s, expected %s\n", kLangFolders[lang - 1], toUtf8(name).c_str(),
                        buffer, expected.c_str());
    }
    return static_cast<double>(right) / static_cast<double>(rows.size());
}

}  // namespace bench
