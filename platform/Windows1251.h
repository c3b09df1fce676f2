#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit Cyrillic code page in which the laboratory's text files are kept.
namespace platform {

/// Every byte has a character, and encodeWindows1251 gives the same byte back for it.
QString decodeWindows1251(const QByteArray& bytes);

/// Characters without a place in the code page become '?'.
QByteArray encodeWindows1251(const QString& text);

} // namespace platform
