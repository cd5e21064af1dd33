# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build folder BUILD into a fresh PREFIX with `cmake --install`, for the
# tests of the installed program, and copies TEST_PROGRAM (a test that must run from
# the installed program's folder) into PREFIX/BINDIR beside it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD} --prefix ${PREFIX} failed")
endif()
file(COPY ${TEST_PROGRAM} DESTINATION ${PREFIX}/${BINDIR})
