// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes, while the page is built, the page that the program's script is built into:
//   make_page ICON_URI_FILE PAGE_FILE
// the icon file holding the icon as a data: address, the script's place left for emcc;
// and the folder a school hosts, from the built page:
//   make_page --site BUILT_PAGE VERSION ICON_LIST FOLDER
// ICON_LIST being the icons' manifest entries that the icon drawing wrote beside them.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "window/web/page_markup.h"
#include "window/web/site.h"

namespace {

std::string Read(const char* path, bool& ok) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    ok = ok && file.good();
    return text.str();
}

void Write(const std::string& path, const std::string& text, bool& ok) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    ok = ok && file.good();
}

// The files the service worker keeps: the folder itself, what is written here, and the icons
// by the "src" of their entries, however the list spaces its JSON.
std::string KeptFiles(std::string_view icons) {
    using window::web::ManifestFile;
    std::string files = "[\"./\",\"index.html\",\"" + std::string(ManifestFile) + "\"";
    constexpr std::string_view Source = "\"src\"";
    for (std::size_t at = icons.find(Source); at != std::string_view::npos;
         at = icons.find(Source, at)) {
        const std::size_t start = icons.find('"', icons.find(':', at + Source.size())) + 1;
        at = icons.find('"', start);
        files += ",\"" + std::string(icons.substr(start, at - start)) + "\"";
    }
    return files + "]";
}

int WriteSite(const char* built_page, const char* version, const char* icon_list,
              const std::string& folder) {
    using namespace window::web;
    bool ok = true;
    const std::string page = Read(built_page, ok);
    const std::string icons = Read(icon_list, ok);
    Write(folder + "/index.html", HostedPage(page), ok);
    Write(folder + "/" + std::string(ManifestFile), Manifest(icons), ok);
    Write(folder + "/" + std::string(ServiceWorkerFile),
          ServiceWorker(CacheName(version, page), KeptFiles(icons)), ok);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 6 && std::string_view(argv[1]) == "--site") {
        return WriteSite(argv[2], argv[3], argv[4], argv[5]);
    }
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: make_page ICON_URI_FILE PAGE_FILE\n"
                     "       make_page --site BUILT_PAGE VERSION ICON_LIST FOLDER\n");
        return 2;
    }
    bool ok = true;
    const std::string icon = Read(argv[1], ok);
    Write(argv[2], window::web::PageMarkup(icon, "{{{ SCRIPT }}}"), ok);
    return ok ? 0 : 1;
}
