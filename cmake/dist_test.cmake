# Makes the download into DIST_DIR and checks it: the zip holds the program, its sounds and the
# user's README, and its checksum file passes `sha256sum -c`.
#   cmake -DBUILD_DIR=build/windows -DDIST_DIR=build/windows/dist-test -P cmake/dist_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/dist.cmake)
set(expected README.txt sentrel.exe Data/Disinfected.wav Data/Infected.wav Data/NotInfected.wav
             Data/Probe.wav)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${DIST_DIR}/${name} OUTPUT_VARIABLE listing)
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "/$")  # folders
list(SORT entries)
list(SORT expected)
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "${name} holds ${entries}, not ${expected}")
endif()

set(unpacked ${DIST_DIR}/unpacked)
file(REMOVE_RECURSE ${unpacked})
file(ARCHIVE_EXTRACT INPUT ${DIST_DIR}/${name} DESTINATION ${unpacked} PATTERNS README.txt)
# Read as text, the file comes without its carriage returns: one for each line end.
file(READ ${unpacked}/README.txt readme)
file(SIZE ${unpacked}/README.txt size)
string(LENGTH "${readme}" length)
string(REGEX MATCHALL "\n" ends "${readme}")
list(LENGTH ends lines)
math(EXPR returns "${size} - ${length}")
if(NOT readme MATCHES "\n## Cleaning many PCs\n" OR readme MATCHES "make test"
   OR NOT returns EQUAL lines)
    message(FATAL_ERROR "README.txt is not the user's part of README.md with Windows line ends")
endif()

find_program(SHA256SUM sha256sum)
if(SHA256SUM)
    execute_process(COMMAND ${SHA256SUM} -c ${name}.sha256 WORKING_DIRECTORY ${DIST_DIR}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${name}.sha256 does not check out")
    endif()
endif()
