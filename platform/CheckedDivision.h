#pragma once

#include "platform/Error.h"
#include "platform/Messages.h"

namespace platform {

/// Divides as the floating-point unit of the original platform did with its exceptions unmasked:
/// an exact zero divisor raises "Floating point division by zero", and 0/0 raises
/// "Invalid floating point operation". C++ does not trap, so the check comes first.
template <typename Real>
Real checkedDivide(Real numerator, Real denominator)
{
    if (denominator == Real(0)) {
        throw Error(numerator == Real(0) ? messages::invalidFloatingPointOperation()
                                         : messages::divisionByZero());
    }
    return numerator / denominator;
}

} // namespace platform
