# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler settings shared by every Tavrin target, and the helpers that declare layers and tests.

add_library(tavrin_build_options INTERFACE)
target_compile_options(tavrin_build_options INTERFACE -Wall -Wextra -Wpedantic -Werror)
target_compile_definitions(tavrin_build_options INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER)
if(TAVRIN_SANITIZE)
    # GCC's undefined-behaviour set leaves out float-to-integer overflow: ask for it.
    set(_tavrin_sanitizers -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_compile_options(tavrin_build_options INTERFACE ${_tavrin_sanitizers})
    target_link_options(tavrin_build_options INTERFACE ${_tavrin_sanitizers})
endif()

# tavrin_add_layer(NAME SOURCES ... PUBLIC_LINKS ... PRIVATE_LINKS ...)
# One static library per folder. A layer only sees the layers it links, so a wrong include fails the build.
function(tavrin_add_layer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LINKS;PRIVATE_LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LINKS} PRIVATE tavrin_build_options ${ARG_PRIVATE_LINKS})
endfunction()

# tavrin_add_test(NAME [SESSION] [SESSION_ARGS ...] SOURCES ... LINKS ... LABELS ...)
# One Qt Test executable per area. Every test runs with its own HOME and XDG folders so that
# nothing it does touches the developer's real settings or data. SESSION runs it inside a private
# desktop session (Xvfb, openbox, private buses; see tests/e2e/session.sh).
function(tavrin_add_test name)
    cmake_parse_arguments(ARG "SESSION" "" "SOURCES;LINKS;LABELS;SESSION_ARGS" ${ARGN})
    if(NOT ARG_LABELS)
        set(ARG_LABELS unit)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tavrin_build_options tavrin_test_fakes Qt6::Test ${ARG_LINKS})
    if(ARG_SESSION)
        add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/session.sh ${ARG_SESSION_ARGS} -- $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set(home ${CMAKE_BINARY_DIR}/test-homes/${name})
    set_property(GLOBAL APPEND PROPERTY TAVRIN_TEST_HOMES ${home})
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_RUNTIME_DIR=${home}/runtime;TZ=UTC"
        FIXTURES_REQUIRED test_homes)
endfunction()

# tavrin_add_subset_font(target FAMILY "Tavrin Sans" STEM TavrinSans CHARACTERS file)
# Cuts the characters listed in the file out of the system's Noto Sans CJK SC, Regular and Bold, renames
# the result to FAMILY and compiles it into the target as :/fonts/<STEM>-Regular.otf and -Bold.otf, so
# that a program carries a small font instead of mapping the 20 MB system collections.
function(tavrin_add_subset_font target)
    cmake_parse_arguments(ARG "" "FAMILY;STEM;CHARACTERS" "" ${ARGN})
    find_program(SYSTEM_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
    set(noto_folder /usr/share/fonts/opentype/noto)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/fonts)
    file(MAKE_DIRECTORY ${folder})
    set(fonts)
    foreach(style Regular Bold)
        set(output ${folder}/${ARG_STEM}-${style}.otf)
        add_custom_command(
            OUTPUT ${output}
            COMMAND ${SYSTEM_PYTHON3} ${PROJECT_SOURCE_DIR}/scripts/make_subset_font.py
                ${noto_folder}/NotoSansCJK-${style}.ttc 2 ${ARG_CHARACTERS} "${ARG_FAMILY}" ${style} ${output}
            DEPENDS ${PROJECT_SOURCE_DIR}/scripts/make_subset_font.py ${ARG_CHARACTERS}
                ${noto_folder}/NotoSansCJK-${style}.ttc
            COMMENT "Cutting ${ARG_FAMILY} ${style} out of Noto Sans CJK SC")
        list(APPEND fonts ${output})
    endforeach()
    qt_add_resources(${target} ${ARG_STEM}_fonts PREFIX /fonts BASE ${folder} FILES ${fonts})
endfunction()
