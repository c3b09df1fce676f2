#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input of a fuzz target must keep. A broken one ends the run as a crash does, so
// libFuzzer keeps the input and the corpus replay fails on it.
#define FUZZ_CHECK(condition) ((condition) ? void(0) : fuzzcheck::fail(#condition, __FILE__, __LINE__))

namespace fuzzcheck {

[[noreturn]] inline void fail(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

} // namespace fuzzcheck
