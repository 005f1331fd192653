#pragma once
// Timings of the exports on texts taken from the pair files.
#include <string>
#include <vector>

#include "PairSet.h"

namespace bench {

struct SpeedInputs {
    int lang = 1;
    std::vector<std::string> names;      // "forename surname", raw
    std::vector<std::string> nameKeys;   // their keys
    std::vector<std::string> forenames, companies, addresses;  // raw
    std::vector<std::string> companyKeys, addressKeys;
};

SpeedInputs speedInputs(const std::vector<Pair> &pairs, int lang);

void printSpeed(const SpeedInputs &in);

}  // namespace bench
