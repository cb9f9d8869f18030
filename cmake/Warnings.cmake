# SPDX-License-Identifier: GPL-3.0-or-later
# Our own code compiles clean under these; system headers (Qt, SQLite) are included as such.
add_library(vantrel_warnings INTERFACE)
target_compile_options(vantrel_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Wpedantic
    $<$<BOOL:${VANTREL_WERROR}>:-Werror>)
