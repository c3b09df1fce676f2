#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

// What every benchmark measures with.
namespace benchmarks {

inline double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

/// The CPU time of this thread in microseconds: unlike the wall clock, it leaves out the time that
/// other processes of a busy machine take.
inline double threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

} // namespace benchmarks
