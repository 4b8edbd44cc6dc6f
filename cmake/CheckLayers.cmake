cmake_minimum_required(VERSION 3.25)
# Checks the includes of every source file of the program against the layers of
# cmake/Layers.cmake (run by ctest as `cmake -P cmake/CheckLayers.cmake`; the tree checked is
# the one this script sits in). Every include form is read: spaces or tabs around the `#`,
# quotes or angle brackets, paths relative to the including file's folder or to the top
# folder, `..` and `.` in them. A header found in the tree belongs to the layer of its file;
# one not found is a system header, and a Qt one (<QString>, <QtCore/QString>, <qglobal.h>)
# only where the layer may use Qt.
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
set(top ${Q417_TOP})
set(faults "")

# The tree file an include names, relative to the top folder, or "" for a system header.
function(resolve including header out)
    get_filename_component(dir ${including} DIRECTORY)
    foreach(candidate "${dir}/${header}" "${header}")
        cmake_path(NORMAL_PATH candidate)
        if(NOT candidate MATCHES "^\\.\\./" AND NOT IS_ABSOLUTE ${candidate}
                AND EXISTS ${top}/${candidate} AND NOT IS_DIRECTORY ${top}/${candidate})
            set(${out} ${candidate} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

foreach(layer IN LISTS Q417_LAYERS)
    foreach(f IN LISTS Q417_LAYER_${layer}_FILES)
        if(NOT EXISTS ${top}/${f})
            string(APPEND faults "\n  ${f}: in the ${layer} layer's list but not in the tree")
        endif()
    endforeach()
endforeach()

set(qt_header "^(Qt[A-Za-z]*(/.*)?|Q[A-Z][A-Za-z0-9]*|q[a-z0-9_]*\\.h|(private|qpa)/.*)$")
foreach(layer IN LISTS Q417_LAYERS)
    q417_layer_files(${layer} files *.h *.hpp *.cpp *.cc *.c *.inc)
    foreach(f IN LISTS files)
        file(STRINGS ${top}/${f} lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
                string(APPEND faults "\n  ${f}: ${line} (an include the check cannot read)")
                continue()
            endif()
            set(header ${CMAKE_MATCH_2})
            resolve(${f} ${header} target)
            if(target)
                q417_layer_of(${target} owner)
                if(NOT owner)
                    string(APPEND faults
                        "\n  ${f}: ${line} (${target} belongs to no layer of the program)")
                elseif(NOT owner IN_LIST Q417_LAYER_${layer}_MAY)
                    string(APPEND faults
                        "\n  ${f}: ${line} (the ${layer} layer does not include the ${owner} layer)")
                endif()
            elseif(header MATCHES "${qt_header}" AND NOT Q417_LAYER_${layer}_QT)
                string(APPEND faults "\n  ${f}: ${line} (the ${layer} layer has no Qt)")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes that cross a layer:${faults}")
endif()
