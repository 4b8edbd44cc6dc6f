# q417_add_test(NAME <target> DIRS <dir>... LIBS <lib>... [ENV <var=value>...] [OWN_MAIN])
# Builds one GoogleTest executable from every .cpp in the given folders under tests/
# and registers its cases with ctest. OWN_MAIN: the folder brings its own main() (Qt tests
# need an application object).
function(q417_add_test)
    cmake_parse_arguments(T "OWN_MAIN" "NAME" "DIRS;LIBS;ENV" ${ARGN})
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
    if(NOT T_OWN_MAIN)
        target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
    endif()
    target_compile_definitions(${T_NAME} PRIVATE
        Q417_SOURCE_DIR="${CMAKE_SOURCE_DIR}" Q417_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${T_ENV}")
endfunction()
