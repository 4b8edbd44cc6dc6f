cmake_minimum_required(VERSION 3.25)
# The layers of the program, checked on the includes of every source file (run by ctest as
# `cmake -DSOURCE_DIR=... -P CheckLayers.cmake`):
#   model   core/, key/, io/, app/ and app/cli/ outside qt/: no Qt, no view;
#   UI base picture elements, sprite sheets, picture copies, dialogs, the view host: no view;
#   views   the qt/ folders: never the main window.
set(ui_base app/qt/picture_element.h app/qt/picture_element.cpp app/qt/sprites.h
    app/qt/sprites.cpp core/qt/blit.h core/qt/blit.cpp app/qt/dialogs.h app/qt/dialogs.cpp
    app/qt/view_host.h app/qt/model_texts.h app/qt/model_texts.cpp)
set(window app/qt/main_window.h app/qt/main_window.cpp app/qt/main_window_events.cpp)
set(faults "")

file(GLOB model RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/core/*.[hc]* ${SOURCE_DIR}/key/*.[hc]*
     ${SOURCE_DIR}/io/*.[hc]* ${SOURCE_DIR}/app/*.[hc]* ${SOURCE_DIR}/app/cli/*.[hc]*)
file(GLOB views RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/core/qt/*.[hc]* ${SOURCE_DIR}/key/qt/*.[hc]*
     ${SOURCE_DIR}/io/qt/*.[hc]* ${SOURCE_DIR}/app/qt/*.[hc]*)
list(REMOVE_ITEM views ${window})

function(check files pattern what)
    foreach(f IN LISTS files)
        file(STRINGS ${SOURCE_DIR}/${f} lines REGEX "^#include")
        foreach(line IN LISTS lines)
            if(line MATCHES "${pattern}")
                set(faults "${faults}\n  ${f}: ${line} (${what})" PARENT_SCOPE)
            endif()
        endforeach()
    endforeach()
endfunction()

check("${model}" "#include <Q|/qt/" "the model has no Qt and no view")
check("${views}" "app/qt/main_window.h" "a view does not know the window")
foreach(f IN LISTS ui_base)
    file(STRINGS ${SOURCE_DIR}/${f} lines REGEX "^#include \"[a-z]+/qt/")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT header IN_LIST ui_base)
            set(faults "${faults}\n  ${f}: ${line} (the UI base holds no view)")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes that cross a layer:${faults}")
endif()
