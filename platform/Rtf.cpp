#include "platform/Rtf.h"

#include "platform/RtfCodePage.h"
#include "platform/RtfLexer.h"
#include "platform/RtfState.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace platform {

namespace {

using namespace rtf;

// Deeper groups share the state of the deepest kept one, so hostile nesting costs no memory.
constexpr std::size_t maxGroupDepth = 256;
constexpr int defaultCodePage = 1251;

class RtfReader final {
public:
    explicit RtfReader(QTextDocument& document) : m_cursor(&document) { m_cursor.beginEditBlock(); }
    ~RtfReader() { m_cursor.endEditBlock(); }
    RtfReader(const RtfReader&) = delete;
    RtfReader& operator=(const RtfReader&) = delete;

    void read(QByteArrayView bytes);

private:
    GroupState& state() { return m_groups.back(); }

    void groupStart();
    bool groupEnd();
    void controlWord(std::string_view word, bool hasParameter, int parameter);
    void controlSymbol(char symbol);
    void plainBytes(QByteArrayView bytes);
    void byteCharacter(unsigned char byte);
    void character(QChar c);
    void tableText(QChar c);
    void commitFontName();
    void flushRun();
    void endParagraph();
    void finish();
    int codePage();
    QTextCharFormat charFormat(const CharacterState& characters) const;

    QTextCursor m_cursor;
    std::vector<GroupState> m_groups{GroupState{}};
    std::size_t m_overflowDepth = 0;
    int m_pendingFallback = 0;

    QString m_run;
    CharacterState m_runCharacters;

    int m_documentCodePage = defaultCodePage;
    int m_defaultFont = 0;
    std::map<int, FontEntry> m_fonts;
    int m_fontBeingDefined = 0;
    QString m_fontName;

    std::vector<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
};

void RtfReader::read(QByteArrayView bytes)
{
    RtfLexer lexer(bytes);
    for (;;) {
        const RtfToken token = lexer.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            finish();
            return;
        case RtfToken::Kind::GroupStart:
            m_pendingFallback = 0;
            groupStart();
            break;
        case RtfToken::Kind::GroupEnd:
            m_pendingFallback = 0;
            if (groupEnd()) {
                finish();
                return;
            }
            break;
        case RtfToken::Kind::ControlWord: {
            const std::string_view word(token.word.data(), static_cast<std::size_t>(token.word.size()));
            // Binary data is passed over whatever else happens, or its bytes would be read as RTF.
            if (word == "bin") lexer.skipBytes(token.hasParameter ? token.parameter : 0);
            if (m_pendingFallback > 0) {
                --m_pendingFallback;
            } else if (word != "bin") {
                controlWord(word, token.hasParameter, token.parameter);
            }
            break;
        }
        case RtfToken::Kind::ControlSymbol:
            if (m_pendingFallback > 0) {
                --m_pendingFallback;
            } else {
                controlSymbol(token.symbol);
            }
            break;
        case RtfToken::Kind::HexByte:
            if (m_pendingFallback > 0) {
                --m_pendingFallback;
            } else {
                byteCharacter(token.byte);
            }
            break;
        case RtfToken::Kind::Text: {
            const qsizetype skipped = std::min<qsizetype>(m_pendingFallback, token.text.size());
            m_pendingFallback -= static_cast<int>(skipped);
            plainBytes(token.text.sliced(skipped));
            break;
        }
        }
    }
}

void RtfReader::groupStart()
{
    if (m_groups.size() > maxGroupDepth) {
        ++m_overflowDepth;
        return;
    }
    m_groups.push_back(m_groups.back());
}

// Returns true when the outermost group has closed, which ends the document.
bool RtfReader::groupEnd()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return false;
    }
    if (state().destination == Destination::FontTable) commitFontName();
    // The outermost group stays, so that the last paragraph takes the settings it ended with.
    if (m_groups.size() <= 2) return true;
    m_groups.pop_back();
    return false;
}

void RtfReader::controlWord(std::string_view word, bool hasParameter, int parameter)
{
    GroupState& group = state();
    if (group.destination == Destination::Skipped) return;

    if (word == "u") {
        if (hasParameter) {
            const int code = parameter < 0 ? parameter + 65536 : parameter;
            if (code > 0 && code <= 0xFFFF) {
                const QChar c(static_cast<char16_t>(code));
                if (group.destination == Destination::Text) character(c);
                if (group.destination == Destination::FontTable) m_fontName.append(c);
            }
        }
        m_pendingFallback = group.unicodeFallback;
        return;
    }
    if (word == "uc") {
        group.unicodeFallback = hasParameter ? std::clamp(parameter, 0, 16) : 1;
        return;
    }
    if (isSkippedDestination(word)) {
        group.destination = Destination::Skipped;
        return;
    }
    if (word == "fonttbl") {
        group.destination = Destination::FontTable;
        return;
    }
    if (word == "colortbl") {
        group.destination = Destination::ColorTable;
        m_colors.clear();
        return;
    }
    if (word == "ansicpg") {
        if (hasParameter && parameter > 0) m_documentCodePage = parameter;
        return;
    }
    if (word == "deff") {
        if (hasParameter) m_defaultFont = parameter;
        return;
    }

    switch (group.destination) {
    case Destination::FontTable:
        if (word == "f" && hasParameter) {
            commitFontName();
            m_fontBeingDefined = parameter;
            m_fonts[parameter];
        } else if (word == "fcharset" && hasParameter) {
            m_fonts[m_fontBeingDefined].charset = parameter;
        }
        return;
    case Destination::ColorTable: {
        const int component = hasParameter ? std::clamp(parameter, 0, 255) : 0;
        if (word == "red") m_red = component;
        if (word == "green") m_green = component;
        if (word == "blue") m_blue = component;
        return;
    }
    case Destination::Text:
        if (const QChar named = namedCharacter(word); !named.isNull()) {
            character(named);
        } else if (word == "par" || word == "sect" || word == "page" || word == "row") {
            endParagraph();
        } else {
            applyFormattingWord(group, word, hasParameter, parameter);
        }
        return;
    case Destination::Skipped:
        return;
    }
}

void RtfReader::controlSymbol(char symbol)
{
    if (symbol == '*') {
        // Only groups this reader cannot show are marked ignorable.
        state().destination = Destination::Skipped;
        return;
    }
    switch (state().destination) {
    case Destination::Text:
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            character(QLatin1Char(symbol));
            break;
        case '~':
            character(QChar(0x00A0));
            break;
        case '-':
            character(QChar(0x00AD));
            break;
        case '_':
            character(QChar(0x2011));
            break;
        case '\t':
            character(u'\t');
            break;
        case '\n':
            endParagraph();
            break;
        default:
            break;
        }
        return;
    case Destination::FontTable:
    case Destination::ColorTable:
        if (symbol == '\\' || symbol == '{' || symbol == '}') tableText(QLatin1Char(symbol));
        return;
    case Destination::Skipped:
        return;
    }
}

void RtfReader::plainBytes(QByteArrayView bytes)
{
    if (state().destination == Destination::Skipped) return;
    for (const char byte : bytes)
        byteCharacter(static_cast<unsigned char>(byte));
}

void RtfReader::byteCharacter(unsigned char byte)
{
    switch (state().destination) {
    case Destination::Text:
        character(byte < 0x80 ? QChar(byte) : decodeCodePageByte(byte, codePage()));
        return;
    case Destination::FontTable:
    case Destination::ColorTable:
        tableText(byte < 0x80 ? QChar(byte) : decodeCodePageByte(byte, codePage()));
        return;
    case Destination::Skipped:
        return;
    }
}

void RtfReader::character(QChar c)
{
    if (c.unicode() < 0x20 && c != u'\t') return; // stray control bytes, NUL included
    if (!m_run.isEmpty() && !(m_runCharacters == state().characters)) flushRun();
    m_runCharacters = state().characters;
    m_run.append(c);
}

// Text inside the font or colour table: font names and the entries' closing semicolons.
void RtfReader::tableText(QChar c)
{
    if (state().destination == Destination::FontTable) {
        if (c == u';') {
            commitFontName();
        } else if (c.unicode() >= 0x20) {
            m_fontName.append(c);
        }
        return;
    }
    if (c != u';') return;
    // An entry without components is "auto": the text keeps its default colour.
    const bool automatic = m_red < 0 && m_green < 0 && m_blue < 0;
    m_colors.push_back(automatic ? QColor()
                                 : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
    m_red = m_green = m_blue = -1;
}

void RtfReader::commitFontName()
{
    const QString family = m_fontName.trimmed();
    m_fontName.clear();
    if (!family.isEmpty()) m_fonts[m_fontBeingDefined].family = family;
}

int RtfReader::codePage()
{
    // While the font table is read, the bytes of a name belong to the font being defined.
    const int font = state().destination == Destination::FontTable ? m_fontBeingDefined
                     : state().characters.font >= 0                ? state().characters.font
                                                                   : m_defaultFont;
    const auto found = m_fonts.find(font);
    if (found == m_fonts.end()) return m_documentCodePage;
    return codePageOfCharset(found->second.charset, m_documentCodePage);
}

QTextCharFormat RtfReader::charFormat(const CharacterState& characters) const
{
    QTextCharFormat format;
    format.setFontWeight(characters.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(characters.italic);
    format.setFontUnderline(characters.underline);
    format.setFontPointSize(characters.halfPoints / 2.0);
    const auto font = m_fonts.find(characters.font >= 0 ? characters.font : m_defaultFont);
    if (font != m_fonts.end() && !font->second.family.isEmpty())
        format.setFontFamilies(QStringList{font->second.family});
    const auto colour = [this](int index) {
        return index > 0 && static_cast<std::size_t>(index) < m_colors.size()
                   ? m_colors[static_cast<std::size_t>(index)]
                   : QColor();
    };
    if (colour(characters.color).isValid()) format.setForeground(colour(characters.color));
    if (colour(characters.highlight).isValid()) format.setBackground(colour(characters.highlight));
    return format;
}

void RtfReader::flushRun()
{
    if (m_run.isEmpty()) return;
    m_cursor.insertText(m_run, charFormat(m_runCharacters));
    m_run.clear();
}

void RtfReader::endParagraph()
{
    flushRun();
    m_cursor.setBlockFormat(blockFormat(state().paragraph));
    m_cursor.insertBlock(blockFormat(state().paragraph), charFormat(state().characters));
}

void RtfReader::finish()
{
    flushRun();
    m_cursor.setBlockFormat(blockFormat(state().paragraph));
}

} // namespace

bool isRtf(const QByteArray& bytes)
{
    return bytes.startsWith("{\\rtf");
}

void loadRtf(QTextDocument& document, const QByteArray& bytes)
{
    document.clear();
    // Inside an edit block the cursor does not lay the paragraph out after every insertion, which
    // would make a long paragraph of many runs quadratic; a load is no step to undo either.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    {
        RtfReader reader(document);
        reader.read(bytes);
    }
    document.setUndoRedoEnabled(undo);
}

} // namespace platform
