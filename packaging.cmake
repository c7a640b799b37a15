# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cmake --build --preset app --target package` writes it into build/app.

# What Debian installs beside the program: its copyright, changelog and manual pages, the last
# two compressed as Debian keeps them.
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(source changelog man/vazrazhdane.1 man/bg/vazrazhdane.1)
    set(output ${PROJECT_BINARY_DIR}/packaging/${source}.gz)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${GZIP} -9nc ${packaging}/${source} > ${output}
        DEPENDS ${packaging}/${source})
    list(APPEND compressed ${output})
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${compressed})
install(FILES ${packaging}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${docdir})
install(FILES ${PROJECT_BINARY_DIR}/packaging/man/vazrazhdane.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/packaging/man/bg/vazrazhdane.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1)
# Our own package strips the program, and the compiler's identification is of no use in it;
# a distribution strips in its own way, keeping debug symbols apart.
if(HARDEN_AND_STRIP)
    install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vazrazhdane\")")
    set(CPACK_STRIP_FILES ON)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vazrazhdane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bulgarian Revival figures and their periodicals, a lesson")
set(CPACK_PACKAGE_DESCRIPTION
    "A lesson in Bulgarian for school pupils, linking History and Informatics:\n\
seven figures of the Bulgarian National Revival and the twelve periodicals\n\
they published, explored from either side in one window. Clicking a figure\n\
checks its periodicals and writes a short report; clicking a periodical\n\
selects its publisher.")
set(CPACK_PACKAGE_CONTACT "Vazrazhdane <team@vazrazhdane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.vazrazhdane.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see it: Qt's X11 platform plugin. The window's
# measures rest on Liberation Serif, the metric twin of Times New Roman.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's own Bulgarian texts for its dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Checked and dated before the package is made, its members' modes fixed after (with Python,
# which the top-level project looks for).
set(CPACK_PROJECT_CONFIG_FILE ${packaging}/before_packaging.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${packaging}/after_packaging.cmake)
set(CPACK_RELEASE_DATE ${RELEASE_DATE})
set(CPACK_PACKAGING_DIR ${packaging})
set(CPACK_PYTHON ${Python3_EXECUTABLE})
include(CPack)
