// SPDX-License-Identifier: GPL-3.0-or-later
// Spelling protocol bytes and received pieces in network tests.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>

namespace testing_support {

inline std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result += static_cast<char>(value);
    return result;
}

// A piece as the transport hands it over, kept beyond the call.
struct ReceivedPiece
{
    std::string bytes;
    bool endsLine;
    bool operator==(const ReceivedPiece&) const = default;
};

inline void PrintTo(const ReceivedPiece& piece, std::ostream* out)
{
    *out << "{" << piece.bytes.size() << " bytes \"" << piece.bytes.substr(0, 20) << "\", "
         << (piece.endsLine ? "ends a line" : "part") << "}";
}

} // namespace testing_support
