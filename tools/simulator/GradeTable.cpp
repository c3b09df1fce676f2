#include "tools/simulator/GradeTable.h"

#include <array>
#include <stdexcept>

namespace simulator {

namespace {

// Upper bounds of Θ̄ for grades F1000, F800, … F35 (indexes 12 down to 1); anything larger is F25.
constexpr std::array<double, 12> UpperBounds{0.20, 0.25, 0.30, 0.36, 0.43, 0.52,
                                             0.63, 0.76, 0.92, 1.10, 1.32, 1.60};

} // namespace

int gradeIndexFor(double meanRelativeVolumeChange)
{
    for (std::size_t band = 0; band < UpperBounds.size(); ++band) {
        if (meanRelativeVolumeChange < UpperBounds[band]) return 12 - static_cast<int>(band);
    }
    return 0;
}

double gradeUpperBound(int index)
{
    if (index < 1 || index > 12) throw std::out_of_range("grade index");
    return UpperBounds[static_cast<std::size_t>(12 - index)];
}

} // namespace simulator
