# SPDX-License-Identifier: GPL-3.0-or-later
# Each .ts must be what lupdate makes of game/Texts.h (no text missing, none left over)
# and lrelease must find every text finished: a new text of the game without its
# translation, or one translated no more, fails here rather than shows French to a player;
# and each translation must keep its text's placeholders (%1, %2).
# Expects -DLUPDATE -DLRELEASE -DLUPDATE_ARGS -DTS_FILES -DSCRATCH (a scratch folder), the
# lists with | between their items.
string(REPLACE "|" ";" LUPDATE_ARGS "${LUPDATE_ARGS}")
string(REPLACE "|" ";" TS_FILES "${TS_FILES}")
if(NOT TS_FILES)
    message(FATAL_ERROR "no translations found")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(problems "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME)
    file(COPY_FILE "${ts}" "${SCRATCH}/${name}")
    execute_process(COMMAND "${LUPDATE}" ${LUPDATE_ARGS} -ts "${SCRATCH}/${name}"
                    RESULT_VARIABLE status ERROR_QUIET)
    file(SHA256 "${ts}" committed)
    file(SHA256 "${SCRATCH}/${name}" updated)
    if(NOT status EQUAL 0 OR NOT committed STREQUAL updated)
        list(APPEND problems "${name}: not up to date with game/Texts.h (lupdate: ${status})")
    endif()
    file(READ "${ts}" content)
    string(REGEX MATCHALL "type=\"(unfinished|obsolete|vanished)\"" marks "${content}")
    list(LENGTH marks count)
    if(count GREATER 0)
        list(APPEND problems "${name}: ${count} text(s) unfinished or obsolete")
    endif()
    # Each translation keeps its source's placeholders: a %2 lost would drop a count from
    # what the player is told.
    string(REPLACE "&apos;" "'" content "${content}")
    string(REPLACE ";" "," content "${content}") # no list separator in the texts
    string(REPLACE "</message>" ";" messages "${content}")
    foreach(message IN LISTS messages)
        if(message MATCHES "<source>([^<]*)</source>")
            set(source "${CMAKE_MATCH_1}")
            string(REGEX MATCH "<translation[^>]*>([^<]*)</translation>" translation "${message}")
            set(translation "${CMAKE_MATCH_1}")
            string(REGEX MATCHALL "%[0-9]" wanted "${source}")
            string(REGEX MATCHALL "%[0-9]" kept "${translation}")
            list(SORT wanted)
            list(SORT kept)
            if(NOT wanted STREQUAL kept)
                list(APPEND problems "${name}: \"${translation}\" has not the placeholders of \"${source}\"")
            endif()
        endif()
    endforeach()
    execute_process(COMMAND "${LRELEASE}" "${ts}" -qm "${SCRATCH}/${name}.qm"
                    OUTPUT_VARIABLE said RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT said MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
       OR said MATCHES "Ignored|untranslated")
        list(APPEND problems "${name}: lrelease says ${said}")
    endif()
endforeach()
if(problems)
    list(JOIN problems "\n  " listing)
    message(FATAL_ERROR "translations/:\n  ${listing}\n"
                        "Update them with: cmake --build build --target update_translations, "
                        "then translate what lupdate marks unfinished")
endif()
list(LENGTH TS_FILES count)
message(STATUS "${count} translations complete")
