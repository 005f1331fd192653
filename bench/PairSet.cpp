#include "PairSet.h"

#include <fstream>
#include <sstream>

#include "Cp1252.h"

namespace bench {

namespace {

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::stringstream in(line);
    std::string f;
    while (std::getline(in, f, '\t'))
        out.push_back(f);
    return out;
}

}  // namespace

std::vector<Pair> loadPairs(const std::string &path, int *skipped)
{
    std::vector<Pair> pairs;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto f = fields(line);
        if (f.size() != 4 || (f[1] != "0" && f[1] != "1")) {
            if (skipped)
                ++*skipped;
            continue;
        }
        pairs.push_back({f[0], f[1] == "1", toCp1252(f[2]), toCp1252(f[3])});
    }
    return pairs;
}

std::vector<std::pair<std::string, std::string>> loadColumns(const std::string &path)
{
    std::vector<std::pair<std::string, std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto f = fields(line);
        if (f.size() == 2)
            rows.emplace_back(toCp1252(f[0]), f[1]);
    }
    return rows;
}

}  // namespace bench
