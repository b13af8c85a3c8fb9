#pragma once
// TBuffer: one block of the socket's send queue. Bytes are written at the
// back and taken out at the front; once everything written has been taken,
// the block fills from its start again.

#include "platform/Types.h"

#include <memory>

class TBuffer : public TObject {
public:
    static constexpr int DefaultSize = 1514;

    // A size of 0 or less gives DefaultSize.
    explicit TBuffer(int size);
    ~TBuffer() override;

    // Never shrinks below what has been written.
    void Resize(int size);
    // Copies what fits; returns the bytes copied (0 when full).
    int Write(const void* data, int length);
    // The pending bytes; null and 0 when there are none.
    const char* Peek(int& length) const;
    // Takes up to n pending bytes out; returns how many went.
    int Remove(int n);

    int Size() const { return m_size; }
    int WriteCount() const { return m_writeCount; }
    int ReadCount() const { return m_readCount; }

private:
    std::unique_ptr<char[]> m_data;
    int m_size = DefaultSize;
    int m_writeCount = 0;
    int m_readCount = 0;
};
