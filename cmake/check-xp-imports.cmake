# Fails when a program imports a function that Windows XP SP3 does not export: such a program
# does not start there. Such functions are looked up at run time instead.
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -DMISSING=<list> -P check-xp-imports.cmake
# The list has one "<dll> <function>" a line, DLL names in lower case; '#' starts a comment.
cmake_minimum_required(VERSION 3.25)

foreach(variable OBJDUMP PROGRAM MISSING)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "check-xp-imports: ${variable} is not set")
    endif()
endforeach()

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "check-xp-imports: ${OBJDUMP} could not read ${PROGRAM}")
endif()

file(STRINGS ${MISSING} listed REGEX "^[^#]")

# objdump lists each DLL ("DLL Name: KERNEL32.dll") followed by its functions by name
# ("<address> <hint> <name>").
string(REPLACE "\n" ";" lines "${dump}")
set(dll "")
set(count 0)
set(offending "")
foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: (.+)$")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
    elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+ +([A-Za-z_][A-Za-z0-9_@]*)$")
        math(EXPR count "${count} + 1")
        if("${dll} ${CMAKE_MATCH_1}" IN_LIST listed)
            list(APPEND offending "${dll} ${CMAKE_MATCH_1}")
        endif()
    endif()
endforeach()

if(count EQUAL 0)
    message(FATAL_ERROR "check-xp-imports: no imports found in ${PROGRAM}")
endif()
if(offending)
    list(JOIN offending "\n  " text)
    message(FATAL_ERROR "${PROGRAM} imports functions that Windows XP SP3 lacks "
                        "(look them up at run time instead):\n  ${text}")
endif()
message(STATUS "${count} imports, none missing on Windows XP SP3")
