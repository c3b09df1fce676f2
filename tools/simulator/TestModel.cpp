#include "tools/simulator/TestModel.h"

#include "records/CellLayout.h"
#include "tools/simulator/FreezingEvaluation.h"
#include "tools/simulator/GradeTable.h"
#include "tools/simulator/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace simulator {

namespace {

// Frost behaviour and strength of the four kinds of material the device knows.
struct MaterialTraits {
    double relativeExpansion; // Θ of a typical sample, 10⁻³
    double strengthLow;       // MPa
    double strengthHigh;
};
constexpr std::array<MaterialTraits, 4> Materials{
    {{0.50, 25, 40}, {0.90, 10, 20}, {0.35, 30, 45}, {1.30, 5, 15}}};

constexpr double StartTemperature = 20; // °C, the chambers at the first reading
// The chambers cool towards the refrigerator as T(t) = Tf + (T0 − Tf)·exp(−t/τ); a run lasts about three
// time constants, so the last reading is within a couple of kelvin of the refrigerator's floor and the
// whole curve stays smooth enough for a quartic in time to follow it within a few hundredths of a kelvin.
constexpr double FewestTimeConstants = 3.0;
constexpr double MostTimeConstants = 3.4;
constexpr double FridgeLead = 0.08;    // of τ: the refrigerator runs this far ahead of the chambers
constexpr double LatentPause = 0.035;  // of τ: how long the pore water's latent heat holds a chamber
constexpr double FastFreezing = 30;    // s, time constant of the ice expansion after nucleation
constexpr double FastShare = 0.85;     // of the expansion; the rest follows as the sample cools further
constexpr double SlowFreezingSpan = 4; // K below nucleation for 63 % of the slow part
constexpr double VolumeNoise = 0.0006; // cm³, standard deviation before rounding to 0.001
constexpr double TemperatureNoise = 0.04;
constexpr double FridgeNoise = 0.04;
constexpr double LatestTime = 65535; // s, the time word's range

// Newton cooling of one body towards a constant surrounding temperature.
struct Cooling {
    double start = StartTemperature; // °C at t = 0
    double floor = 0;                // °C, approached as t grows
    double timeConstant = 1;         // s

    double at(double t) const { return floor + (start - floor) * std::exp(-t / timeConstant); }
    /// When the curve reaches `temperature` (above the floor), s.
    double when(double temperature) const
    {
        return timeConstant * std::log((start - floor) / (temperature - floor));
    }
};

struct Chamber {
    Cooling cooling;
    double contraction = 0; // cm³ per K, the chamber liquid with the sample's own contraction
    double nucleation = 0;  // °C, the sample's pore water freezes once the chamber falls below it
    double expansion = 0;   // cm³, the sample's ice expansion; 0 without a sample
    double frozenAt = -1;   // s, when the pore water freezes; −1 if never
    double pause = 0;       // s, time scale of the latent-heat pause
    double warming = 0;     // K, how far the released heat lifts the chamber above its cooling curve

    /// The chamber's true temperature: its cooling curve, lifted for a while once the pore water freezes
    /// by a pulse that starts flat (so the fall stops for a moment) and fades smoothly.
    double temperature(double t) const
    {
        double value = cooling.at(t);
        if (frozenAt >= 0 && t > frozenAt) {
            const double x = (t - frozenAt) / pause;
            value += warming * x * std::exp(1 - x);
        }
        return value;
    }

    /// The volume change since t = 0, cm³: the liquid's contraction, then the ice's expansion, quick at
    /// nucleation and the rest levelling off as the sample cools further.
    double volumeChange(double t) const
    {
        double volume = contraction * (temperature(t) - cooling.start);
        if (frozenAt >= 0 && t >= frozenAt) {
            const double fast = 1 - std::exp(-(t - frozenAt) / FastFreezing);
            const double slow = 1 - std::exp(-std::max(nucleation - cooling.at(t), 0.0) / SlowFreezingSpan);
            volume += expansion * (FastShare * fast + (1 - FastShare) * slow);
        }
        return volume;
    }
};

double resolution(double value, double unitsPerOne)
{
    return std::round(value * unitsPerOne) / unitsPerOne;
}

Dimensions nominalDimensions(bool cylinder, Random& random)
{
    if (cylinder)
        return {static_cast<std::uint8_t>(random.between(69, 71)),
                static_cast<std::uint8_t>(random.between(69, 71)), 0};
    return {static_cast<std::uint8_t>(random.between(99, 101)),
            static_cast<std::uint8_t>(random.between(99, 101)),
            static_cast<std::uint8_t>(random.between(99, 101))};
}

std::int16_t thousandths(double value)
{
    return toSignedWord(value, 0.001);
}

} // namespace

double sampleVolume(const Dimensions& d, bool cylinder)
{
    if (cylinder) return std::numbers::pi * d[0] * d[0] * d[1] / 4000;
    return static_cast<double>(d[0]) * d[1] * d[2] / 1000;
}

QString checkOptions(const SimulationOptions& o)
{
    if (o.points < FewestPoints || o.points > MostPoints)
        return QStringLiteral("Число точек должно быть от %1 до %2.").arg(FewestPoints).arg(MostPoints);
    if (o.stepSeconds < 30 || o.stepSeconds > 240)
        return QStringLiteral("Шаг измерений должен быть от 30 до 240 с.");
    if (static_cast<double>(o.points - 1) * o.stepSeconds > LatestTime)
        return QStringLiteral("Испытание длиннее 65535 с не помещается в файл.");
    if (o.concreteType < 0 || o.concreteType > 3) return QStringLiteral("Тип бетона должен быть от 0 до 3.");
    if (!o.date.isValid() || o.date.year() < 2000 || o.date.year() > 2099)
        return QStringLiteral("Дата испытания должна лежать в 2000–2099 годах.");
    if (!o.time.isValid()) return QStringLiteral("Неверное время испытания.");
    if (o.strengthMpa && (*o.strengthMpa < 0 || *o.strengthMpa > 6553.5))
        return QStringLiteral("Прочность должна быть от 0 до 6553,5 МПа.");
    return {};
}

SimulatedTest simulateTest(const SimulationOptions& o)
{
    if (const QString problem = checkOptions(o); !problem.isEmpty())
        throw std::invalid_argument(problem.toStdString());

    Random random(o.seed);
    const MaterialTraits& material = Materials[static_cast<std::size_t>(o.concreteType)];
    const int n = o.points;
    const double step = o.stepSeconds;
    const double duration = (n - 1) * step;
    Cooling common;
    common.floor = random.uniform(-21.5, -20.8);
    common.timeConstant = duration / random.uniform(FewestTimeConstants, MostTimeConstants);
    // The refrigerator is ahead of the chambers by a fixed lead and settles a little below them.
    Cooling fridge = common;
    fridge.floor = common.floor - random.uniform(0.8, 1.5);
    fridge.start = fridge.floor + (common.start - common.floor) * std::exp(-FridgeLead);
    const double materialFactor = random.uniform(0.8, 1.25);
    // Drawn whether or not a strength is given, so that it changes no other value of the test.
    const double typicalStrength =
        std::round(random.uniform(material.strengthLow, material.strengthHigh) * 2) / 2;

    SimulatedTest test;
    records::CellHeader& h = test.description.header;
    h.testNumber = o.testNumber;
    h.series = o.series;
    h.hours = static_cast<std::uint8_t>(o.time.hour());
    h.minutes = static_cast<std::uint8_t>(o.time.minute());
    h.seconds = static_cast<std::uint8_t>(o.time.second());
    h.day = static_cast<std::uint8_t>(o.date.day());
    h.month = static_cast<std::uint8_t>(o.date.month());
    h.yearSince2000 = static_cast<std::uint8_t>(o.date.year() - 2000);
    h.concreteType = static_cast<std::uint8_t>(o.concreteType);
    h.shape = o.cylinder ? 1 : 0;
    h.strengthTenths = toUnsignedWord(o.strengthMpa.value_or(typicalStrength), 0.1);
    h.treatment = o.treatment;

    std::array<Chamber, records::ChamberCount> chambers;
    for (int k = 1; k <= records::ChamberCount; ++k) {
        Chamber& c = chambers[static_cast<std::size_t>(k - 1)];
        c.cooling.start = StartTemperature + random.uniform(-0.3, 0.3);
        c.cooling.floor = common.floor + random.uniform(-0.3, 0.3);
        c.cooling.timeConstant = common.timeConstant * random.uniform(0.98, 1.02);
        c.contraction = random.uniform(0.035, 0.045);
        c.nucleation = -random.uniform(1.0, 2.0);
        c.pause = LatentPause * c.cooling.timeConstant * random.uniform(0.8, 1.2);
        // Enough heat to stop the fall at nucleation (the pulse's slope there is warming·e/pause) or a
        // little more, so the chamber holds or briefly warms before it cools on.
        const double fallRate = (c.nucleation - c.cooling.floor) / c.cooling.timeConstant;
        c.warming = fallRate * c.pause / std::numbers::e * random.uniform(0.9, 1.2);
        const double chamberFactor = random.uniform(0.92, 1.08);
        const Dimensions sampled = nominalDimensions(o.cylinder, random);
        if (k > records::MeasuringChambers || !o.present[static_cast<std::size_t>(k - 1)]) continue;

        const Dimensions dims = o.dimensions ? (*o.dimensions)[static_cast<std::size_t>(k - 1)] : sampled;
        ChamberOutcome& outcome = test.chambers[static_cast<std::size_t>(k - 1)];
        outcome.present = true;
        outcome.sampleVolume = sampleVolume(dims, o.cylinder);
        h.dimensions[k] = dims;
        h.presentBytes[k] = 1;
        c.expansion =
            material.relativeExpansion * materialFactor * chamberFactor * outcome.sampleVolume / 1000;
        c.frozenAt = c.cooling.when(c.nucleation);
    }
    for (int k = 1; k <= records::ChamberCount; ++k) {
        h.pointCountBytes[k] = static_cast<std::uint8_t>(n);
        auto& series = test.description.chambers[k];
        series.time.reserve(static_cast<std::size_t>(n));
        series.volumeChange.reserve(static_cast<std::size_t>(n));
        series.temperature.reserve(static_cast<std::size_t>(n));
    }
    h.pointCountBytes[4] = static_cast<std::uint8_t>(n + records::layout::ChamberFourCountExcess);

    for (int i = 0; i < n; ++i) {
        const double t = i * step;
        for (int k = 1; k <= records::ChamberCount; ++k) {
            const Chamber& c = chambers[static_cast<std::size_t>(k - 1)];
            auto& series = test.description.chambers[k];
            series.time.push_back(t);
            series.volumeChange.push_back(resolution(c.volumeChange(t) + random.normal(VolumeNoise), 1000));
            series.temperature.push_back(resolution(c.temperature(t) + random.normal(TemperatureNoise), 10));
        }
        test.description.fridgeTemperature.push_back(
            resolution(fridge.at(t) + random.normal(FridgeNoise), 10));
    }

    double thetaSum = 0;
    int presentCount = 0;
    for (int k = 1; k <= records::MeasuringChambers; ++k) {
        ChamberOutcome& outcome = test.chambers[static_cast<std::size_t>(k - 1)];
        if (!outcome.present) continue;
        const auto& series = test.description.chambers[k];
        const FreezingEvaluation evaluation = evaluateFreezing(series.volumeChange, series.temperature);
        outcome.zeroCrossing = firstSlotBelowZero(series.temperature);
        outcome.firstMinimum = evaluation.firstMinimum;
        outcome.volumeChange = evaluation.volumeChange;
        outcome.relativeVolumeChange =
            outcome.sampleVolume > 0 ? outcome.volumeChange / outcome.sampleVolume * 1000 : 0;
        thetaSum += outcome.relativeVolumeChange;
        ++presentCount;
        h.volumeChangeThousandths[k] = thousandths(outcome.volumeChange);

        const auto at = [&](int slot) {
            return series.volumeChange[static_cast<std::size_t>(std::max(slot, 0))];
        };
        const std::array<int, 5> marked{0, std::max(outcome.zeroCrossing, 0),
                                        std::max(evaluation.firstMinimum, 0),
                                        std::max(evaluation.largestRise, 0), n - 1};
        for (std::size_t p = 0; p < marked.size(); ++p)
            h.storedPoints[k][p] = {marked[p], at(marked[p])};
    }
    const double mean = presentCount > 0 ? thetaSum / presentCount : 0;
    h.MeanRelativeVolumeChange = toUnsignedWord(mean, 0.001);
    test.meanRelativeVolumeChange = h.MeanRelativeVolumeChange / 1000.0;
    test.gradeIndex = presentCount > 0 ? gradeIndexFor(test.meanRelativeVolumeChange) : 0;
    h.GradeIndex = static_cast<std::uint16_t>(test.gradeIndex);
    return test;
}

} // namespace simulator
