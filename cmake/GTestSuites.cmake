# Run after a GoogleTest program is built (cmake -P): lists its test suites into a file that
# the program's ctest registration reads (q417_add_test_suites in Q417Helpers.cmake).
#   -DPROGRAM=<test program> -DOUTPUT=<file to write>
# A suite line of --gtest_list_tests starts its line and ends in a dot ("Suite." or
# "Prefix/Suite."); the tests follow, indented.
execute_process(COMMAND "${PROGRAM}" --gtest_list_tests
    OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} could not list its tests (${status}):\n${errors}")
endif()
string(REGEX MATCHALL "(^|\n)[A-Za-z0-9_/]+\\." lines "${listing}")
set(suites)
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(REGEX REPLACE "\\.$" "" suite "${line}")
    list(APPEND suites "${suite}")
endforeach()
if(NOT suites)
    message(FATAL_ERROR "${PROGRAM} lists no tests:\n${listing}")
endif()
file(WRITE "${OUTPUT}.new" "set(suites \"${suites}\")\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
