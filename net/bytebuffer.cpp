// SPDX-License-Identifier: GPL-3.0-or-later
#include "bytebuffer.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace net {

ByteBuffer::~ByteBuffer()
{
    std::free(m_data);
}

bool ByteBuffer::append(std::string_view bytes)
{
    if (bytes.empty())
        return true;
    if (bytes.size() > std::numeric_limits<std::size_t>::max() / 2 - m_size)
        return false;
    const std::size_t needed = m_size + bytes.size();
    if (needed > m_capacity) {
        const std::size_t capacity = needed + needed / 2;
        char* grown = static_cast<char*>(std::realloc(m_data, capacity));
        if (!grown)
            return false;
        m_data = grown;
        m_capacity = capacity;
    }
    std::memcpy(m_data + m_size, bytes.data(), bytes.size());
    m_size = needed;
    return true;
}

void ByteBuffer::clear()
{
    m_size = 0;
    if (m_capacity > kKeptCapacity) {
        std::free(m_data);
        m_data = nullptr;
        m_capacity = 0;
    }
}

} // namespace net
