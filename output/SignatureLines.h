#pragma once

#include <QString>
#include <QStringList>

namespace output {

/// The signature lines the report and settings memos are designed with: two signature blocks laid out
/// side by side with blanks in the memos' 8-point font (160 and 184 characters).
QStringList designSignatureLines();

/// A text with every line break (CR LF, a lone CR, a lone LF, and the paragraph and line separators of
/// a text document) made a line feed: the signature lines file as a memo shows it, one file line per
/// memo line. A final line break keeps the empty line after it.
QString signatureMemoText(const QString& text);

/// The text the signature lines file gets for a memo's text. A memo that still shows `loadedFileText`
/// gives that text back as it was read, whatever its line breaks, so an unedited file keeps every byte;
/// an edited memo's lines are joined by CR LF, with a final line break only where the memo's text ends
/// with one.
QString signatureFileText(const QString& memoText, const QString& loadedFileText);

/// The signature lines file of the program in `programFolder`: "/Temp/N.ns" under it.
QString signatureFilePath(const QString& programFolder);

} // namespace output
