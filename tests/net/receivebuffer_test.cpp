// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting received bytes into lines and raw pieces within a bounded block.
#include "net/receivebuffer.h"
#include "tests/support/netbytes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Delivered = testing_support::ReceivedPiece;

// Feeds `data` the way the transport's read handler does — recv into the free space, at most
// `chunk` bytes at a time, taking every complete piece in between — then, as at a peer close,
// the remainder.
std::vector<Delivered> receive(
    net::ReceiveBuffer& buffer, const std::string& data, std::size_t chunk)
{
    std::vector<Delivered> pieces;
    const auto drain = [&] {
        while (const auto piece = buffer.takeComplete())
            pieces.push_back({ std::string(piece->bytes), piece->endsLine });
    };
    std::size_t offset = 0;
    while (offset < data.size()) {
        const auto space = buffer.freeSpace();
        const std::size_t count = std::min({ chunk, space.size(), data.size() - offset });
        std::copy_n(data.data() + offset, count, space.data());
        buffer.commit(count);
        offset += count;
        drain();
    }
    if (const auto rest = buffer.takeRemainder())
        pieces.push_back({ std::string(rest->bytes), rest->endsLine });
    return pieces;
}

TEST(ReceiveBuffer, CutsLinesAndDropsTheLineEnd)
{
    net::ReceiveBuffer buffer;
    buffer.setLineEnd("\n");
    const auto pieces = receive(buffer, "HTTP/1.0 200 OK\r\nServer: x\r\n\r\nbody", 7);
    const std::vector<Delivered> expected { { "HTTP/1.0 200 OK\r", true }, { "Server: x\r", true },
        { "\r", true }, { "body", false } };
    EXPECT_EQ(pieces, expected) << "the unterminated tail comes last, not marked as a line";
}

TEST(ReceiveBuffer, CutsALineLongerThanTheBlockIntoBlockSizedPieces)
{
    net::ReceiveBuffer buffer(2048);
    buffer.setLineEnd("\n");
    // Appended, not added: GCC 12 sees a false out-of-bounds copy in std::string's operator+.
    const auto pieces = receive(buffer, std::string(5000, 'x').append("\n"), 1460);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0], (Delivered { std::string(2048, 'x'), false }));
    EXPECT_EQ(pieces[1], (Delivered { std::string(2048, 'x'), false }));
    EXPECT_EQ(pieces[2], (Delivered { std::string(904, 'x'), true }));
}

TEST(ReceiveBuffer, NeverGrowsWhateverThePeerSends)
{
    // Guards against a header line without end growing the buffer without bound.
    net::ReceiveBuffer buffer(2048);
    buffer.setLineEnd("\n");
    std::size_t largest = 0;
    std::size_t total = 0;
    for (int i = 0; i < 5000; ++i) {
        const auto space = buffer.freeSpace();
        std::fill(space.begin(), space.end(), 'h');
        buffer.commit(space.size());
        while (const auto piece = buffer.takeComplete()) {
            largest = std::max(largest, piece->bytes.size());
            total += piece->bytes.size();
        }
        EXPECT_LE(buffer.buffered(), buffer.capacity());
    }
    EXPECT_EQ(largest, 2048u);
    EXPECT_EQ(total, 5000u * 2048u) << "every byte is delivered once";
}

TEST(ReceiveBuffer, FindsALineEndSplitAcrossReceives)
{
    net::ReceiveBuffer buffer;
    buffer.setLineEnd("\r\n");
    const auto pieces = receive(buffer, "abc\r\ndef\r\n", 4);
    const std::vector<Delivered> expected { { "abc", true }, { "def", true } };
    EXPECT_EQ(pieces, expected);
}

TEST(ReceiveBuffer, DeliversEverythingBufferedInRawMode)
{
    net::ReceiveBuffer buffer(16);
    const auto pieces = receive(buffer, "0123456789abcdefghij\n", 100);
    const std::vector<Delivered> expected { { "0123456789abcdef", true }, { "ghij\n", true } };
    EXPECT_EQ(pieces, expected) << "raw pieces are as large as the block allows and end a piece";
}

TEST(ReceiveBuffer, SwitchesFromLinesToRawWithoutLosingBufferedBytes)
{
    net::ReceiveBuffer buffer;
    buffer.setLineEnd("\n");
    const std::string data = "Content-Length: 4\n\nbody";
    const auto space = buffer.freeSpace();
    std::copy(data.begin(), data.end(), space.begin());
    buffer.commit(data.size());
    EXPECT_EQ(buffer.takeComplete()->bytes, "Content-Length: 4");
    EXPECT_EQ(buffer.takeComplete()->bytes, "");
    EXPECT_FALSE(buffer.takeComplete()) << "no line end follows the body";
    buffer.setLineEnd("");
    const auto body = buffer.takeComplete();
    ASSERT_TRUE(body);
    EXPECT_EQ(body->bytes, "body");
    EXPECT_FALSE(buffer.takeRemainder());
}

TEST(ReceiveBuffer, MovesConsumedBytesOnlyWhenTheEndIsReached)
{
    net::ReceiveBuffer buffer(8);
    buffer.setLineEnd("\n");
    auto space = buffer.freeSpace();
    std::copy_n("ab\ncdef", 7, space.begin());
    buffer.commit(7);
    EXPECT_EQ(buffer.takeComplete()->bytes, "ab");
    EXPECT_EQ(buffer.freeSpace().size(), 1u) << "room remains at the end: nothing moves yet";
    buffer.commit(0);
    space = buffer.freeSpace();
    space[0] = 'g';
    buffer.commit(1);
    EXPECT_EQ(buffer.freeSpace().size(), 3u)
        << "the end reached, the unread bytes move to the front";
    EXPECT_FALSE(buffer.takeComplete());
    EXPECT_EQ(buffer.takeRemainder()->bytes, "cdefg");
}

TEST(ReceiveBuffer, TakesItsCapacityWithinBounds)
{
    EXPECT_EQ(net::ReceiveBuffer(1 << 20).capacity(), net::ReceiveBuffer::kMaxCapacity);
    EXPECT_EQ(net::ReceiveBuffer(0).capacity(), 1u);
}

} // namespace
