#pragma once

#include <fstream>
#include <unistd.h>

namespace testsupport {

/// The bytes of this process that are resident in memory now (Linux: /proc/self/statm).
inline long long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long long pages = 0;
    long long residentPages = 0;
    statm >> pages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}

} // namespace testsupport
