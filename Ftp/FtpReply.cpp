#include "Ftp/FtpReply.h"

#include <arpa/inet.h>

#include <cctype>

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Index just past the blanks and the reply code.
std::size_t afterCode(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        ++i;
    while (i < line.size() && isDigit(line[i]))
        ++i;
    return i;
}

}

bool TFtpReplyAssembler::Feed(const std::string& line)
{
    if (!m_openCode.empty()) {
        bool last = line.compare(0, 3, m_openCode) == 0 && line.size() > 3 && line[3] == ' ';
        if (last)
            m_openCode.clear();
        return last;
    }
    if (IsFtpReplyLine(line) && line.size() > 3 && line[3] == '-') {
        m_openCode = line.substr(0, 3);
        return false;
    }
    return true;
}

bool IsFtpReplyLine(const std::string& line)
{
    return line.size() >= 3 && isDigit(line[0]) && isDigit(line[1]) && isDigit(line[2])
        && (line.size() == 3 || !isDigit(line[3]));
}

int FtpReplyNumber(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    long long n = 0;
    for (; i < line.size() && isDigit(line[i]); ++i)
        if (n < 1000000000)
            n = n * 10 + (line[i] - '0');
    return int(negative ? -n : n);
}

std::int64_t FtpNumberAfterCode(const std::string& line)
{
    std::size_t i = afterCode(line);
    while (i < line.size() && isBlank(line[i]))
        ++i;
    std::int64_t n = 0;
    for (; i < line.size() && isDigit(line[i]); ++i) {
        if (n > (INT64_MAX - 9) / 10)
            break;
        n = n * 10 + (line[i] - '0');
    }
    return n;
}

std::string FtpQuotedName(const std::string& line)
{
    std::size_t i = afterCode(line);
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i >= line.size() || line[i] != '"')
        return {};
    std::string name;
    for (++i; i < line.size(); ++i) {
        if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                name += '"';
                ++i;
                continue;
            }
            break;
        }
        name += line[i];
    }
    return name;
}

bool HasCommandBreak(const std::string& text) { return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

std::string FtpPortLine(bool serverIsLoopback, std::uint32_t localAddress, int port)
{
    std::string tail = "," + std::to_string((port >> 8) & 0xFF) + "," + std::to_string(port & 0xFF);
    if (serverIsLoopback)
        return "PORT 127,0,0,1" + tail;
    std::uint32_t a = ntohl(localAddress);
    return "PORT " + std::to_string((a >> 24) & 0xFF) + "," + std::to_string((a >> 16) & 0xFF) + ","
        + std::to_string((a >> 8) & 0xFF) + "," + std::to_string(a & 0xFF) + tail;
}

std::string FtpStatisticsText(std::int64_t bytes, std::uint64_t startMs, std::uint64_t endMs)
{
    std::int64_t elapsed = endMs >= startMs ? std::int64_t(endMs - startMs) : 0;
    std::string text = std::to_string(bytes) + " bytes received/sent in " + std::to_string(elapsed / 1000) + " seconds";
    if (elapsed != 0) {
        // Small counts first multiply, large ones first divide, so that
        // neither loses the rate.
        std::int64_t rate = bytes < 32768 ? bytes * 1000 / elapsed : bytes / elapsed * 1000;
        text += " (" + std::to_string(rate) + " Bytes/sec)";
    }
    return text;
}
