#include "tools/simulator/TestModel.h"

#include "testdata/CellLayout.h"
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
    double relativeExpansion;  // Θ of a typical sample, 10⁻³
    double strengthLow;        // MPa
    double strengthHigh;
};
constexpr std::array<MaterialTraits, 4> Materials{
    {{0.50, 25, 40}, {0.90, 10, 20}, {0.35, 30, 45}, {1.30, 5, 15}}};

constexpr double RoomTemperature = 23;   // °C, the chambers before the refrigerator starts
constexpr double StartTemperature = 20;  // °C, the chambers at the first reading
constexpr double TypicalLag = 300;       // s, how far a chamber trails the refrigerator
constexpr double RampShare = 0.7;        // the refrigerator reaches its floor after this share of the run
constexpr double FastFreezing = 30;      // s, time constant of the ice expansion after nucleation
constexpr double FastShare = 0.85;       // of the expansion; the rest follows as the sample cools further
constexpr double SlowFreezingSpan = 10;  // K below nucleation until the slow part is complete
constexpr double VolumeNoise = 0.0006;   // cm³, standard deviation before rounding to 0.001
constexpr double TemperatureNoise = 0.03;
constexpr double FridgeNoise = 0.04;
constexpr double LatestTime = 65535;     // s, the time word's range

struct Chamber {
    double follow = 0;         // share of the gap to the refrigerator closed per second
    double contraction = 0;    // cm³ per K, the chamber liquid with the sample's own contraction
    double nucleation = 0;     // °C, the sample's pore water freezes once the chamber falls below it
    double expansion = 0;      // cm³, the sample's ice expansion; 0 without a sample
    double temperature = RoomTemperature;
    double firstTemperature = 0;
    double frozenSince = -1;   // s, −1 while the pore water is liquid
};

double resolution(double value, double unitsPerOne) { return std::round(value * unitsPerOne) / unitsPerOne; }

Dimensions nominalDimensions(bool cylinder, Random& random)
{
    if (cylinder)
        return {static_cast<std::uint8_t>(random.between(69, 71)),
                static_cast<std::uint8_t>(random.between(69, 71)), 0};
    return {static_cast<std::uint8_t>(random.between(99, 101)),
            static_cast<std::uint8_t>(random.between(99, 101)),
            static_cast<std::uint8_t>(random.between(99, 101))};
}

std::int16_t thousandths(double value) { return toSignedWord(value, 0.001); }

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
    const double floor = random.uniform(-22, -21);
    const double rate = (StartTemperature - floor) / (RampShare * duration + TypicalLag);  // K/s
    const double fridgeAtStart = StartTemperature - rate * TypicalLag;
    const auto fridge = [&](double t) {
        return std::clamp(fridgeAtStart - rate * t, floor, RoomTemperature);
    };
    const double materialFactor = random.uniform(0.8, 1.25);
    // Drawn whether or not a strength is given, so that it changes no other value of the test.
    const double typicalStrength =
        std::round(random.uniform(material.strengthLow, material.strengthHigh) * 2) / 2;

    SimulatedTest test;
    testdata::CellHeader& h = test.description.header;
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

    std::array<Chamber, testdata::ChamberCount> chambers;
    for (int k = 1; k <= testdata::ChamberCount; ++k) {
        Chamber& c = chambers[static_cast<std::size_t>(k - 1)];
        c.follow = 1 - std::exp(-1 / random.uniform(240, 360));
        c.contraction = random.uniform(0.035, 0.045);
        c.nucleation = -random.uniform(1.0, 3.0);
        c.temperature = RoomTemperature + random.uniform(-0.3, 0.3);
        const double chamberFactor = random.uniform(0.92, 1.08);
        const Dimensions sampled = nominalDimensions(o.cylinder, random);
        if (k > testdata::MeasuringChambers || !o.present[static_cast<std::size_t>(k - 1)]) continue;

        const Dimensions dims = o.dimensions ? (*o.dimensions)[static_cast<std::size_t>(k - 1)] : sampled;
        ChamberOutcome& outcome = test.chambers[static_cast<std::size_t>(k - 1)];
        outcome.present = true;
        outcome.sampleVolume = sampleVolume(dims, o.cylinder);
        h.dimensions[k] = dims;
        h.presentBytes[k] = 1;
        c.expansion =
            material.relativeExpansion * materialFactor * chamberFactor * outcome.sampleVolume / 1000;
    }
    for (int k = 1; k <= testdata::ChamberCount; ++k) {
        h.pointCountBytes[k] = static_cast<std::uint8_t>(n);
        auto& series = test.description.chambers[k];
        series.time.reserve(static_cast<std::size_t>(n));
        series.volumeChange.reserve(static_cast<std::size_t>(n));
        series.temperature.reserve(static_cast<std::size_t>(n));
    }
    h.pointCountBytes[4] = static_cast<std::uint8_t>(n + testdata::layout::ChamberFourCountExcess);

    // The chambers follow the refrigerator as first-order lags, integrated second by second from the
    // moment it starts cooling the room-warm chambers.
    const int first = -static_cast<int>(std::ceil((RoomTemperature - fridgeAtStart) / rate));
    const int last = (n - 1) * o.stepSeconds;
    for (int t = first; t <= last; ++t) {
        const double outside = fridge(t);
        for (Chamber& c : chambers) {
            c.temperature += (outside - c.temperature) * c.follow;
            if (c.expansion > 0 && c.frozenSince < 0 && c.temperature < c.nucleation) c.frozenSince = t;
        }
        if (t < 0 || t % o.stepSeconds != 0) continue;

        for (int k = 1; k <= testdata::ChamberCount; ++k) {
            Chamber& c = chambers[static_cast<std::size_t>(k - 1)];
            if (t == 0) c.firstTemperature = c.temperature;
            double volume = c.contraction * (c.temperature - c.firstTemperature);
            if (c.frozenSince >= 0) {
                const double fast = 1 - std::exp(-(t - c.frozenSince) / FastFreezing);
                const double slow = std::clamp((c.nucleation - c.temperature) / SlowFreezingSpan, 0.0, 1.0);
                volume += c.expansion * (FastShare * fast + (1 - FastShare) * slow);
            }
            auto& series = test.description.chambers[k];
            series.time.push_back(t);
            series.volumeChange.push_back(resolution(volume + random.normal(VolumeNoise), 1000));
            series.temperature.push_back(resolution(c.temperature + random.normal(TemperatureNoise), 10));
        }
        test.description.fridgeTemperature.push_back(resolution(outside + random.normal(FridgeNoise), 10));
    }

    double thetaSum = 0;
    int presentCount = 0;
    for (int k = 1; k <= testdata::MeasuringChambers; ++k) {
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
        for (std::size_t p = 0; p < marked.size(); ++p) h.storedPoints[k][p] = {marked[p], at(marked[p])};
    }
    const double mean = presentCount > 0 ? thetaSum / presentCount : 0;
    h.MeanRelativeVolumeChange = toUnsignedWord(mean, 0.001);
    test.meanRelativeVolumeChange = h.MeanRelativeVolumeChange / 1000.0;
    test.gradeIndex = presentCount > 0 ? gradeIndexFor(test.meanRelativeVolumeChange) : 0;
    h.GradeIndex = static_cast<std::uint16_t>(test.gradeIndex);
    return test;
}

} // namespace simulator
