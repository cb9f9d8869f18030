# SPDX-License-Identifier: GPL-3.0-or-later
# vantrel_add_version_resource(TARGET DESCRIPTION text INTERNAL_NAME name)
# Embeds the program's version resource (company, product, version, copyright) in TARGET.
function(vantrel_add_version_resource target)
    cmake_parse_arguments(ARG "" "DESCRIPTION;INTERNAL_NAME" "" ${ARGN})
    set(version "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
    set(flags 0)
    if(CMAKE_BUILD_TYPE STREQUAL "Debug")
        math(EXPR flags "${flags} | 0x01") # debug build
    endif()
    if(PROJECT_VERSION_MAJOR EQUAL 0)
        math(EXPR flags "${flags} | 0x02") # pre-release
    endif()
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_versionresource.cpp")
    add_custom_command(OUTPUT "${output}"
        COMMAND vantrel-mkversionres "${output}"
            --file-version "${version}" --product-version "${version}" --flags ${flags}
            --translation 0409 FDE9
            --string "CompanyName=${VANTREL_COMPANY}"
            --string "FileDescription=${ARG_DESCRIPTION}"
            --string "FileVersion=${PROJECT_VERSION}"
            --string "InternalName=${ARG_INTERNAL_NAME}"
            --string "LegalCopyright=Copyright (C) ${VANTREL_COPYRIGHT_YEAR} ${VANTREL_COMPANY}"
            --string "OriginalFilename=${ARG_INTERNAL_NAME}"
            --string "ProductName=Vantrel"
            --string "ProductVersion=${PROJECT_VERSION}"
            --string "Comments=${VANTREL_COPYRIGHT_YEAR} ${VANTREL_COMPANY}"
        DEPENDS vantrel-mkversionres
        COMMENT "Generating the version resource of ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE "${output}")
endfunction()
