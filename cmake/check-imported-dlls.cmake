# Fails when a program imports a DLL outside the given list. The list is the DLLs that Windows
# loads only from the system folder (its known DLLs) and comctl32, which the manifest names: any
# other imported DLL is looked for beside the program first, where a planted copy would run.
# Such DLLs are loaded by their full path when needed instead (base/system_functions_win32.h).
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> "-DALLOWED=kernel32.dll;user32.dll" -P check-imported-dlls.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable OBJDUMP PROGRAM ALLOWED)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "check-imported-dlls: ${variable} is not set")
    endif()
endforeach()

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "check-imported-dlls: ${OBJDUMP} could not read ${PROGRAM}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
set(imported "")
set(offending "")
foreach(name IN LISTS names)
    string(REPLACE "DLL Name: " "" dll "${name}")
    string(TOLOWER "${dll}" dll)
    list(APPEND imported ${dll})
    if(NOT dll IN_LIST ALLOWED)
        list(APPEND offending ${dll})
    endif()
endforeach()

if(NOT imported)
    message(FATAL_ERROR "check-imported-dlls: no imported DLLs found in ${PROGRAM}")
endif()
list(JOIN imported " " text)
message(STATUS "imports ${text}")
if(offending)
    list(JOIN offending " " text)
    message(FATAL_ERROR "${PROGRAM} imports DLLs that Windows may take from the program's folder "
                        "(load them by full path from the system folder instead): ${text}")
endif()
