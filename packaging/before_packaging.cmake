# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by CPack before it makes the Debian package.

# Without these CPack would quietly write a package with no library dependencies.
foreach(tool dpkg-shlibdeps file)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
        message(FATAL_ERROR "${tool} is missing, so the package's dependencies cannot be "
                            "computed. Run `tools/setup package` (Debian packages dpkg-dev "
                            "and file) and make the package again.")
    endif()
endforeach()
# Without it the members' modes would follow the builder's umask.
if(NOT CPACK_PYTHON)
    message(FATAL_ERROR "Python 3 is missing, so the package's members cannot get their modes. "
                        "Run `tools/setup package` (Debian package python3), configure and "
                        "make the package again.")
endif()

# Every member's time is the release's, unless the builder sets another now.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_RELEASE_DATE})
endif()

