#pragma once

// One figure for the table of scripts/bench.sh, printed on standard output
// beside a benchmark's own report as
//   figure <TAB> key <TAB> median <TAB> min <TAB> max <TAB> unit <TAB> runs
// The script knows each key's row and label; a new benchmark only prints its
// figures under a new key and gets a line in the script's list.

#include <algorithm>
#include <cstdio>
#include <vector>

namespace BenchRow {

inline void print(const char *key, std::vector<double> samples, const char *unit = "ms")
{
    if (samples.empty()) {
        std::printf("figure\t%s\t-\t-\t-\t%s\t0\n", key, unit);
    } else {
        std::sort(samples.begin(), samples.end());
        std::printf("figure\t%s\t%.1f\t%.1f\t%.1f\t%s\t%d\n", key, samples[samples.size() / 2],
                    samples.front(), samples.back(), unit, int(samples.size()));
    }
    std::fflush(stdout);
}

} // namespace BenchRow
