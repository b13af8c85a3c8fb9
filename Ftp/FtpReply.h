#pragma once
// Reading the server's replies and writing the lines the client sends:
// pure text work, kept apart from the sockets.

#include <cstdint>
#include <string>

// Puts reply lines together into replies. A line "xyz-" opens a reply that
// ends only at a line beginning with the same "xyz" and a blank; any other
// line is a reply of its own.
class TFtpReplyAssembler {
public:
    // True when the line ends a reply (the reply's handler then runs on it).
    bool Feed(const std::string& line);
    bool InReply() const { return !m_openCode.empty(); }
    void Reset() { m_openCode.clear(); }

private:
    std::string m_openCode;
};

// Whether the line starts the way every reply line must: three digits.
bool IsFtpReplyLine(const std::string& line);
// The leading number: blanks, an optional sign, then digits; 0 when none.
int FtpReplyNumber(const std::string& line);
// The number after the reply code (the SIZE answer); 0 when none.
std::int64_t FtpNumberAfterCode(const std::string& line);
// The quoted folder name after the reply code ("" doubled stands for one
// quote); empty when the text after the code does not start with a quote.
std::string FtpQuotedName(const std::string& line);
// CR, LF and NUL would end or split a command line.
bool HasCommandBreak(const std::string& text);
// The PORT line for a listening port. The address is the control
// connection's local one, network order.
std::string FtpPortLine(bool serverIsLoopback, std::uint32_t localAddress, int port);
// "<n> bytes received/sent in <s> seconds (<rate> Bytes/sec)"; no rate part
// when the ticks are equal.
std::string FtpStatisticsText(std::int64_t bytes, std::uint64_t startMs, std::uint64_t endMs);
