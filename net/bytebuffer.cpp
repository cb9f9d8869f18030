// SPDX-License-Identifier: GPL-3.0-or-later
#include "bytebuffer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sys/mman.h>
#include <unistd.h>

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
        if (grown != m_data)
            m_populated = 0;
        m_data = grown;
        m_capacity = capacity;
    }
    if (needed > m_populated && m_capacity >= kPopulateFrom)
        populate(needed);
    std::memcpy(m_data + m_size, bytes.data(), bytes.size());
    m_size = needed;
    return true;
}

void ByteBuffer::populate(std::size_t needed)
{
    // Faulting a large body in page by page is most of what keeping it costs; the kernel maps a
    // window ahead in one call instead. Only a window, so what is resident stays what is used.
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto base = reinterpret_cast<std::uintptr_t>(m_data);
    const std::uintptr_t begin = (base + m_populated + page - 1) & ~(page - 1);
    const std::uintptr_t end
        = (base + std::min(m_capacity, needed + kPopulateWindow)) & ~(page - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    m_populated = std::min(m_capacity, needed + kPopulateWindow);
}

void ByteBuffer::clear()
{
    m_size = 0;
    if (m_capacity > kKeptCapacity) {
        std::free(m_data);
        m_data = nullptr;
        m_capacity = 0;
        m_populated = 0;
    }
}

} // namespace net
