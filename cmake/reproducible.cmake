# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The same source gives the same files, wherever and whenever it is built: the release's date
# (RELEASE_DATE) for every time stamp, and no trace of the build's folders or clock.
include(${CMAKE_CURRENT_LIST_DIR}/release_date.cmake)

# The folders' paths reach the program through its debug information and build id, and
# through __FILE__, generated sources (moc, rcc) included. The builder's own maps win.
if(NOT "${CMAKE_CXX_FLAGS} ${CMAKE_C_FLAGS}" MATCHES "prefix-map")
    # The later map wins, and the build folder may lie inside the source folder.
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()

# The Windows linker writes the time of the link into the program's header.
if(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()

# Folders an installation makes get the same modes whatever the builder's umask; files get
# install()'s own.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
