# The program's layers: which folders (or, where a folder is shared, which files) make up each
# library, and which layers each may include. The build takes its sources from here and the
# `layers` check (cmake/CheckLayers.cmake) reads the same map, so the two cannot drift apart.
#
#   q417_layer(NAME TARGET [DIRS folder...] [FILES file...] MAY layer... [QT])
# A file belongs to the layer that names it in FILES, otherwise to the layer whose DIRS hold the
# folder it sits in (only that folder, not the folders below it). MAY lists the layers whose
# headers it may include (its own is always allowed); QT, that it may include Qt's headers.
# Each layer is written on one line.
get_filename_component(Q417_TOP ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(Q417_LAYERS)
macro(q417_layer name target)
    cmake_parse_arguments(_layer "QT" "" "DIRS;FILES;MAY" ${ARGN})
    list(APPEND Q417_LAYERS ${name})
    set(Q417_LAYER_${name}_TARGET ${target})
    set(Q417_LAYER_${name}_DIRS ${_layer_DIRS})
    set(Q417_LAYER_${name}_FILES ${_layer_FILES})
    set(Q417_LAYER_${name}_MAY ${name} ${_layer_MAY})
    set(Q417_LAYER_${name}_QT ${_layer_QT})
endmacro()

# The machine model: plain C++, no Qt, built and tested without a display.
q417_layer(model q417_model DIRS core key io app)
# The command-line companion on the model.
q417_layer(cli q417-cli DIRS app/cli MAY model)
# The UI base: picture elements, sprite sheets, picture copies, dialogs, the view host, the
# model's texts in the window's words. It knows no view.
q417_layer(ui q417_ui DIRS ui MAY model QT)
# The sound back end, a module loaded on the first sound; views know only its interface.
q417_layer(sound q417-sound DIRS app/qt/sound QT)
# The pictures of the machine's parts and the panels. No view knows the window.
q417_layer(views q417_views DIRS core/qt key/qt io/qt app/qt MAY model ui sound QT)
# The window: owns the session and puts the views together.
q417_layer(window q417_window DIRS app/window MAY model ui views sound QT)
# The program.
q417_layer(main q417 DIRS app/main MAY model ui views window sound QT)

# The layer a file (relative to the top folder) belongs to, or "" when it is in none.
function(q417_layer_of file out)
    get_filename_component(dir ${file} DIRECTORY)
    set(by_dir "")
    foreach(layer IN LISTS Q417_LAYERS)
        if(file IN_LIST Q417_LAYER_${layer}_FILES)
            set(${out} ${layer} PARENT_SCOPE)
            return()
        endif()
        if(dir IN_LIST Q417_LAYER_${layer}_DIRS)
            set(by_dir ${layer})
        endif()
    endforeach()
    set(${out} "${by_dir}" PARENT_SCOPE)
endfunction()

# The files of a layer (relative to the top folder) whose names match the given patterns
# (such as *.cpp), the files other layers claim left out.
function(q417_layer_files layer out)
    set(found)
    foreach(dir IN LISTS Q417_LAYER_${layer}_DIRS)
        set(globs)
        foreach(pattern IN LISTS ARGN)
            list(APPEND globs ${Q417_TOP}/${dir}/${pattern})
        endforeach()
        if(CMAKE_SCRIPT_MODE_FILE)
            file(GLOB in_dir RELATIVE ${Q417_TOP} ${globs})
        else()
            file(GLOB in_dir CONFIGURE_DEPENDS RELATIVE ${Q417_TOP} ${globs})
        endif()
        foreach(f IN LISTS in_dir)
            q417_layer_of(${f} owner)
            if(owner STREQUAL layer)
                list(APPEND found ${f})
            endif()
        endforeach()
    endforeach()
    foreach(f IN LISTS Q417_LAYER_${layer}_FILES)
        foreach(pattern IN LISTS ARGN)
            string(REPLACE "." "\\." regex "${pattern}")
            string(REPLACE "*" ".*" regex "${regex}")
            if(f MATCHES "/${regex}$")
                list(APPEND found ${f})
                break()
            endif()
        endforeach()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# The sources whose texts the window shows, translated from i18n/.
function(q417_translated_sources out)
    set(all)
    foreach(layer ui views window main)
        q417_layer_files(${layer} files *.cpp)
        list(APPEND all ${files})
    endforeach()
    set(${out} ${all} PARENT_SCOPE)
endfunction()
