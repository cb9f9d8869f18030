// SPDX-License-Identifier: GPL-3.0-or-later
#include "receivebuffer.h"

#include <algorithm>
#include <cstring>

namespace net {

ReceiveBuffer::ReceiveBuffer(std::size_t capacity)
    : m_capacity(std::clamp<std::size_t>(capacity, 1, kMaxCapacity))
    , m_block(std::make_unique_for_overwrite<char[]>(m_capacity))
{
}

void ReceiveBuffer::setLineEnd(std::string lineEnd)
{
    m_lineEnd = std::move(lineEnd);
    m_searched = 0;
}

ReceiveBuffer::Piece ReceiveBuffer::take(std::size_t length, std::size_t skipped, bool endsLine)
{
    const Piece piece { std::string_view(m_block.get() + m_start, length), endsLine };
    m_start += length + skipped;
    m_count -= length + skipped;
    m_searched = 0;
    if (m_count == 0)
        m_start = 0;
    return piece;
}

std::optional<ReceiveBuffer::Piece> ReceiveBuffer::takeComplete()
{
    if (m_count == 0)
        return std::nullopt;
    if (m_lineEnd.empty())
        return take(m_count, 0, true);
    const std::string_view data(m_block.get() + m_start, m_count);
    // A line end may straddle what was searched before; back up by its length less one.
    const std::size_t from
        = m_searched >= m_lineEnd.size() ? m_searched - (m_lineEnd.size() - 1) : 0;
    const std::size_t found = data.find(m_lineEnd, from);
    if (found != std::string_view::npos)
        return take(found, m_lineEnd.size(), true);
    m_searched = m_count;
    if (m_count == m_capacity)
        return take(m_count, 0, false);
    return std::nullopt;
}

std::optional<ReceiveBuffer::Piece> ReceiveBuffer::takeRemainder()
{
    if (m_count == 0)
        return std::nullopt;
    return take(m_count, 0, false);
}

std::span<char> ReceiveBuffer::freeSpace()
{
    if (m_start + m_count == m_capacity && m_start > 0) {
        std::memmove(m_block.get(), m_block.get() + m_start, m_count);
        m_start = 0;
    }
    return std::span<char>(m_block.get() + m_start + m_count, m_capacity - m_start - m_count);
}

void ReceiveBuffer::commit(std::size_t count)
{
    m_count += std::min(count, m_capacity - m_start - m_count);
}

void ReceiveBuffer::clear()
{
    m_start = 0;
    m_count = 0;
    m_searched = 0;
}

} // namespace net
