// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "tests/support/built.h"

#include <cstdlib>
#include <filesystem>

namespace testing_support {

// Where tests leave what a person looks at afterwards (screenshots): $VANTREL_ARTEFACTS, else
// test-artefacts in the build folder. Made when missing.
inline std::filesystem::path artefactFolder()
{
    const char* chosen = std::getenv("VANTREL_ARTEFACTS");
    const std::filesystem::path folder
        = chosen && *chosen ? chosen : testing_support::built::artefactsDir;
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace testing_support
