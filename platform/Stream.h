#pragma once
// TStream and its two kinds: TFileStream over an open file and
// TMemoryStream over bytes held in memory. Sizes and positions are 64-bit.
// ReadBuffer and WriteBuffer insist on the full count and raise the class
// library's read and write errors; Read and Write return what they moved.

#include "platform/Types.h"

#include <cstdint>
#include <string>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // The new position; -1 when the stream cannot move there.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, soBeginning); }
    virtual std::int64_t Size();

    // EReadError unless every byte came.
    void ReadBuffer(void* buffer, std::int64_t count);
    // EWriteError unless every byte went.
    void WriteBuffer(const void* buffer, std::int64_t count);
};

// Open modes of a file stream.
enum TFileMode : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    // Creates the file, or empties it when it exists.
    fmCreate = 0xFF00,
};

class TFileStream : public TStream {
public:
    // EFCreateError or EFOpenError when the file cannot be had.
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

    const std::string& FileName() const { return m_fileName; }
    int Handle() const { return m_fd; }

private:
    std::string m_fileName;
    int m_fd = -1;
};

class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return std::int64_t(m_data.size()); }

    void Clear();
    const std::string& Data() const { return m_data; }
    void SetData(std::string data);

private:
    std::string m_data;
    std::int64_t m_position = 0;
};
