# SPDX-License-Identifier: GPL-3.0-or-later
# The standard, Qt and GoogleTest headers most of our sources include, parsed once for all the
# targets that agree on the definitions that change them (the Qt modules they link,
# QT_USE_QSTRINGBUILDER) instead of once per file. A precompiled header GCC refuses fails the
# build (-Winvalid-pch with -Werror), never slows it silently. clang-tidy reads the sources
# without it (scripts/tidy), so each source still has to include what it uses.
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

# Gives every target with a few sources that compiles against Qt a precompiled header: the
# standard headers, those of the Qt modules it links, and GoogleTest's in the tests. Targets
# whose definitions agree (the same Qt modules, tests or not) share one, made by an empty host
# target of their own: GCC takes a precompiled header only from a compile with the same
# definitions.
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
        if("Widgets" IN_LIST modules)
            list(APPEND modules Gui)
        endif()
        list(REMOVE_DUPLICATES modules)
        list(SORT modules)
        set(headers ${VANTREL_PCH_STANDARD})
        foreach(module IN LISTS modules)
            list(APPEND headers ${VANTREL_PCH_${module}})
        endforeach()
        string(JOIN "_" host vantrel_pch ${modules})
        get_target_property(definitions ${target} COMPILE_DEFINITIONS)
        if(definitions MATCHES "QT_USE_QSTRINGBUILDER")
            string(APPEND host "_StringBuilder")
        endif()
        get_target_property(folder ${target} SOURCE_DIR)
        if(folder STREQUAL "${CMAKE_SOURCE_DIR}/tests")
            list(APPEND headers <gtest/gtest.h>)
            string(APPEND host "_tests")
        endif()
        if("Test" IN_LIST modules)
            # Qt Test defines the folder of each target that links it: no two agree.
            target_precompile_headers(${target} PRIVATE ${headers})
            continue()
        endif()
        if(NOT TARGET ${host})
            file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/${host}.cpp
                CONTENT "// Compiles only its precompiled header.\n")
            add_library(${host} OBJECT ${CMAKE_BINARY_DIR}/${host}.cpp)
            find_package(Qt6 REQUIRED COMPONENTS ${modules})
            list(TRANSFORM modules PREPEND "Qt6::" OUTPUT_VARIABLE qt)
            target_link_libraries(${host} PRIVATE ${qt} vantrel_warnings)
            if(host MATCHES "_tests$")
                find_package(GTest REQUIRED)
                target_link_libraries(${host} PRIVATE GTest::gtest)
            endif()
            if(host MATCHES "_StringBuilder")
                target_compile_definitions(${host} PRIVATE QT_USE_QSTRINGBUILDER)
            endif()
            target_precompile_headers(${host} PRIVATE ${headers})
        endif()
        target_precompile_headers(${target} REUSE_FROM ${host})
    endforeach()
endfunction()
