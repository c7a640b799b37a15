# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening for our own release builds, each part only where the builder gave none.
include(CheckCXXSourceCompiles)

if(NOT DEFINED CMAKE_POSITION_INDEPENDENT_CODE)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
endif()

if(NOT CMAKE_EXE_LINKER_FLAGS MATCHES "relro")
    add_link_options(-Wl,-z,relro,-z,now)
endif()

# Some compilers fortify by themselves when optimising; the builder's flags may too.
set(CMAKE_REQUIRED_FLAGS "-O2")
check_cxx_source_compiles("
#include <cstdio>
#ifdef _FORTIFY_SOURCE
#error fortified already
#endif
int main() { return 0; }" FORTIFY_SOURCE_UNSET)
unset(CMAKE_REQUIRED_FLAGS)
if(FORTIFY_SOURCE_UNSET)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
