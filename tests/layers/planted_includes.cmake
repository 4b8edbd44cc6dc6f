cmake_minimum_required(VERSION 3.25)
# The layers check must see through every way of writing an include. The program's folders
# are copied to WORK_DIR; the check must pass on the copy, then each planted include alone
# must fail it, naming the file it was planted in.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -P planted_includes.cmake
include(${SOURCE_DIR}/cmake/Layers.cmake)
file(REMOVE_RECURSE ${WORK_DIR})
set(folders cmake)
foreach(layer IN LISTS Q417_LAYERS)
    foreach(path IN LISTS Q417_LAYER_${layer}_DIRS Q417_LAYER_${layer}_FILES)
        string(REGEX REPLACE "/.*" "" first ${path})
        list(APPEND folders ${first})
    endforeach()
endforeach()
list(REMOVE_DUPLICATES folders)
foreach(folder IN LISTS folders)
    file(COPY ${SOURCE_DIR}/${folder} DESTINATION ${WORK_DIR})
endforeach()

function(run_check out_result out_text)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR} -P ${WORK_DIR}/cmake/CheckLayers.cmake
        RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE text)
    set(${out_result} ${result} PARENT_SCOPE)
    set(${out_text} "${text}" PARENT_SCOPE)
endfunction()

run_check(result text)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The check fails on an untouched copy:\n${text}")
endif()

set(failures "")
# Appends `line` to `file` (relative to the copy), runs the check and puts the file back.
function(plant file line)
    file(READ ${WORK_DIR}/${file} original)
    file(APPEND ${WORK_DIR}/${file} "${line}\n")
    run_check(result text)
    file(WRITE ${WORK_DIR}/${file} "${original}")
    string(REPLACE "${WORK_DIR}/" "" text "${text}")
    if(result EQUAL 0 OR NOT text MATCHES "${file}")
        set(failures "${failures}\n  ${file}: ${line}" PARENT_SCOPE)
    endif()
endfunction()

function(first_file layer out)
    q417_layer_files(${layer} files *.cpp)
    list(GET files 0 first)
    set(${out} ${first} PARENT_SCOPE)
endfunction()
# Q417_TOP points at the tree the map was read from; the copy has the same files.
first_file(model model_file)
first_file(cli cli_file)
first_file(ui ui_file)
first_file(views view_file)
q417_layer_files(views view_headers *.h)
list(GET view_headers 0 view_header)
q417_layer_files(window window_headers *.h)
list(GET window_headers 0 window_header)

# Qt in the model or the command-line tool, however it is spelt.
plant(${model_file} "#  include <QString>")
plant(${model_file} "#include <QtCore/QString>")
plant(${model_file} "#\tinclude <qglobal.h>")
plant(${model_file} "  #include <QtWidgets>")
plant(${cli_file} "#include <QByteArray>")
# A view in the model, by the top-folder path and by a path relative to the model's file.
get_filename_component(model_dir ${model_file} DIRECTORY)
file(RELATIVE_PATH model_to_view ${WORK_DIR}/${model_dir} ${WORK_DIR}/${view_header})
plant(${model_file} "#include \"${view_header}\"")
plant(${model_file} "# include \"${model_to_view}\"")
# A view in the UI base.
plant(${ui_file} "#include <${view_header}>")
# The window in a view: quotes, angle brackets, relative, with `.` and `..` in the path.
get_filename_component(view_dir ${view_file} DIRECTORY)
get_filename_component(window_dir ${window_header} DIRECTORY)
get_filename_component(window_name ${window_header} NAME)
get_filename_component(window_last ${window_dir} NAME)
file(RELATIVE_PATH view_to_window ${WORK_DIR}/${view_dir} ${WORK_DIR}/${window_header})
plant(${view_file} "#include \"${window_header}\"")
plant(${view_file} "#include <${window_header}>")
plant(${view_file} "#include \"${view_to_window}\"")
plant(${view_file} "#include \"${window_dir}/../${window_last}/./${window_name}\"")
# A view beside the window's header names it without a folder.
foreach(f IN LISTS view_headers)
    get_filename_component(dir ${f} DIRECTORY)
    if(dir STREQUAL window_dir)
        plant(${f} "#include \"${window_name}\"")
        break()
    endif()
endforeach()
# A header from outside every layer, and an include the check cannot read.
file(WRITE ${WORK_DIR}/stray/helper.h "#pragma once\n")
plant(${view_file} "#include \"stray/helper.h\"")
plant(${model_file} "#include Q417_SOME_HEADER")

if(failures)
    message(FATAL_ERROR "The layers check let these through:${failures}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
