#pragma once

#include <QString>
#include <QStringList>

namespace output {

/// The signature lines the report and settings memos are designed with: two signature blocks laid out
/// side by side with blanks in the memos' 8-point font (160 and 184 characters).
QStringList designSignatureLines();

/// The text of the signature lines file for a memo's text: its lines joined by CR LF, with a final line
/// break only where the memo's text ends with one.
QString signatureFileText(const QString& memoText);

/// Reads the signature lines file (Windows-1251; CR LF, CR or LF end a line).
/// Throws platform::Error("Cannot open file ...") when it cannot be read.
QStringList readSignatureLines(const QString& path);

/// Replaces the signature lines file with a memo's text, creating it if absent. A failed write leaves
/// the old file whole. Throws platform::Error("Cannot create file ...") when it cannot be written.
void writeSignatureLines(const QString& path, const QString& memoText);

} // namespace output
