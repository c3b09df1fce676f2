#pragma once

#include <QChar>
#include <QString>
#include <Qt>
#include <string_view>
#include <vector>

class QTextBlockFormat;

// The formatting state that an RTF group carries and the keywords that change it.
namespace platform::rtf {

inline constexpr int defaultHalfPoints = 24;

enum class Destination { Text, FontTable, ColorTable, Skipped };

struct CharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = defaultHalfPoints;
    int font = -1; // the document's default font
    int color = 0; // index into the colour table; 0 is the default colour
    int highlight = 0;

    bool operator==(const CharacterState&) const = default;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0; // twips, as are the rest
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<int> tabStops; // from the left edge of the text, as \txN gives them
};

struct GroupState {
    CharacterState characters;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeFallback = 1; // bytes or control words after \uN that stand in for its character
};

struct FontEntry {
    QString family;
    int charset = 1; // the default charset: the document's code page
};

/// Applies a character or paragraph formatting word (\b, \fs, \qc, \pard, ...) to `group`.
/// Returns false, changing nothing, when `word` is none of them.
bool applyFormattingWord(GroupState& group, std::string_view word, bool hasParameter, int parameter);

/// The character a word such as \emdash, \tab or \line stands for, or a null QChar.
QChar namedCharacter(std::string_view word);

/// True for the destinations whose content is never shown (\pict, \info, \header, ...).
bool isSkippedDestination(std::string_view word);

/// The paragraph's alignment, indents, spacing and tab stops, at 96 pixels per inch. A hanging first
/// line gets a tab stop at the paragraph's indent, as word processors give it, so that a bullet and a
/// tab line the text up with the lines below.
QTextBlockFormat blockFormat(const ParagraphState& paragraph);

} // namespace platform::rtf
