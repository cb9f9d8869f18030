// SPDX-License-Identifier: GPL-3.0-or-later
// Where this build put the programs and files the tests use. The paths live in one generated
// source (built.cpp.in), not on every test's compile line, so that two clones of one commit
// compile their tests alike and share them through the compiler cache.
#pragma once

namespace testing_support::built {

extern const char* const vantrel;
extern const char* const vantrelReg;
extern const char* const vantrelRas;
extern const char* const vantrelFetch;
extern const char* const vantrelUsage;
extern const char* const sound; // the connect sound the build made, beside the program
extern const char* const translations; // the .qm files, beside the program
extern const char* const sourceDir;
extern const char* const scenarios;
extern const char* const artefactsDir;

} // namespace testing_support::built
