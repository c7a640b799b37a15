// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page that the program's script is built into, when the page is built:
//   make_page ICON_URI_FILE PAGE_FILE
// The icon file holds the icon as a data: address; the script's place is left for emcc.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "window/web/page_markup.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_page ICON_URI_FILE PAGE_FILE\n");
        return 2;
    }
    std::ifstream icon_file(argv[1]);
    std::stringstream icon;
    icon << icon_file.rdbuf();
    std::ofstream page(argv[2], std::ios::binary);
    page << window::web::PageMarkup(icon.str(), "{{{ SCRIPT }}}");
    return icon_file && page ? 0 : 1;
}
