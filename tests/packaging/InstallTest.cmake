# Installs a build tree into a fresh directory and checks that every expected file arrived.
#   cmake -DBUILD_DIR=<build tree> -DWORK_DIR=<scratch parent> -DEXPECTED=<relative paths> -P InstallTest.cmake
# A directory of its own per run, so that a parallel test run is not disturbed.
string(RANDOM LENGTH 10 suffix)
set(prefix ${WORK_DIR}/install-${suffix})
file(REMOVE_RECURSE ${prefix})

execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    file(REMOVE_RECURSE ${prefix})
    message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

set(missing "")
foreach(path IN LISTS EXPECTED)
    if(NOT EXISTS ${prefix}/${path} OR IS_DIRECTORY ${prefix}/${path})
        list(APPEND missing ${path})
    endif()
endforeach()
file(REMOVE_RECURSE ${prefix})
if(missing)
    message(FATAL_ERROR "not installed: ${missing}\n${output}")
endif()
message(STATUS "installed all of: ${EXPECTED}")
