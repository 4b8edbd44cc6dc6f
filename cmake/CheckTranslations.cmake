cmake_minimum_required(VERSION 3.25)
# Every text of the window translated in every shipped language (run by ctest as
# `cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P CheckTranslations.cmake`): the
# translation sources are brought up to date with the sources in a scratch copy, the way
# `update_translations` would, and any text that is new there, or unfinished or empty in them,
# fails the check with its words.
include(${SOURCE_DIR}/cmake/Layers.cmake)
q417_translated_sources(sources)
list(TRANSFORM sources PREPEND ${SOURCE_DIR}/)
file(GLOB ts_files ${SOURCE_DIR}/i18n/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "No translation sources in ${SOURCE_DIR}/i18n")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(faults "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete ${sources}
                            -ts ${WORK_DIR}/${name}
                    RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ ${WORK_DIR}/${name} text)
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation( type=\"unfinished\"/?>|>[ \n]*</translation>|/>)"
           untranslated "${text}")
    foreach(entry IN LISTS untranslated)
        string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" words "${entry}")
        set(faults "${faults}\n  ${name}: ${words}")
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Texts without a translation (run the update_translations target, "
                        "then translate them):${faults}")
endif()
