#pragma once

#include "platform/NumberFormat.h"
#include "records/CellHeader.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace records {

/// What the header controls of the main window show for a test.
struct HeaderTexts {
    QString timeText;        ///< five blanks, then "HH:MM:SS" (bytes 5, 4, 3)
    QTime time;              ///< timeText converted
    QString dateText;        ///< five blanks, then "DD.MM.YYYY" (bytes 6, 7, 8)
    QDate date;              ///< dateText converted as day.month.year
    QString seriesText;      ///< decimal text of the series number
    int concreteTypeIndex = 0;  ///< item of the concrete-type list; outside the list means no item
    int shapeIndex = 0;         ///< item of the shape list; outside the list means no item
    QString strengthText;    ///< MPa in the general format, with the decimal point asked for

    /// "dd.MM.yyyy" of the date and "HH:mm:ss" of the time: the texts without their blanks, which are
    /// exactly that once they converted.
    QString dateWithoutBlanks() const { return dateText.trimmed(); }
    QString timeWithoutBlanks() const { return timeText.trimmed(); }
};

/// The items of the concrete-type list, in the order of the stored index.
QStringList concreteTypeNames();

/// The items of the sample-shape list, in the order of the stored index: cube, cylinder.
QStringList shapeNames();

/// The clock time of the test as the device's fields spell it: five blanks and "HH:MM:SS", each field
/// padded with a "0" below 10 (a byte above 99 gives three digits).
QString testTimeText(const CellHeader& header);

/// The date of the test: five blanks and "DD.MM." followed by the year, "20" + byte 8 when it is above 9
/// and "200" + byte 8 otherwise. A byte above 99 gives a five-digit year, which no conversion accepts.
QString testDateText(const CellHeader& header);

/// Converts a clock-time text: optional leading and trailing blanks around "H:M:S" with hours 0..23 and
/// minutes and seconds 0..59. Throws platform::Error "'<text>' is not a valid date and time" otherwise.
QTime toTestTime(const QString& text);

/// Converts a date text written day.month.year (optional blanks around it, year 1..9999, a real calendar
/// day). Throws platform::Error "'<text>' is not a valid date and time" otherwise.
QDate toTestDate(const QString& text);

/// The header texts of a test; the strength is written with `decimalPoint`, the user's own on screen.
/// The time is converted before the date, so an invalid time is the one reported when both are invalid.
/// Throws platform::Error as toTestTime / toTestDate do.
HeaderTexts decodeHeaderTexts(const CellHeader& header,
                              const QString& decimalPoint = platform::userDecimalPoint());

} // namespace records
