#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

namespace simulator {

/// A seeded source of random numbers that gives the same sequence on every compiler: the Mersenne
/// twister's output is fixed by the standard, the library's distributions are not.
class Random final {
public:
    explicit Random(std::uint32_t seed) : m_engine(seed) {}

    /// Uniform in (0, 1).
    double uniform() { return (static_cast<double>(m_engine()) + 0.5) / 4294967296.0; }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    /// A whole number in low..high.
    int between(int low, int high) { return low + static_cast<int>(uniform() * (high - low + 1)); }
    /// Normal with mean 0 (Box–Muller).
    double normal(double sigma)
    {
        const double u = uniform();
        const double v = uniform();
        return sigma * std::sqrt(-2 * std::log(u)) * std::cos(2 * std::numbers::pi * v);
    }

private:
    std::mt19937 m_engine;
};

} // namespace simulator
