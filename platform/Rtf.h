#pragma once

#include <QByteArray>

class QTextDocument;

// Rich text in the RTF form that word processors write.
namespace platform {

/// True when `bytes` are an RTF stream, that is, they begin with "{\rtf".
bool isRtf(const QByteArray& bytes);

/// Replaces the content of `document` with the text of the RTF `bytes`: paragraphs, line breaks,
/// tabs, bold, italic, underline, font sizes and families, text and highlight colours, alignment,
/// indents and paragraph spacing. Bytes of \'hh and plain text are read in the code page of the
/// current font's charset, else of \ansicpgN (Windows-1251 when the stream names none); \uN is
/// honoured and its \ucN fallback skipped. Pictures, headers, the information block and every
/// {\*\...} group are left out. Malformed input (unbalanced braces, truncated control words, huge
/// numbers, deep nesting) yields the text that can be made out; the pass is linear in the size.
void loadRtf(QTextDocument& document, const QByteArray& bytes);

} // namespace platform
