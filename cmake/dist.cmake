# The download: a zip of what the Windows build installs (the program, Data\, README.txt) and
# its SHA-256 beside it, in the form `sha256sum -c` reads.
#   cmake -DBUILD_DIR=build/windows -DDIST_DIR=dist -P cmake/dist.cmake
get_filename_component(BUILD_DIR ${BUILD_DIR} ABSOLUTE)
get_filename_component(DIST_DIR ${DIST_DIR} ABSOLUTE)
set(work ${BUILD_DIR}/cpack)
file(REMOVE_RECURSE ${work})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${BUILD_DIR}/CPackConfig.cmake
                        -B ${work}
                RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB zips ${work}/*.zip)
list(LENGTH zips count)
if(failed OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made no zip:\n${output}")
endif()
get_filename_component(name ${zips} NAME)
file(MAKE_DIRECTORY ${DIST_DIR})
file(COPY_FILE ${zips} ${DIST_DIR}/${name})
file(SHA256 ${DIST_DIR}/${name} hash)
file(WRITE ${DIST_DIR}/${name}.sha256 "${hash}  ${name}\n")
file(REMOVE_RECURSE ${work})
message(STATUS "${DIST_DIR}/${name}")
