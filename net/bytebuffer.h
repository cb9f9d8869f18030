// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace net {

// A byte block that grows by half again what it needs, so appending pieces costs amortised
// linear time. Large blocks are grown in place where the allocator can (realloc), so a long
// response body is not held twice while it grows.
class ByteBuffer
{
public:
    ByteBuffer() = default;
    ~ByteBuffer();
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    std::string_view view() const { return { m_data, m_size }; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    // False when memory ran out; the content is then as it was.
    bool append(std::string_view bytes);
    // Empties the buffer and gives a large block back.
    void clear();

private:
    void populate(std::size_t needed);

    static constexpr std::size_t kKeptCapacity = 4096;
    static constexpr std::size_t kPopulateFrom = 8 * 1024 * 1024;
    static constexpr std::size_t kPopulateWindow = 4 * 1024 * 1024;

    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    std::size_t m_populated = 0; // bytes from the start already mapped in
};

} // namespace net
