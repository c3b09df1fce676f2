#pragma once

#include <QString>

namespace cellexport {

/// The shortest decimal text that reads back as the same double ("0.1", "-0.001", "1e-07"); "nan",
/// "inf" and "-inf" for values that are not finite.
QString shortestText(double value);

} // namespace cellexport
