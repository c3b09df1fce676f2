#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// What every benchmark measures with, and how it hands its figures to scripts/bench.sh.
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

/// Medians of a measured piece of work, in microseconds per unit.
struct Figure {
    double wall = 0;
    double cpu = 0;
};

/// The wall and CPU times of measured runs.
class Samples final {
public:
    void start()
    {
        m_cpuStart = threadCpuMicroseconds();
        m_timer.start();
    }
    /// Ends a run that did `units` units of work.
    void stop(int units = 1)
    {
        m_wall.push_back(static_cast<double>(m_timer.nsecsElapsed()) / 1e3 / units);
        m_cpu.push_back((threadCpuMicroseconds() - m_cpuStart) / units);
    }
    Figure medians() const { return {median(m_wall), median(m_cpu)}; }

private:
    QElapsedTimer m_timer;
    double m_cpuStart = 0;
    std::vector<double> m_wall;
    std::vector<double> m_cpu;
};

/// Runs `work` `runs` times, each run doing `unitsPerRun` units of work, and returns the medians per unit.
template <typename Work> Figure measure(int runs, int unitsPerRun, Work work)
{
    Samples samples;
    for (int run = 0; run < runs; ++run) {
        samples.start();
        work();
        samples.stop(unitsPerRun);
    }
    return samples.medians();
}

/// Prints a figure as the line scripts/bench.sh reads: "result <key> <wall µs> <cpu µs>".
inline void report(const char* key, const Figure& figure)
{
    std::printf("result %s %.3f %.3f\n", key, figure.wall, figure.cpu);
    std::fflush(stdout);
}

} // namespace benchmarks
