// Several threads calling every export at once must get exactly what one
// thread gets: no shared scratch state, no half-loaded dictionary. Each round
// starts from released dictionaries so the threads race to load them, and
// each thread walks the work in its own order so MatchIt's one-against-many
// cache sees other threads' texts in between if it were shared.
#include "CallHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <iterator>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace veskor_test;

struct Sample {
    const char *text;
    int lang;
};

// Windows-1252 bytes, as the program passes them.
const Sample kSamples[] = {
    {"Mr William Ashgrove-Tull", 1},
    {"Bill Ashgrove Tull", 1},
    {"Mrs Catherine O'Brien-Hughes", 1},
    {"Kathryn OBrien Hughes", 1},
    {"Harwell Engineering Ltd.", 1},
    {"Harwell Engineering Limited", 1},
    {"Flat 3, 12 High St. North, Bramford", 1},
    {"12 High Street N Bramford", 1},
    {"M. Fran\xE7ois-Xavier Lef\xE8vre", 2},
    {"Francois Xavier Lefebvre", 2},
    {"Mme H\xE9l\xE8ne Ch\xE2teauneuf", 2},
    {"Soci\xE9t\xE9 Anonyme des Ateliers Roussel", 2},
    {"Ateliers Roussel SA", 2},
    {"4 bis, Boulevard Saint-Germain, B\xE2t. C", 2},
    {"Herr Dr. J\xFCrgen M\xFCller-L\xFC" "denscheidt", 3},
    {"Juergen Mueller Luedenscheidt", 3},
    {"Frau Gr\xE4" "fin Sch\xF6nberg", 3},
    {"Tannenbaum Gesellschaft mit beschr\xE4nkter Haftung", 3},
    {"Tannenbaum GmbH", 3},
    {"Tannen-Stra\xDF" "e 4, Hinterhaus", 3},
    {"Tannenstrasse 4", 3},
    {"Sig. Gian Luca Dell'Acqua", 4},
    {"Gianluca Dellacqua", 4},
    {"Sig.ra Maria Grazia Bellini", 4},
    {"Fratelli Bellini S.r.l.", 4},
    {"Fratelli Bellini Societ\xE0 a responsabilit\xE0 limitata", 4},
    {"Via Giuseppe Garibaldi 21, scala B, interno 7", 4},
    {"Sr. Jos\xE9 Mar\xED" "a Ib\xE1\xF1" "ez de la Pe\xF1" "a", 5},
    {"Jose Maria Ibanez de la Pena", 5},
    {"Sra. Mar\xED" "a Jes\xFAs Ag\xFC" "ero", 5},
    {"Construcciones Ag\xFC" "ero Sociedad An\xF3nima", 5},
    {"Construcciones Aguero S.A.", 5},
    {"Calle Mayor 5, 3\xBA izq.", 5},
    // Mixed languages and odd shapes.
    {"Dr. Hans-Peter Rossi y Garc\xED" "a, Ltd. GmbH", 3},
    {"Ms Anne-Marie Dupont-M\xFCller", 2},
    {"www.harwell-engineering.co.uk", 1},
    {"info@tannenbaum.de", 3},
    {"", 1},
    {"J", 9},
    {"  ,;  ", 0},
};

// Longer than MatchIt keeps in its cache (1,024 bytes), so scored uncached.
std::string longText(const char *word, int repeat)
{
    std::string s;
    for (int i = 0; i < repeat; ++i)
        s += std::string(word) + " " + std::to_string(i) + ", ";
    return s;
}

using Job = std::function<std::string()>;

std::vector<Job> allJobs(const std::vector<Sample> &samples)
{
    std::vector<Job> jobs;
    for (const Sample &s : samples) {
        const std::string t = s.text;
        const int lang = s.lang;
        for (int group : {0, 1, 2, 4, 5, 6, 7, 8, 9, 12}) {
            jobs.push_back([=] { return abbreviate(t, lang, group); });
            jobs.push_back([=] { return elaborate(t, lang, group); });
            jobs.push_back([=] { return exclude(t, lang, group); });
            jobs.push_back([=] { return normalise(t, lang, group); });
        }
        for (int flags = 0; flags < 16; flags += 5)
            jobs.push_back([=] {
                return viaBuffer([&](char *b, int c) {
                    GeneratePHK(t.c_str(), b, c, lang, flags & 1, flags & 2, flags & 4, flags & 8, 0, 0);
                });
            });
        for (int format = 0; format <= 2; ++format)
            jobs.push_back([=] { return gender(t, lang, format); });
        for (int style = 0; style <= 2; ++style)
            jobs.push_back([=] { return applyCase(t, style); });
        for (int p = 0; p <= 3; ++p)
            jobs.push_back([=] { return std::to_string(pattern(t, lang, p)); });
        jobs.push_back([=] { return transform(t, "ltd", "Limited", 1, 1); });
        jobs.push_back([=] { return customExclude(t, ",", "", 1); });
        // The duplicate scan: one text2 against every text1, as the program
        // scores a new contact against the list.
        jobs.push_back([=, &samples] {
            std::string scores;
            for (const Sample &other : samples) {
                int score = -1;
                MatchIt(other.text, t.c_str(), &score, 0);
                scores += std::to_string(score) + ",";
            }
            return scores;
        });
    }
    return jobs;
}

// Every job once, from start on in strides of step (made coprime with the
// count so that the walk visits them all).
std::vector<std::string> run(const std::vector<Job> &jobs, size_t start, size_t step)
{
    while (std::gcd(step, jobs.size()) != 1)
        ++step;
    std::vector<std::string> results(jobs.size());
    for (size_t k = 0, i = start % jobs.size(); k < jobs.size(); ++k, i = (i + step) % jobs.size())
        results[i] = jobs[i]();
    return results;
}

TEST(Threads, EveryExportGivesTheSingleThreadedResult)
{
    std::vector<Sample> samples(std::begin(kSamples), std::end(kSamples));
    const std::string longA = longText("Ashgrove Harwell Tannenbaum", 60);
    const std::string longB = longText("Ashgrove Harwel Tannenbaum", 60);
    ASSERT_GT(longA.size(), 1100u);
    samples.push_back({longA.c_str(), 1});
    samples.push_back({longB.c_str(), 3});
    const std::vector<Job> jobs = allJobs(samples);

    Finish();
    const std::vector<std::string> expected = run(jobs, 0, 1);

    constexpr int kThreads = 4, kRounds = 3;
    const size_t steps[kThreads] = {1, 7, 13, 31};
    for (int round = 0; round < kRounds; ++round) {
        Finish();  // no thread is inside the library here
        std::vector<std::vector<std::string>> got(kThreads);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&, t] { got[t] = run(jobs, jobs.size() * t / kThreads, steps[t]); });
        for (std::thread &th : threads)
            th.join();
        for (int t = 0; t < kThreads; ++t) {
            int mismatches = 0;
            for (size_t i = 0; i < jobs.size(); ++i)
                if (got[t][i] != expected[i] && ++mismatches <= 3)
                    ADD_FAILURE() << "round " << round << ", thread " << t << ", job " << i << ": got \""
                                  << got[t][i] << "\", alone \"" << expected[i] << "\"";
            EXPECT_EQ(mismatches, 0) << "round " << round << ", thread " << t;
        }
    }
}

// A thread's cached second text holds pointers into the forename relations;
// after Finish (made while no call is in flight) it must be prepared afresh,
// not read from what Finish freed. The sanitizer builds catch a stale read.
TEST(Threads, AThreadsCacheDoesNotOutliveFinish)
{
    const char *second = "Gigi Rossi";
    int before = -1, after = -1;
    std::thread warm([&] { MatchIt("Luigi Rossi", second, &before, 0); });
    warm.join();
    // The same worker thread must score again after Finish: keep one alive.
    std::atomic<int> step{0};
    std::thread worker([&] {
        MatchIt("Pierluigi Rossi", second, &before, 0);
        step = 1;
        while (step.load() != 2)
            std::this_thread::yield();
        MatchIt("Pierluigi Rossi", second, &after, 0);
    });
    while (step.load() != 1)
        std::this_thread::yield();
    Finish();
    step = 2;
    worker.join();
    EXPECT_EQ(before, after);
}

}  // namespace
