# q417_add_test(NAME <target> DIRS <dir>... LIBS <lib>... [ENV <var=value>...] [OWN_MAIN]
#               [PRECOMPILE <set>...])
# Builds one GoogleTest executable from every .cpp in the given folders under tests/
# and registers its cases with ctest. OWN_MAIN: the folder brings its own main() (Qt tests
# need an application object). PRECOMPILE: header sets besides gtest (see q417_precompile).
function(q417_add_test)
    cmake_parse_arguments(T "OWN_MAIN" "NAME" "DIRS;LIBS;ENV;PRECOMPILE" ${ARGN})
    set(sources)
    foreach(dir IN LISTS T_DIRS)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    if(NOT sources)
        return()
    endif()
    add_executable(${T_NAME} ${sources})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest)
    q417_test_options(${T_NAME})
    q417_precompile(${T_NAME} gtest ${T_PRECOMPILE})
    if(NOT T_OWN_MAIN)
        target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
    endif()
    target_compile_definitions(${T_NAME} PRIVATE
        Q417_SOURCE_DIR="${CMAKE_SOURCE_DIR}" Q417_BINARY_DIR="${CMAKE_BINARY_DIR}")
    q417_add_test_suites(${T_NAME} ${T_ENV})
endfunction()

# q417_add_test_suites(<target> [<var=value>...]): one ctest test per GoogleTest suite of the
# program, named after the suite (ctest -R CliTrace runs that suite). Once built, the program
# lists its suites (cmake/GTestSuites.cmake). A process per suite rather than per test: starting
# a test program costs more than most of its tests, ten times more under the sanitizers.
function(q417_add_test_suites target)
    set(suites_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DOUTPUT=${suites_file}
            -P ${CMAKE_SOURCE_DIR}/cmake/GTestSuites.cmake
        BYPRODUCTS ${suites_file} VERBATIM)
    set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
    file(GENERATE OUTPUT ${include_file} CONTENT "\
if(EXISTS \"${suites_file}\")
    include(\"${suites_file}\")
    foreach(suite IN LISTS suites)
        add_test(\"\${suite}\" \"$<TARGET_FILE:${target}>\" \"--gtest_filter=\${suite}.*\")
        set_tests_properties(\"\${suite}\" PROPERTIES
            WORKING_DIRECTORY \"${CMAKE_CURRENT_BINARY_DIR}\" ENVIRONMENT \"${ARGN}\")
    endforeach()
else()
    add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)
endif()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()

# q417_precompile(<target> <set>...) with sets qt, gui (Qt without widgets) and gtest: the
# headers nearly every source of such a target includes, parsed once per target instead of once
# per source (they are most of a source's compile time). Off with -DQ417_PCH=OFF, and in a
# batched build (Q417_UNITY), where each batch parses them once anyway and precompiling them
# would cost more than it saves.
function(q417_precompile target)
    if(NOT Q417_PCH OR Q417_UNITY)
        return()
    endif()
    set(headers <algorithm> <array> <functional> <memory> <string> <vector>)
    foreach(set IN LISTS ARGN)
        if(set STREQUAL "qt")
            list(APPEND headers <QCoreApplication> <QImage> <QKeyEvent> <QLabel> <QPainter>
                <QString> <QTimer> <QToolButton> <QWidget>)
        elseif(set STREQUAL "gui")
            list(APPEND headers <QImage> <QPainter> <QString>)
        elseif(set STREQUAL "gtest")
            list(APPEND headers <gtest/gtest.h> <filesystem> <fstream>)
        endif()
    endforeach()
    target_precompile_headers(${target} PRIVATE ${headers})
    # ccache keeps such sources too when GCC passes the header through preprocessing (and
    # ccache's sloppiness allows precompiled headers, as tools/dev sets it).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -fpch-preprocess)
    endif()
endfunction()

# The tests' own code is compiled at -O1: GoogleTest's macros make large functions that -O2
# takes a third longer over, and the code under test comes optimised from its libraries. Under
# the sanitizers, where instrumenting them costs as much again, at -O0, unless the tests'
# own code does heavy work (DOES_HEAVY_WORK: the command-line tests compare long outputs).
function(q417_test_options target)
    cmake_parse_arguments(O "DOES_HEAVY_WORK" "" "" ${ARGN})
    if(Q417_SANITIZE AND NOT O_DOES_HEAVY_WORK)
        target_compile_options(${target} PRIVATE -O0)
    elseif(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$")
        target_compile_options(${target} PRIVATE -O1)
    endif()
endfunction()
