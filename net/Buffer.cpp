#include "net/Buffer.h"

#include <algorithm>
#include <cstring>

TBuffer::TBuffer(int size)
    : m_size(size > 0 ? size : DefaultSize)
{
    m_data = std::make_unique<char[]>(std::size_t(m_size));
}

TBuffer::~TBuffer() = default;

void TBuffer::Resize(int size)
{
    if (size <= 0)
        size = DefaultSize;
    if (size == m_size)
        return;
    // Written bytes are never cut off.
    size = std::max(size, m_writeCount);
    auto fresh = std::make_unique<char[]>(std::size_t(size));
    if (m_readCount == m_writeCount) {
        m_readCount = 0;
        m_writeCount = 0;
    } else {
        std::memcpy(fresh.get(), m_data.get(), std::size_t(m_writeCount));
    }
    m_data = std::move(fresh);
    m_size = size;
}

int TBuffer::Write(const void* data, int length)
{
    int n = std::min(m_size - m_writeCount, std::max(length, 0));
    if (n <= 0)
        return 0;
    std::memcpy(m_data.get() + m_writeCount, data, std::size_t(n));
    m_writeCount += n;
    return n;
}

const char* TBuffer::Peek(int& length) const
{
    length = m_writeCount - m_readCount;
    return length > 0 ? m_data.get() + m_readCount : nullptr;
}

int TBuffer::Remove(int n)
{
    n = std::clamp(n, 0, m_writeCount - m_readCount);
    m_readCount += n;
    if (m_readCount == m_writeCount) {
        m_readCount = 0;
        m_writeCount = 0;
    }
    return n;
}
