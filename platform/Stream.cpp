#include "platform/Stream.h"

#include "platform/Exception.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

std::int64_t TStream::Size()
{
    std::int64_t here = Seek(0, soCurrent);
    std::int64_t end = Seek(0, soEnd);
    Seek(here, soBeginning);
    return end;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count)
{
    if (count > 0 && Read(buffer, count) != count)
        throw EReadError(Msg::ReadError());
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count)
{
    if (count > 0 && Write(buffer, count) != count)
        throw EWriteError(Msg::WriteError());
}

TFileStream::TFileStream(const std::string& fileName, unsigned mode)
    : m_fileName(fileName)
{
    if (mode == fmCreate) {
        m_fd = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (m_fd < 0)
            throw EFCreateError(Msg::FCreateError(fileName));
        return;
    }
    int flags = (mode & 3) == fmOpenWrite ? O_WRONLY : (mode & 3) == fmOpenReadWrite ? O_RDWR : O_RDONLY;
    m_fd = ::open(fileName.c_str(), flags | O_CLOEXEC);
    if (m_fd < 0)
        throw EFOpenError(Msg::FOpenError(fileName));
}

TFileStream::~TFileStream()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

namespace {

// A call the kernel cuts short or interrupts goes on until all is moved, the
// end is reached or an error stops it.
template<class Char, class Move>
std::int64_t moveWhole(Char* p, std::int64_t count, Move move)
{
    std::int64_t done = 0;
    while (done < count) {
        ssize_t n = move(p + done, std::size_t(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count)
{
    return moveWhole(static_cast<char*>(buffer), count, [this](char* p, std::size_t n) { return ::read(m_fd, p, n); });
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count)
{
    return moveWhole(static_cast<const char*>(buffer), count, [this](const char* p, std::size_t n) { return ::write(m_fd, p, n); });
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    return std::int64_t(::lseek(m_fd, off_t(offset), whence));
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count)
{
    std::int64_t available = std::int64_t(m_data.size()) - m_position;
    std::int64_t n = std::max<std::int64_t>(0, std::min(count, available));
    if (n > 0)
        std::memcpy(buffer, m_data.data() + m_position, std::size_t(n));
    m_position += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count)
{
    if (count <= 0)
        return 0;
    auto end = std::size_t(m_position + count);
    if (end > m_data.size())
        m_data.resize(end);
    std::memcpy(m_data.data() + m_position, buffer, std::size_t(count));
    m_position += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? m_position : std::int64_t(m_data.size());
    if (base + offset < 0)
        return -1;
    m_position = base + offset;
    return m_position;
}

void TMemoryStream::Clear()
{
    m_data.clear();
    m_position = 0;
}

void TMemoryStream::SetData(std::string data)
{
    m_data = std::move(data);
    m_position = 0;
}
