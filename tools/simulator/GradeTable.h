#pragma once

namespace simulator {

/// The frost-resistance grade index (0 "F25" … 12 "F1000") the device assigns to a mean relative volume
/// change Θ̄ in 10⁻³: the smaller the expansion on freezing, the higher the grade. Negative values count
/// as no expansion.
int gradeIndexFor(double meanRelativeVolumeChange);

/// The smallest Θ̄ (10⁻³) that no longer earns grade index `index` (1..12), i.e. the upper bound of its band.
double gradeUpperBound(int index);

} // namespace simulator
