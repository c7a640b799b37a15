# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The release's date, RELEASE_DATE in seconds since 1970 (UTC): the one time every artefact
# carries. The builder's SOURCE_DATE_EPOCH wins; otherwise it is the date of the release's
# commit, which `git archive` writes into the line below (see .gitattributes) and which git
# tells in a clone. `cmake -P cmake/release_date.cmake` prints it.
set(commit_date "$Format:%ct$")

get_filename_component(source_root ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(RELEASE_DATE "$ENV{SOURCE_DATE_EPOCH}")
    if(NOT RELEASE_DATE MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH is \"${RELEASE_DATE}\", not a number of seconds")
    endif()
elseif(commit_date MATCHES "^[0-9]+$")
    set(RELEASE_DATE ${commit_date})
elseif(EXISTS ${source_root}/.git)
    execute_process(COMMAND git -C ${source_root} log -1 --format=%ct
        OUTPUT_VARIABLE RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT RELEASE_DATE MATCHES "^[0-9]+$")
    string(TIMESTAMP RELEASE_DATE "%s" UTC)
    message(WARNING "This copy of the source tells no release date (neither a clone nor an "
                    "export), so this build carries today's and cannot be reproduced. Set "
                    "SOURCE_DATE_EPOCH to the release's date to reproduce a release.")
endif()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${RELEASE_DATE})
endif()
