# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws every picture into a scratch folder and requires each one to match the committed
# copy byte for byte: this catches a drawer changed without regenerating assets/, and a
# drawer that is not deterministic.
# Expects -DDRAWER=<program> -DOUT=<scratch folder> -DASSETS=<committed folder>.
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen "${DRAWER}" "${OUT}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "draw_pictures failed: ${status}")
endif()

file(GLOB_RECURSE drawn RELATIVE "${OUT}" "${OUT}/*")
if(NOT drawn)
    message(FATAL_ERROR "draw_pictures wrote nothing into ${OUT}")
endif()
set(stale "")
foreach(name IN LISTS drawn)
    if(NOT EXISTS "${ASSETS}/${name}")
        list(APPEND stale "${name} (not committed)")
        continue()
    endif()
    file(SHA256 "${OUT}/${name}" fresh)
    file(SHA256 "${ASSETS}/${name}" committed)
    if(NOT fresh STREQUAL committed)
        list(APPEND stale "${name}")
    endif()
endforeach()
if(stale)
    list(JOIN stale "\n  " listing)
    message(FATAL_ERROR "assets/ differs from what draw_pictures draws:\n  ${listing}\n"
                        "Regenerate with: QT_QPA_PLATFORM=offscreen build/tools/draw_pictures assets")
endif()
list(LENGTH drawn count)
message(STATUS "${count} pictures identical to assets/")
