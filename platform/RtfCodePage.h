#pragma once

#include <QChar>

namespace platform {

/// The code page that an RTF font's \fcharsetN selects, or `documentCodePage` for the default
/// charset (1) and for charsets this reader does not know.
int codePageOfCharset(int charset, int documentCodePage);

/// The character of one byte in an 8-bit code page. Windows-1251 and Windows-1252 are exact; any
/// other code page is read as Latin-1, which agrees with them on the printable ASCII half.
QChar decodeCodePageByte(unsigned char byte, int codePage);

} // namespace platform
