// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace net {

// The transport's receive buffer: one block of MaxLineSize bytes, filled by recv and cut into
// pieces — lines without their line end, or in raw mode (empty line end) whatever is buffered.
// A line longer than the block comes out in block-sized pieces marked as not ending a line, so
// nothing a peer sends can grow the buffer. Pieces are views into the block, valid until the
// next freeSpace().
class ReceiveBuffer
{
public:
    static constexpr std::size_t kMaxCapacity = 65536;

    explicit ReceiveBuffer(std::size_t capacity = 2048);

    std::size_t capacity() const { return m_capacity; }
    std::size_t buffered() const { return m_count; }
    void setLineEnd(std::string lineEnd);
    const std::string& lineEnd() const { return m_lineEnd; }

    struct Piece
    {
        std::string_view bytes;
        bool endsLine;
    };
    // The next complete piece: a line, everything buffered in raw mode, or the whole block when
    // it is full without a line end. Nothing when more data is needed.
    std::optional<Piece> takeComplete();
    // Whatever is left once the peer has closed, as one piece that does not end a line.
    std::optional<Piece> takeRemainder();

    // Room at the end of the block for the next recv; consumed bytes are moved out of the way
    // only when the end is reached. Empty when the block is full.
    std::span<char> freeSpace();
    void commit(std::size_t count);
    void clear();

private:
    Piece take(std::size_t length, std::size_t skipped, bool endsLine);

    std::size_t m_capacity;
    // Left uninitialised: an idle client's block costs no resident memory until data comes.
    std::unique_ptr<char[]> m_block;
    std::size_t m_start = 0;
    std::size_t m_count = 0;
    std::size_t m_searched = 0; // bytes from m_start already known to hold no line end
    std::string m_lineEnd;
};

} // namespace net
