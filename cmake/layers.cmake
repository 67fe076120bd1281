# SPDX-License-Identifier: GPL-3.0-or-later
# The program's layers and the includes between them.
#
# Each folder of src/ is a layer; the layers are given lowest first, and a
# file may include from its own layer and from the layers before it, never
# from one after it. So no include cycle between layers can form.
#
# Included from a CMakeLists, zut_check_layers() makes the check part of the
# build: a forbidden include fails it. Run as a script, it prints the graph
# of includes between the folders (scripts/include-graph.sh):
#   cmake -DSOURCES=src -DLAYERS="core;probe;shell;paper;windows;app" [-DPRINT=ON] -P cmake/layers.cmake

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)
endif()

# The includes of `folder`'s files that name another folder ("shell/window.h"),
# as "FROM>TO" pairs with their count: "paper>shell 8".
function(zut_layer_edges sources folder out)
    file(GLOB files ${sources}/${folder}/*.h ${sources}/${folder}/*.cpp)
    set(targets)
    foreach(file IN LISTS files)
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"[A-Za-z_]+/")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([A-Za-z_]+)/.*" "\\1" to "${line}")
            if(NOT to STREQUAL folder)
                list(APPEND targets ${to})
                get_filename_component(name ${file} NAME)
                set_property(GLOBAL APPEND PROPERTY zut_layer_${folder}_${to} ${name})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES targets)
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Checks every layer's includes; with `print`, prints the graph.
function(zut_layer_graph sources layers print)
    set(below)
    set(faults)
    foreach(layer IN LISTS layers)
        zut_layer_edges(${sources} ${layer} targets)
        set(line)
        foreach(to IN LISTS targets)
            get_property(files GLOBAL PROPERTY zut_layer_${layer}_${to})
            list(LENGTH files count)
            string(APPEND line " ${to}(${count})")
            if(NOT to IN_LIST below)
                list(REMOVE_DUPLICATES files)
                list(JOIN files ", " named)
                list(APPEND faults "${layer} -> ${to}: ${named}")
            endif()
        endforeach()
        if(print)
            if(NOT line)
                set(line " nothing")
            endif()
            message("${layer} ->${line}")
        endif()
        list(APPEND below ${layer})
    endforeach()
    if(faults)
        list(JOIN faults "\n  " text)
        message(FATAL_ERROR "Includes against the layers' order (${layers}):\n  ${text}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    if(NOT DEFINED PRINT)
        set(PRINT OFF)
    endif()
    zut_layer_graph(${SOURCES} "${LAYERS}" ${PRINT})
    if(STAMP)
        file(TOUCH ${STAMP})
    endif()
    return()
endif()

# Makes the check a step every build of `target` waits for, run again
# whenever a file of a layer changes.
function(zut_check_layers target sources)
    set(layers ${ARGN})
    set(watched)
    foreach(layer IN LISTS layers)
        file(GLOB files CONFIGURE_DEPENDS ${sources}/${layer}/*.h ${sources}/${layer}/*.cpp)
        list(APPEND watched ${files})
    endforeach()
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/layers.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSOURCES=${sources} "-DLAYERS=${layers}" -DSTAMP=${stamp}
                -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        DEPENDS ${watched} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        COMMENT "Checking the includes between the layers"
        VERBATIM)
    add_custom_target(${target}_layers DEPENDS ${stamp})
    foreach(layer IN LISTS layers)
        if(TARGET zut_${layer})
            add_dependencies(zut_${layer} ${target}_layers)
        endif()
    endforeach()
    add_dependencies(${target} ${target}_layers)
endfunction()
