# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPROGRAM=chalkline -DIN=page.in -DOUT=page -P man_activities.cmake
# Writes the manual page with its list of activities, menu by menu, in place of the line
# %ACTIVITIES%, as the program's own records give them (--list-activities, in English,
# with no settings of the builder's read).
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 LC_ALL=C.UTF-8
            XDG_CONFIG_HOME=${OUT}.no-settings XDG_CONFIG_DIRS=${OUT}.no-settings
            ${PROGRAM} --lang en --list-activities
    OUTPUT_VARIABLE listing
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --list-activities failed (${status})")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(section "")
foreach(menu 1 2 3 4 5)
    set(titles "")
    foreach(line ${lines})
        # "name  Menu 2  Title; kinds: ..."
        if(line MATCHES "^[^ ]+ +Menu ${menu}  ([^;]+)")
            list(APPEND titles "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    list(JOIN titles ", " titles)
    string(APPEND section ".TP\n.B Menu ${menu}\n${titles}.\n")
endforeach()
file(READ ${IN} page)
string(REPLACE "%ACTIVITIES%\n" "${section}" page "${page}")
file(WRITE ${OUT} "${page}")
