#include "platform/RtfState.h"

#include <QTextBlockFormat>
#include <algorithm>
#include <iterator>

namespace platform::rtf {

namespace {

// 1 twip = 1/1440 inch; the document lays out at 96 pixels per inch.
constexpr double pixelsPerTwip = 96.0 / 1440.0;

// More tab stops than any ruler holds are dropped.
constexpr std::size_t maxTabStops = 64;

// 1638 points is the largest size word processors offer.
constexpr int maxHalfPoints = 3276;

// clang-format off
constexpr std::string_view skippedDestinations[] = {
    "pict", "info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
    "footerf", "footnote", "annotation", "atnid", "atnauthor", "object", "objdata", "fldinst", "filetbl",
    "revtbl", "rsidtbl", "listtable", "listoverridetable", "xmlnstbl", "generator", "themedata",
    "colorschememapping", "latentstyles", "datastore", "bkmkstart", "bkmkend", "txe", "xe", "tc", "rxe",
    "pn", "nonshppict", "shpinst", "do", "template", "userprops", "docvar", "private", "mmathPr",
    "pgdsctbl", "fchars", "lchars", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "falt",
    "panose", "fname",
};
// clang-format on

struct NamedCharacter {
    std::string_view word;
    char16_t character;
};

constexpr NamedCharacter namedCharacters[] = {
    {"line", 0x2028},      {"tab", u'\t'},        {"cell", u'\t'},     {"emdash", 0x2014},
    {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
    {"qmspace", 0x2005},   {"zwnj", 0x200C},
};

constexpr std::string_view underlineWords[] = {"ul", "uld", "uldb", "ulw", "ulwave", "uldash", "ulth"};

template <std::size_t N> bool contains(const std::string_view (&words)[N], std::string_view word)
{
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

double twipsToPixels(int twips)
{
    return std::clamp(twips, -144000, 144000) * pixelsPerTwip;
}

bool applyCharacterWord(CharacterState& characters, std::string_view word, bool hasParameter, int parameter)
{
    const bool on = !hasParameter || parameter != 0;
    const int value = hasParameter ? parameter : 0;
    if (word == "plain") {
        characters = CharacterState{};
    } else if (word == "b") {
        characters.bold = on;
    } else if (word == "i") {
        characters.italic = on;
    } else if (contains(underlineWords, word)) {
        characters.underline = on;
    } else if (word == "ulnone") {
        characters.underline = false;
    } else if (word == "fs") {
        characters.halfPoints = value > 0 ? std::min(value, maxHalfPoints) : defaultHalfPoints;
    } else if (word == "f") {
        characters.font = value;
    } else if (word == "cf") {
        characters.color = value;
    } else if (word == "highlight" || word == "cb") {
        characters.highlight = value;
    } else {
        return false;
    }
    return true;
}

bool applyParagraphWord(ParagraphState& paragraph, std::string_view word, bool hasParameter, int parameter)
{
    const int value = hasParameter ? parameter : 0;
    if (word == "pard") {
        paragraph = ParagraphState{};
    } else if (word == "ql") {
        paragraph.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        paragraph.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        paragraph.alignment = Qt::AlignRight;
    } else if (word == "qj") {
        paragraph.alignment = Qt::AlignJustify;
    } else if (word == "li") {
        paragraph.leftIndent = value;
    } else if (word == "ri") {
        paragraph.rightIndent = value;
    } else if (word == "fi") {
        paragraph.firstLineIndent = value;
    } else if (word == "sb") {
        paragraph.spaceBefore = value;
    } else if (word == "sa") {
        paragraph.spaceAfter = value;
    } else if (word == "tx") {
        if (paragraph.tabStops.size() < maxTabStops) paragraph.tabStops.push_back(value);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool applyFormattingWord(GroupState& group, std::string_view word, bool hasParameter, int parameter)
{
    return applyCharacterWord(group.characters, word, hasParameter, parameter) ||
           applyParagraphWord(group.paragraph, word, hasParameter, parameter);
}

QChar namedCharacter(std::string_view word)
{
    for (const NamedCharacter& named : namedCharacters) {
        if (named.word == word) return QChar(named.character);
    }
    return {};
}

bool isSkippedDestination(std::string_view word)
{
    return contains(skippedDestinations, word);
}

QTextBlockFormat blockFormat(const ParagraphState& paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    format.setLeftMargin(twipsToPixels(paragraph.leftIndent));
    format.setRightMargin(twipsToPixels(paragraph.rightIndent));
    format.setTextIndent(twipsToPixels(paragraph.firstLineIndent));
    format.setTopMargin(twipsToPixels(paragraph.spaceBefore));
    format.setBottomMargin(twipsToPixels(paragraph.spaceAfter));

    // Qt measures tab positions from where the first line starts.
    const double lineStart = twipsToPixels(paragraph.leftIndent) + twipsToPixels(paragraph.firstLineIndent);
    std::vector<double> positions;
    if (paragraph.firstLineIndent < 0) positions.push_back(-twipsToPixels(paragraph.firstLineIndent));
    for (const int stop : paragraph.tabStops) {
        const double position = twipsToPixels(stop) - lineStart;
        if (position > 0) positions.push_back(position);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    QList<QTextOption::Tab> tabs;
    for (const double position : positions)
        tabs.append(QTextOption::Tab(position, QTextOption::LeftTab));
    format.setTabPositions(tabs);
    return format;
}

} // namespace platform::rtf
