#pragma once
// TStrings: a list of lines over some text. The editor's lines are a view of
// its text; TStringList is a plain list.

#include <string>
#include <vector>

class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    virtual std::string Strings(int index) const = 0;
    virtual void Clear() = 0;
    virtual void Add(const std::string& line) = 0;
    // The lines with "\n" between them.
    virtual std::string Text() const = 0;
    // Any line break (CR LF, CR, LF) separates lines.
    virtual void SetText(const std::string&) = 0;

    // Whole files, raising the class library's stream errors. A file is read
    // with any line breaks and written with CR LF between lines; a failed
    // write leaves the file as it was.
    virtual void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;
};

class TStringList : public TStrings {
public:
    int Count() const override { return int(m_lines.size()); }
    std::string Strings(int index) const override;
    void Clear() override { m_lines.clear(); }
    void Add(const std::string& line) override { m_lines.push_back(line); }
    std::string Text() const override;
    void SetText(const std::string&) override;

private:
    std::vector<std::string> m_lines;
};

// Splits text at CR LF, CR and LF.
std::vector<std::string> SplitLines(const std::string&);
