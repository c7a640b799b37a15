// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/site.h"

#include <cstdint>
#include <cstdio>

#include "window/appearance.h"
#include "window/texts.h"

namespace window::web {
namespace {

// What names the program's caches among any others of the same site.
constexpr std::string_view CachePrefix = "vazrazhdane-";

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

std::string HostedPage(std::string_view page) {
    const std::string head_end = "</head>";
    std::string hosted(page);
    const std::size_t at = hosted.find(head_end);
    if (at == std::string::npos) return hosted;
    hosted.insert(at, "<link rel=\"manifest\" href=\"" + std::string(ManifestFile) +
                          "\"><script>if(\"serviceWorker\"in navigator)"
                          "navigator.serviceWorker.register(\"" +
                          std::string(ServiceWorkerFile) + "\")</script>");
    return hosted;
}

std::string Manifest(std::string_view icons) {
    // The short name, under an icon on a home screen: the era the program is about.
    constexpr std::string_view ShortName = "Възраждане";
    return "{\"name\":" + Quoted(texts::ProgramName) + ",\"short_name\":" + Quoted(ShortName) +
           ",\"lang\":\"bg\",\"dir\":\"ltr\",\"start_url\":\"./\",\"scope\":\"./\","
           "\"display\":\"standalone\",\"background_color\":" +
           Quoted(Hex(appearance::WindowColour)) +
           ",\"theme_color\":" + Quoted(Hex(appearance::HeadingColour)) +
           ",\"icons\":" + std::string(icons) + "}\n";
}

std::string CacheName(std::string_view version, std::string_view page) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : page) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof(hex), "%08x", static_cast<unsigned>(hash));
    return std::string(CachePrefix) + std::string(version) + "-" + hex;
}

std::string ServiceWorker(std::string_view cache, std::string_view files) {
    return "const cache=" + Quoted(cache) + ";\n" +
           "self.addEventListener(\"install\",(event)=>{event.waitUntil(caches.open(cache)"
           ".then((kept)=>kept.addAll(" +
           std::string(files) +
           "))"
           ".then(()=>self.skipWaiting()))});\n"
           "self.addEventListener(\"activate\",(event)=>{event.waitUntil(caches.keys()"
           ".then((names)=>Promise.all(names.filter((name)=>name.startsWith(" +
           Quoted(CachePrefix) +
           ")&&name!==cache).map((name)=>caches.delete(name))))"
           ".then(()=>self.clients.claim()))});\n"
           "self.addEventListener(\"fetch\",(event)=>{if(event.request.method!==\"GET\")return;"
           "event.respondWith(caches.open(cache).then((kept)=>kept.match(event.request,"
           "{ignoreSearch:true})).then((found)=>found||fetch(event.request)))});\n";
}

}  // namespace window::web
