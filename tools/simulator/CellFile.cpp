#include "tools/simulator/CellFile.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "records/CellLayout.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace simulator {

using namespace records::layout;

namespace {

void checkPoint(int chamber, int point)
{
    if (chamber < 1 || chamber > records::ChamberCount || point < 0 || point >= records::PointSlots)
        throw std::out_of_range("chamber " + std::to_string(chamber) + ", point " + std::to_string(point));
}

double roundedUnits(double value, double unit, double lowest, double highest)
{
    return std::clamp(std::round(value / unit), lowest, highest);
}

} // namespace

std::int16_t toSignedWord(double value, double unit)
{
    return static_cast<std::int16_t>(roundedUnits(value, unit, -32768, 32767));
}

std::uint16_t toUnsignedWord(double value, double unit)
{
    return static_cast<std::uint16_t>(roundedUnits(value, unit, 0, 65535));
}

CellFile::CellFile() : m_bytes(FullFileSize, '\0') {}

CellFile::CellFile(const CellDescription& description) : CellFile()
{
    setHeader(description.header);
    for (int k = 1; k <= records::ChamberCount; ++k) setSeries(k, description.chambers[k]);
    setFridgeTemperature(description.fridgeTemperature);
}

void CellFile::setHeader(const records::CellHeader& header)
{
    setU16(TestNumber, header.testNumber);
    setByte(Series, header.series);
    setByte(Seconds, header.seconds);
    setByte(Minutes, header.minutes);
    setByte(Hours, header.hours);
    setByte(Day, header.day);
    setByte(Month, header.month);
    setByte(YearSince2000, header.yearSince2000);
    setByte(ConcreteType, header.concreteType);
    setByte(Shape, header.shape);
    setU16(StrengthTenths, header.strengthTenths);
    for (int k = 1; k <= records::MeasuringChambers; ++k) {
        for (int d = 0; d < 3; ++d)
            setByte(dimension(k, d), header.dimensions[k][static_cast<std::size_t>(d)]);
        setByte(present(k), header.presentBytes[k]);
        setI16(volumeChange(k), header.volumeChangeThousandths[k]);
        for (int p = 0; p < StoredPointsPerChamber; ++p) {
            const auto& point = header.storedPoints[k][static_cast<std::size_t>(p)];
            setI16(storedPoint(k, p), static_cast<std::int16_t>(point.index));
            setI16(storedPoint(k, p) + 2, toSignedWord(point.value, 0.001));
        }
    }
    for (int k = 1; k <= records::ChamberCount; ++k) setByte(pointCount(k), header.pointCountBytes[k]);
    setByte(Treatment, header.treatment);
    setU16(MeanRelativeVolumeChange, header.MeanRelativeVolumeChange);
    setU16(GradeIndex, header.GradeIndex);
}

void CellFile::setSeries(int chamber, const MeasuredSeries& series)
{
    for (std::size_t i = 0; i < series.time.size(); ++i)
        setTime(chamber, static_cast<int>(i), series.time[i]);
    for (std::size_t i = 0; i < series.volumeChange.size(); ++i)
        setVolumeChange(chamber, static_cast<int>(i), series.volumeChange[i]);
    for (std::size_t i = 0; i < series.temperature.size(); ++i)
        setTemperature(chamber, static_cast<int>(i), series.temperature[i]);
}

void CellFile::setFridgeTemperature(const std::vector<double>& celsius)
{
    for (std::size_t i = 0; i < celsius.size(); ++i) setFridgeTemperature(static_cast<int>(i), celsius[i]);
}

void CellFile::setTime(int chamber, int point, double seconds)
{
    checkPoint(chamber, point);
    setU16(laneWord(chamber, TimeLane, point), toUnsignedWord(seconds, 1));
}

void CellFile::setVolumeChange(int chamber, int point, double cm3)
{
    checkPoint(chamber, point);
    setI16(laneWord(chamber, VolumeChangeLane, point), toSignedWord(cm3, 0.001));
}

void CellFile::setTemperature(int chamber, int point, double celsius)
{
    checkPoint(chamber, point);
    const int at = chamber == 4 ? chamberFourTemperature(point) : laneWord(chamber, TemperatureLane, point);
    setI16(at, toSignedWord(celsius, 0.1));
}

void CellFile::setFridgeTemperature(int point, double celsius)
{
    checkPoint(1, point);
    setI16(laneWord(1, FridgeLane, point), toSignedWord(celsius, 0.1));
}

void CellFile::setLaneWord(int chamber, int lane, int i, std::uint16_t word)
{
    checkPoint(chamber, i);
    if (lane < TimeLane || lane > FridgeLane) throw std::out_of_range("lane " + std::to_string(lane));
    setU16(laneWord(chamber, lane, i), word);
}

void CellFile::setByte(int offset, std::uint8_t value)
{
    if (offset < 0) throw std::out_of_range("offset " + std::to_string(offset));
    if (offset >= size()) resize(offset + 1);
    m_bytes[offset] = static_cast<char>(value);
}

void CellFile::setU16(int offset, std::uint16_t value)
{
    setByte(offset, static_cast<std::uint8_t>(value & 0xFF));
    setByte(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

void CellFile::resize(int size)
{
    if (size < 0) throw std::out_of_range("size " + std::to_string(size));
    const int old = this->size();
    m_bytes.resize(size);
    if (size > old) std::fill(m_bytes.begin() + old, m_bytes.end(), '\0');
}

records::Slot CellFile::overlaid(const records::Slot& previous) const
{
    records::Slot slot = previous;
    std::copy_n(m_bytes.cbegin(), std::min(size(), records::SlotSize), slot.begin());
    return slot;
}

records::Slot CellFile::toSlot() const { return overlaid(records::Slot{}); }

void CellFile::writeTo(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_bytes) != m_bytes.size() || !file.commit())
        throw platform::Error(platform::messages::cannotCreateFile(path, file.errorString()));
}

void CellFile::writeNewFile(const QString& path) const
{
    QFile file(path);
    // The system creates the file only if the name is free, in one step no other program can split.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw platform::Error(platform::messages::cannotCreateFile(path, file.errorString()));
    if (file.write(m_bytes) != m_bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        throw platform::Error(platform::messages::cannotCreateFile(path, reason));
    }
}

} // namespace simulator
