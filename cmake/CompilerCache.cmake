# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles through ccache when it is installed (scripts/setup installs it), unless the builder
# chose a launcher already or turned it off (-DVANTREL_CCACHE=OFF). Entries are keyed by paths
# relative to the source folder, and not by the build folder, so that two clones of one commit
# share them; the precompiled headers are cached too (see PrecompiledHeaders.cmake).
option(VANTREL_CCACHE "Compile through ccache when it is installed" ON)
find_program(VANTREL_CCACHE_PROGRAM ccache)
if(VANTREL_CCACHE AND VANTREL_CCACHE_PROGRAM AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=true
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${VANTREL_CCACHE_PROGRAM})
    message(STATUS "Compiling through ${VANTREL_CCACHE_PROGRAM}")
endif()
