// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the web pages while they are built, run under Node.js:
//   make_page page SOURCES ICON_URI_FILE PAGE
//       the single page that emcc builds the program into, its script's place left for emcc;
//   make_page inline PAGE
//       makes the page emcc built one file: the program's script, and its WebAssembly in it,
//       in place of the script element emcc wrote; then gives the page its
//       Content-Security-Policy, naming each of its inline scripts and styles by its hash;
//   make_page site SOURCES ICON_URI_FILE VERSION ICON_LIST BUILT_PAGE FOLDER
//       the folder a school hosts, around the program's script taken from the built single
//       page and the icons the icon drawing wrote into FOLDER, listed in ICON_LIST.
// SOURCES is the folder of window.css, touch.css, page.js and service-worker.js; the icon file
// holds the icon as a data: address.

#include <emscripten.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "window/web/page_markup.h"
#include "window/web/site.h"

// The SHA-256 of `size` bytes at `data`, in base64 or hex, through Node.js.
EM_JS(void, NodeSha256, (const char* data, std::size_t size, const char* encoding, char* digest), {
    const hash = require("crypto").createHash("sha256");
    hash.update(HEAPU8.subarray(data, data + size));
    stringToUTF8(hash.digest(UTF8ToString(encoding)), digest, 65);
});

// Writes `size` bytes at `data` into `encoded` in base64, with a terminating zero.
EM_JS(void, NodeBase64, (const char* data, std::size_t size, char* encoded), {
    const text = Buffer.from(HEAPU8.subarray(data, data + size)).toString("base64");
    stringToUTF8(text, encoded, text.length + 1);
});

namespace {

using namespace window::web;

std::string Sha256(std::string_view bytes, const char* encoding) {
    char digest[65] = {};
    NodeSha256(bytes.data(), bytes.size(), encoding, digest);
    return digest;
}

class Files {
public:
    std::string Read(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        if (!file.good()) Fail(path);
        return text.str();
    }

    void Write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream file(path, std::ios::binary);
        file << text;
        if (!file.good()) Fail(path);
    }

    bool Ok() const { return ok_; }

private:
    void Fail(const std::filesystem::path& path) {
        std::fprintf(stderr, "make_page: cannot use %s\n", path.c_str());
        ok_ = false;
    }

    bool ok_ = true;
};

struct Sources {
    std::string window_css;
    std::string touch_css;
    std::string page_js;

    Sources(Files& files, const std::filesystem::path& folder)
        : window_css(files.Read(folder / "window.css")),
          touch_css(files.Read(folder / "touch.css")),
          page_js(files.Read(folder / "page.js")) {}

    PageSources View() const { return {window_css, touch_css, page_js}; }
};

// The hash sources of every `tag` element in `page` that holds its text inline.
std::string InlineHashes(std::string_view page, std::string_view tag) {
    const std::string open = "<" + std::string(tag);
    const std::string close = "</" + std::string(tag) + ">";
    std::string hashes;
    for (std::size_t at = page.find(open); at != std::string_view::npos; at = page.find(open, at)) {
        const std::size_t start = page.find('>', at) + 1;
        const std::size_t end = page.find(close, start);
        const std::string_view attributes = page.substr(at, start - at);
        if (attributes.find(" src=") == std::string_view::npos) {
            hashes += " 'sha256-" + Sha256(page.substr(start, end - start), "base64") + "'";
        }
        at = end;
    }
    return hashes;
}

std::string Base64(std::string_view bytes) {
    std::string encoded(4 * ((bytes.size() + 2) / 3), '\0');  // padded to whole groups of 4
    NodeBase64(bytes.data(), bytes.size(), encoded.data());
    return encoded;
}

// The program's script as emcc wrote it, `src` beside the page, with the WebAssembly beside it
// given to it in base64 as `programWebAssembly` (see embedded_webassembly.js): a page opened
// from disk may fetch neither.
bool InlineProgram(Files& files, const std::filesystem::path& path, std::string& page) {
    const std::size_t at = page.find("<script", page.find("<template"));
    const std::size_t src = page.find("src=\"", at);
    const std::size_t end = page.find("</script>", at);
    if (at == std::string::npos || src == std::string::npos || end == std::string::npos ||
        src > end) {
        return false;
    }
    const std::size_t name = src + 5;
    std::filesystem::path script =
        path.parent_path() / page.substr(name, page.find('"', name) - name);
    const std::string program = files.Read(script);
    const std::string wasm = files.Read(script.replace_extension(".wasm"));
    page.replace(at, end - at,
                 "<script>var programWebAssembly=\"" + Base64(wasm) + "\";\n" + program);
    return true;
}

// The single page allows nothing but its own scripts and style, and the WebAssembly and icon
// inside it. Engines before 'wasm-unsafe-eval' (Chrome 97, Firefox 102, Safari 16) compile
// WebAssembly only under 'unsafe-eval', which the program takes back once it is compiled.
int InlineAndAddPolicy(const char* path) {
    Files files;
    std::string page = files.Read(path);
    if (!InlineProgram(files, path, page)) {
        std::fprintf(stderr, "make_page: %s holds no program's script\n", path);
        return 1;
    }
    const std::string policy = "default-src 'none'; script-src" + InlineHashes(page, "script") +
                               " 'unsafe-eval'; style-src" + InlineHashes(page, "style") +
                               "; img-src data:; base-uri 'none'; form-action 'none'";
    const std::string charset = "<meta charset=\"utf-8\">";
    const std::string element = "<meta http-equiv=\"Content-Security-Policy\"";
    const std::size_t at = page.find(charset);
    if (at == std::string::npos || page.find(element) != std::string::npos) {
        std::fprintf(stderr, "make_page: %s is not a page built from the shell\n", path);
        return 1;
    }
    page.insert(at + charset.size(), element + " content=\"" + policy + "\">");
    files.Write(path, page);
    return files.Ok() ? 0 : 1;
}

// The icons' file names, by the "src" of their entries, however the list spaces its JSON.
std::vector<std::string> IconFiles(std::string_view icons) {
    std::vector<std::string> names;
    constexpr std::string_view Source = "\"src\"";
    for (std::size_t at = icons.find(Source); at != std::string_view::npos;
         at = icons.find(Source, at)) {
        const std::size_t start = icons.find('"', icons.find(':', at + Source.size())) + 1;
        at = icons.find('"', start);
        names.emplace_back(icons.substr(start, at - start));
    }
    return names;
}

// The program's script in the built single page: the one its template holds.
std::string ProgramScript(std::string_view page) {
    const std::size_t held = page.find("<template");
    const std::size_t start = page.find('>', page.find("<script", held)) + 1;
    return std::string(page.substr(start, page.find("</script>", start) - start));
}

int WriteSite(const std::filesystem::path& sources_folder, const char* icon_uri_file,
              const char* version, const char* icon_list, const char* built_page,
              const std::filesystem::path& folder) {
    Files files;
    const Sources sources(files, sources_folder);
    const std::string icons = files.Read(icon_list);
    files.Write(folder / ProgramFile, ProgramScript(files.Read(built_page)));
    files.Write(folder / PageFile, HostedPage(files.Read(icon_uri_file)));
    files.Write(folder / StyleFile, PageStyle(sources.View()));
    files.Write(folder / ScriptFile, PageScript(sources.View()));
    files.Write(folder / ManifestFile, Manifest(icons));

    // The folder itself is its page.
    std::vector<std::string> names{"./",
                                   std::string(PageFile),
                                   std::string(StyleFile),
                                   std::string(ScriptFile),
                                   std::string(ProgramFile),
                                   std::string(ManifestFile)};
    for (const std::string& icon : IconFiles(icons)) names.push_back(icon);
    std::vector<KeptFile> kept;
    std::string digests;
    for (const std::string& name : names) {
        const std::string path = name == "./" ? std::string(PageFile) : name;
        kept.push_back({name, Sha256(files.Read(folder / path), "hex")});
        digests += name + " " + kept.back().digest + "\n";
    }
    const std::string build = std::string(version) + "-" + Sha256(digests, "hex").substr(0, 16);
    files.Write(folder / ServiceWorkerFile,
                ServiceWorker(files.Read(sources_folder / ServiceWorkerFile), build, kept));
    return files.Ok() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "page" && argc == 5) {
        Files files;
        const Sources sources(files, argv[2]);
        files.Write(argv[4], SingleFilePage(files.Read(argv[3]), sources.View(), "{{{ SCRIPT }}}"));
        return files.Ok() ? 0 : 1;
    }
    if (mode == "inline" && argc == 3) return InlineAndAddPolicy(argv[2]);
    if (mode == "site" && argc == 8) {
        return WriteSite(argv[2], argv[3], argv[4], argv[5], argv[6], argv[7]);
    }
    std::fprintf(
        stderr,
        "usage: make_page page SOURCES ICON_URI_FILE PAGE\n"
        "       make_page inline PAGE\n"
        "       make_page site SOURCES ICON_URI_FILE VERSION ICON_LIST BUILT_PAGE FOLDER\n");
    return 2;
}
