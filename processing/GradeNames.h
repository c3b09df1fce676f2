#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace processing {

/// Frost-resistance grades in the order of the stored grade index.
inline const std::array<QString, 13> GradeNames = {
    QStringLiteral("F25"),  QStringLiteral("F35"),  QStringLiteral("F50"),  QStringLiteral("F75"),
    QStringLiteral("F100"), QStringLiteral("F150"), QStringLiteral("F200"), QStringLiteral("F300"),
    QStringLiteral("F400"), QStringLiteral("F500"), QStringLiteral("F600"), QStringLiteral("F800"),
    QStringLiteral("F1000"),
};

/// The grade name of a stored index; every index of 12 or more is "F1000".
inline const QString& gradeName(std::uint16_t gradeIndex) { return GradeNames[gradeIndex < 12 ? gradeIndex : 12]; }

} // namespace processing
