// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagecache.h"

#include <sqlite3.h>

namespace platform::sqlite {

void keepPageCachesSmall()
{
    sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
}

} // namespace platform::sqlite
