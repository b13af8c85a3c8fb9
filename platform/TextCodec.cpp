#include "platform/TextCodec.h"

#include "platform/Utf8.h"

namespace {

constexpr char16_t kByteBase = 0xF700;

// Length of the valid UTF-8 sequence at s[i], with its code point; 0 when
// the bytes there are not one.
int validSequence(std::string_view s, std::size_t i, char32_t& cp)
{
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned c = b(i);
    int len;
    char32_t min;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + std::size_t(len) > s.size())
        return 0;
    for (int k = 1; k < len; ++k) {
        unsigned cc = b(i + std::size_t(k));
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// Characters the text document gives a meaning of its own (paragraph and
// line separators, frame marks, object place-holders): kept as bytes so that
// they can never turn into something else on the way back.
bool reservedByEditor(char32_t cp)
{
    return cp == 0x2028 || cp == 0x2029 || cp == 0xFDD0 || cp == 0xFDD1 || cp == 0xFFFC;
}

}

QString BytesToQString(std::string_view s)
{
    QString out;
    out.reserve(qsizetype(s.size()));
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp = 0;
        int len = validSequence(s, i, cp);
        bool mapped = len == 0 || cp == 0 || (cp >= kByteBase && cp <= kByteBase + 0xFF) || reservedByEditor(cp);
        if (mapped) {
            out.append(QChar(char16_t(kByteBase + static_cast<unsigned char>(s[i]))));
            ++i;
            continue;
        }
        if (cp < 0x80) {
            out.append(QChar(char16_t(cp)));
        } else if (cp < 0x10000) {
            out.append(QChar(char16_t(cp)));
        } else {
            char32_t v = cp - 0x10000;
            out.append(QChar(char16_t(0xD800 + (v >> 10))));
            out.append(QChar(char16_t(0xDC00 + (v & 0x3FF))));
        }
        i += std::size_t(len);
    }
    return out;
}

std::string QStringToBytes(const QString& text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    const char16_t* d = reinterpret_cast<const char16_t*>(text.utf16());
    qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = d[i];
        if (cp >= kByteBase && cp <= kByteBase + 0xFF) {
            out.push_back(char(cp - kByteBase));
            continue;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && d[i + 1] >= 0xDC00 && d[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (d[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;  // a lone surrogate has no bytes of its own
        }
        AppendUtf8(out, cp);
    }
    return out;
}

