// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/version/versionblock.h"
#include "tests/support/scratchruntime.h"

#include <QString>
#include <fstream>
#include <string>

namespace testing_support {

// Version resources as files, each under a name of its own in a folder removed afterwards.
class VersionFiles
{
public:
    // The file's path.
    QString write(const platform::VersionInfo& info)
    {
        const auto block = platform::buildVersionBlock(info);
        const auto path = m_folder.path() / ("resource" + std::to_string(m_count++) + ".vrs");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(block.data()),
                static_cast<std::streamsize>(block.size()));
        return QString::fromStdString(path.string());
    }

private:
    TemporaryFolder m_folder;
    int m_count = 0;
};

} // namespace testing_support
