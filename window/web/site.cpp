// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/site.h"

#include <cstdio>

#include "window/appearance.h"
#include "window/texts.h"
#include "window/web/page_markup.h"

namespace window::web {
namespace {

std::string Hex(const appearance::Rgb& colour) {
    char hex[8];
    std::snprintf(hex, sizeof(hex), "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return hex;
}

// A JSON and JavaScript string.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string Manifest(std::string_view icons) {
    // The short name, under an icon on a home screen: the era the program is about.
    constexpr std::string_view ShortName = "Възраждане";
    return "{\"id\":\"./\",\"name\":" + Quoted(texts::ProgramName) +
           ",\"short_name\":" + Quoted(ShortName) + ",\"description\":" + Quoted(Description) +
           ",\"categories\":[\"education\"],\"lang\":\"bg\",\"dir\":\"ltr\",\"start_url\":\"./\","
           "\"scope\":\"./\",\"display\":\"standalone\",\"background_color\":" +
           Quoted(Hex(appearance::WindowColour)) +
           ",\"theme_color\":" + Quoted(Hex(appearance::HeadingColour)) +
           ",\"icons\":" + std::string(icons) + "}\n";
}

std::string ServiceWorker(std::string_view source, std::string_view build,
                          const std::vector<KeptFile>& files) {
    std::string kept;
    for (const KeptFile& file : files) {
        kept += (kept.empty() ? "" : ",") + Quoted(file.name) + ":" + Quoted(file.digest);
    }
    return "const build=" + Quoted(build) + ";\nconst files={" + kept + "};\n" +
           std::string(source);
}

}  // namespace window::web
