// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform::sqlite {

// Call before any database is opened. The program's databases hold a few pages each: without
// this every connection would set up room for a bulk of cache pages at its first read and keep
// it for the life of the process.
void keepPageCachesSmall();

} // namespace platform::sqlite
