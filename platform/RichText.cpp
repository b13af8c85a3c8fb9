#include "platform/RichText.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Groups nest at most this deep in the record; anything deeper is taken as
// part of a destination and gives no text.
constexpr int kMaxDepth = 256;

struct GroupState {
    bool skip = false;  // inside a destination whose text is not shown
    int ucSkip = 1;     // fallback characters that follow each \uN
};

// Control words whose group holds no document text.
constexpr std::string_view kDestinations[] = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "headerl", "headerr",
    "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "listtable", "listoverridetable",
    "revtbl", "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping", "datastore",
    "latentstyles", "fldinst", "filetbl", "pgdsctbl", "private", "nonshppict", "bkmkstart", "bkmkend",
    "listtext", "pntext", "pntxta", "pntxtb", "xe", "tc", "mmathPr",
};

// Control words that stand for one character, written as UTF-8.
struct Symbol {
    std::string_view word;
    std::string_view text;
};
constexpr Symbol kSymbols[] = {
    {"tab", "\t"},
    {"emdash", "\xE2\x80\x94"},
    {"endash", "\xE2\x80\x93"},
    {"bullet", "\xE2\x80\xA2"},
    {"lquote", "\xE2\x80\x98"},
    {"rquote", "\xE2\x80\x99"},
    {"ldblquote", "\xE2\x80\x9C"},
    {"rdblquote", "\xE2\x80\x9D"},
    {"emspace", "\xE2\x80\x83"},
    {"enspace", "\xE2\x80\x82"},
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Reader {
public:
    explicit Reader(std::string_view in)
        : m_in(in)
    {
    }

    std::string Run()
    {
        while (m_pos < m_in.size() && !m_done) {
            char c = m_in[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;  // line breaks of the file itself mean nothing
            default:
                character(std::string_view(&c, 1));
            }
        }
        flushSurrogate();
        // The document's last paragraph mark closes the last line; it does
        // not start a new one.
        if (m_lastParEnd == m_out.size() && m_lastParEnd > 0)
            m_out.pop_back();
        return std::move(m_out);
    }

private:
    GroupState& state() { return m_stack[std::size_t(m_depth < kMaxDepth ? m_depth : kMaxDepth - 1)]; }
    bool skipping() { return m_depth >= kMaxDepth || state().skip; }

    void openGroup()
    {
        m_pendingFallback = 0;
        if (m_depth + 1 < kMaxDepth)
            m_stack[std::size_t(m_depth + 1)] = m_stack[std::size_t(m_depth)];
        ++m_depth;
    }

    void closeGroup()
    {
        m_pendingFallback = 0;
        if (m_depth <= 0)
            return;
        if (--m_depth == 0)
            m_done = true;  // whatever follows the document is not part of it
    }

    // One character of text, or one fallback character to drop after \uN.
    void character(std::string_view text)
    {
        if (m_pendingFallback > 0) {
            --m_pendingFallback;
            return;
        }
        emit(text);
    }

    void emit(std::string_view text)
    {
        if (skipping() || text.empty())
            return;
        flushSurrogate();
        m_out.append(text);
    }

    void controlSequence()
    {
        if (m_pos >= m_in.size())
            return;
        char c = m_in[m_pos];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(std::string_view(&c, 1));
            break;
        case '\'': {
            int hi = m_pos < m_in.size() ? hexValue(m_in[m_pos]) : -1;
            int lo = m_pos + 1 < m_in.size() ? hexValue(m_in[m_pos + 1]) : -1;
            if (hi < 0 || lo < 0)
                break;
            m_pos += 2;
            char byte = char(hi * 16 + lo);
            character(std::string_view(&byte, 1));
            break;
        }
        case '~':
            character("\xC2\xA0");
            break;
        case '_':
            character("\xE2\x80\x91");  // non-breaking hyphen
            break;
        case '-':
            character("");  // optional hyphen: shown only where a line breaks
            break;
        case '*':
            if (m_depth < kMaxDepth)
                state().skip = true;
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            character("");  // other control symbols carry no text
        }
    }

    void controlWord()
    {
        std::size_t start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        std::string_view word = m_in.substr(start, m_pos - start);

        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() && isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            hasParam = true;
            if (param < 100000000000LL)
                param = param * 10 + (m_in[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            param = -param;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;  // the space that ends the word belongs to it

        if (word == "bin") {
            // Raw binary data of the given length follows.
            std::size_t length = hasParam && param > 0 ? std::size_t(param) : 0;
            m_pos += std::min(length, m_in.size() - m_pos);
            return;
        }
        if (word == "par") {
            paragraph();
            return;
        }
        if (word == "line") {
            character("\n");
            return;
        }
        if (word == "u") {
            unicode(hasParam ? param : 0);
            return;
        }
        if (word == "uc") {
            if (m_depth < kMaxDepth)
                state().ucSkip = int(std::clamp<long long>(hasParam ? param : 1, 0, 1000));
            return;
        }
        for (const Symbol& s : kSymbols) {
            if (word == s.word) {
                character(s.text);
                return;
            }
        }
        for (std::string_view d : kDestinations) {
            if (word == d) {
                if (m_depth < kMaxDepth)
                    state().skip = true;
                return;
            }
        }
        character("");  // formatting words: no text, but they count as a fallback character
    }

    void paragraph()
    {
        if (m_pendingFallback > 0) {
            --m_pendingFallback;
            return;
        }
        if (skipping())
            return;
        emit("\n");
        m_lastParEnd = m_out.size();
    }

    void unicode(long long n)
    {
        if (m_pendingFallback > 0) {
            // A \u among the fallback characters of another is itself one of them.
            --m_pendingFallback;
            return;
        }
        // Code points above 32767 are written as negative 16-bit numbers.
        std::uint32_t unit = std::uint32_t(n < 0 ? n + 65536 : n) & 0xFFFF;
        bool skip = skipping();
        if (!skip) {
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                flushSurrogate();
                m_highSurrogate = unit;
            } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
                if (m_highSurrogate) {
                    std::uint32_t cp = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
                    m_highSurrogate = 0;
                    AppendUtf8(m_out, cp);
                } else {
                    AppendUtf8(m_out, 0xFFFD);
                }
            } else {
                flushSurrogate();
                AppendUtf8(m_out, unit);
            }
        }
        m_pendingFallback = m_depth < kMaxDepth ? state().ucSkip : 0;
    }

    // A high surrogate without its low half stands for a character that
    // cannot be shown.
    void flushSurrogate()
    {
        if (m_highSurrogate) {
            m_highSurrogate = 0;
            AppendUtf8(m_out, 0xFFFD);
        }
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    std::string m_out;
    std::array<GroupState, kMaxDepth> m_stack{};
    int m_depth = 0;
    bool m_done = false;
    int m_pendingFallback = 0;
    std::uint32_t m_highSurrogate = 0;
    std::size_t m_lastParEnd = 0;
};

}  // namespace

bool IsRichText(std::string_view bytes) { return bytes.substr(0, 5) == "{\\rtf"; }

std::string RichTextToPlain(std::string_view rtf)
{
    return Reader(rtf).Run();
}
