// What the Windows benchmarks share: where the build put the programs, and the median they print.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

// <build>\bin, seen from a benchmark at <build>\bench\<subsystem>\bench_*.exe.
inline std::string binDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    for (int up = 0; up < 3; ++up) dir = dir.substr(0, dir.find_last_of('\\'));
    return dir + "\\bin";
}

// The middle value; -1 for none.
inline double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace bench
