# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by CPack once it has made the Debian package: its members get the modes dpkg-deb gives
# them, where CPack would take the builder's umask.
foreach(package ${CPACK_PACKAGE_FILES})
    execute_process(COMMAND ${CPACK_PYTHON} ${CPACK_PACKAGING_DIR}/member_modes.py ${package}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
