# Fails on an include that runs up: the README's folder table lists src/'s folders from the top
# (the program's entry) to the bottom (helpers that depend on nothing), and a folder may include
# only from itself and from the folders listed below it. The table is the one place that says so.
#   cmake -DSOURCE_DIR=<repository> -P check-layers.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED SOURCE_DIR)
    message(FATAL_ERROR "check-layers: SOURCE_DIR is not set")
endif()

# "| `src/app` | ..." rows, in their order.
file(STRINGS ${SOURCE_DIR}/README.md rows REGEX "^\\| `src/[a-z_]+` \\|")
set(layers "")
foreach(row ${rows})
    string(REGEX REPLACE "^\\| `src/([a-z_]+)` \\|.*" "\\1" folder "${row}")
    list(APPEND layers ${folder})
endforeach()

file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*)
set(failures "")
foreach(folder ${folders})
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/src/${folder})
        continue()
    endif()
    list(FIND layers ${folder} level)
    if(level EQUAL -1)
        string(APPEND failures "\n  src/${folder} is not in the README's folder table")
        continue()
    endif()
    file(GLOB_RECURSE sources ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^#include \"[a-z_]+/")
        foreach(include ${includes})
            string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" target "${include}")
            list(FIND layers ${target} targetLevel)
            if(targetLevel LESS level)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
                string(APPEND failures "\n  ${shown}: ${include} (src/${target} is above src/${folder})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "check-layers: includes that run up:${failures}")
endif()
message(STATUS "check-layers: ${layers}: every include runs down")
