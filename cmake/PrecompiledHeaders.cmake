# SPDX-License-Identifier: GPL-3.0-or-later
# The standard, Qt and GoogleTest headers most of our sources include, parsed once per target
# instead of once per file. Each target with a few sources precompiles its own: GCC takes a
# precompiled header only from a compile with the same definitions, and ours differ by the Qt
# modules a target links (QT_GUI_LIB, QT_WIDGETS_LIB) and by QT_USE_QSTRINGBUILDER. A
# precompiled header GCC refuses fails the build (-Winvalid-pch with -Werror), never slows it
# silently. clang-tidy reads the sources without it (scripts/tidy), so each source still has
# to include what it uses.
option(VANTREL_PCH "Precompile the most included headers" ON)

set(VANTREL_PCH_STANDARD
    <algorithm> <array> <atomic> <chrono> <cstdint> <cstdio> <cstdlib> <cstring> <filesystem>
    <fstream> <functional> <map> <memory> <optional> <regex> <sstream> <string> <string_view>
    <thread> <utility> <vector>)
set(VANTREL_PCH_Core <QCoreApplication> <QDateTime> <QFile> <QObject> <QPointer> <QString>
    <QStringList> <QTimer>)
set(VANTREL_PCH_DBus <QDBusConnection> <QDBusMessage>)
set(VANTREL_PCH_Gui <QImage> <QPainter>)
set(VANTREL_PCH_Widgets <QApplication> <QLabel> <QMenu> <QWidget>)
# Fewer sources than this and the header's own compile costs more than it saves.
set(VANTREL_PCH_LEAST_SOURCES 3)

# Sets `out` to the Qt modules (Core, Gui, ...) `target` compiles against, through any of the
# libraries of ours it links.
function(vantrel_qt_modules target out)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    set(modules)
    foreach(library IN LISTS libraries interface)
        if(library MATCHES "^Qt6::(.+)$")
            list(APPEND modules ${CMAKE_MATCH_1})
        elseif(TARGET ${library} AND library MATCHES "^vantrel_")
            vantrel_qt_modules(${library} below)
            list(APPEND modules ${below})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES modules)
    set(${out} ${modules} PARENT_SCOPE)
endfunction()

# Lists the targets defined in `folder` and below.
function(vantrel_targets_below folder out)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(folders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS folders)
        vantrel_targets_below(${sub} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Gives every target with a few sources that compiles against Qt its precompiled header: the
# standard headers, those of the Qt modules it links, and GoogleTest's in the tests.
function(vantrel_precompile_headers)
    if(NOT VANTREL_PCH)
        return()
    endif()
    vantrel_targets_below(${CMAKE_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY)$")
            continue()
        endif()
        get_target_property(sources ${target} SOURCES)
        list(FILTER sources INCLUDE REGEX "\\.cpp$")
        list(LENGTH sources count)
        vantrel_qt_modules(${target} modules)
        if(count LESS VANTREL_PCH_LEAST_SOURCES OR NOT "Core" IN_LIST modules)
            continue()
        endif()
        set(headers ${VANTREL_PCH_STANDARD} ${VANTREL_PCH_Core})
        if("Widgets" IN_LIST modules)
            list(APPEND modules Gui)
        endif()
        foreach(module DBus Gui Widgets)
            if(module IN_LIST modules)
                list(APPEND headers ${VANTREL_PCH_${module}})
            endif()
        endforeach()
        get_target_property(folder ${target} SOURCE_DIR)
        if(folder STREQUAL "${CMAKE_SOURCE_DIR}/tests")
            list(APPEND headers <gtest/gtest.h>)
        endif()
        target_precompile_headers(${target} PRIVATE ${headers})
    endforeach()
endfunction()
