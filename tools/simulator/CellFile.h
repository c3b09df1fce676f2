#pragma once

#include "records/CellHeader.h"
#include "records/RecordStore.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace simulator {

/// The measured series of one chamber in physical units; the writer rounds them to the device's
/// resolution (1 s, 0.001 cm³, 0.1 °C). Point i of each vector goes to slot i.
struct MeasuredSeries {
    std::vector<double> time;           ///< s, 0..65535
    std::vector<double> volumeChange;   ///< cm³, −32.768..32.767
    std::vector<double> temperature;    ///< °C, −3276.8..3276.7
};

/// Everything the device writes for one test.
struct CellDescription {
    records::CellHeader header;  ///< every header field as stored (chamber 4's count byte is its count + 3)
    records::ByChamber<MeasuredSeries, records::ChamberCount> chambers;
    std::vector<double> fridgeTemperature;  ///< °C, recorded beside chamber 1
};

/// The bytes of one ".cell" file, built byte for byte. Starts as a zero file of four complete chamber
/// blocks (9728 bytes); any byte can be set afterwards and the file grows or shrinks to any size, so a
/// test can build files the device would never write.
class CellFile final {
public:
    CellFile();
    explicit CellFile(const CellDescription& description);

    /// Writes every header field at its offset.
    void setHeader(const records::CellHeader& header);

    /// Writes a chamber's series from slot 0 on; chamber 4's temperatures start two words into their
    /// lane, as the decoder expects.
    void setSeries(int chamber, const MeasuredSeries& series);
    void setFridgeTemperature(const std::vector<double>& celsius);

    void setTime(int chamber, int point, double seconds);
    void setVolumeChange(int chamber, int point, double cm3);
    void setTemperature(int chamber, int point, double celsius);
    void setFridgeTemperature(int point, double celsius);

    /// Raw words: word i of lane 0..3 of a chamber's block, wherever the decoder looks for it.
    void setLaneWord(int chamber, int lane, int i, std::uint16_t word);

    /// Raw bytes at any offset ≥ 0; writing past the end grows the file with zeros.
    void setByte(int offset, std::uint8_t value);
    void setU16(int offset, std::uint16_t value);
    void setI16(int offset, std::int16_t value) { setU16(offset, static_cast<std::uint16_t>(value)); }

    /// Cuts the file or extends it with zeros.
    void resize(int size);

    int size() const { return static_cast<int>(m_bytes.size()); }
    std::uint8_t byteAt(int offset) const { return static_cast<std::uint8_t>(m_bytes.at(offset)); }
    const QByteArray& bytes() const { return m_bytes; }

    /// A slot as loading this file into a slot holding `previous` leaves it: the file's bytes at their
    /// positions (at most 10001), the rest of `previous` unchanged.
    records::Slot overlaid(const records::Slot& previous) const;
    /// The same into a zero slot.
    records::Slot toSlot() const;

    /// Writes the file; throws platform::Error "Cannot create file ..." when it cannot.
    void writeTo(const QString& path) const;

    /// Writes the file under a name nothing holds yet, as the device files a test: a file, folder or
    /// link of that name, also one made meanwhile by another program, makes it throw platform::Error
    /// "Cannot create file ..." and stays as it was. A failed write leaves no file behind.
    void writeNewFile(const QString& path) const;

private:
    QByteArray m_bytes;
};

/// Device rounding: the nearest whole number of `unit` (halves away from zero), clamped to the word.
std::int16_t toSignedWord(double value, double unit);
std::uint16_t toUnsignedWord(double value, double unit);

} // namespace simulator
