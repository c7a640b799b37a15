# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cmake --build --preset app --target package` writes it into build/app.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vazrazhdane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "История - възрожденци и печатни издания")
set(CPACK_PACKAGE_DESCRIPTION
    "A lesson for school pupils linking History and Informatics: seven figures of the\n\
Bulgarian National Revival and the twelve periodicals they published, explored from\n\
either side in one window.")
set(CPACK_PACKAGE_CONTACT "Vazrazhdane <team@vazrazhdane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.vazrazhdane.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see it: Qt's X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Liberation Serif stands in for Times New Roman; Qt's own Bulgarian texts for its dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
