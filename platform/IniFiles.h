#pragma once
// TIniFile: reads a profile file, the "[Section]" and "Key=Value" layout.
//
// The file is read whole when the reader is made; a missing or unreadable
// file reads as empty, and so does one larger than kMaxFileSize or one that
// is no regular file (it is never waited on). Section and key names compare case-insensitively and
// the first entry of a name wins. Blanks around names and values are
// dropped, and a value is otherwise taken whole: quotes, commas and "="
// inside it stay. Lines starting with ";" are comments; CR LF, CR and LF
// all end a line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TIniFile {
public:
    static constexpr std::size_t kMaxFileSize = std::size_t(4) << 20;

    explicit TIniFile(const std::string& fileName);

    const std::string& FileName() const { return m_fileName; }

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    // The fallback when the value is missing or not a decimal number.
    long long ReadInteger(const std::string& section, const std::string& key, long long fallback) const;

    // The same reading of a profile file's bytes.
    static TIniFile FromText(std::string_view text);

private:
    TIniFile() = default;
    void parse(std::string_view text);
    const std::string* find(const std::string& section, const std::string& key) const;

    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::string m_fileName;
    std::vector<std::string> m_sections;
    std::vector<Entry> m_entries;
};
