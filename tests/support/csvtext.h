// SPDX-License-Identifier: GPL-3.0-or-later
// The plain CSV the programs write (no quoted commas in the fields a test reads), split into
// fields.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

// One line's fields; a last empty field is not returned.
inline std::vector<std::string> csvFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');)
        fields.push_back(cell);
    return fields;
}

// Every line after the header, split into fields, line ends CR LF or LF.
inline std::vector<std::vector<std::string>> csvRowsAfterHeader(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        rows.push_back(csvFields(line));
    }
    return rows;
}

} // namespace testing_support
